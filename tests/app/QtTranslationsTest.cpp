// Qt's own buttons and dialogs speak the interface language.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "app/QtTranslations.h"

using namespace quobrix;

class QtTranslationsTest : public QObject {
  Q_OBJECT

 private slots:
  void messageBoxButtons_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("yes");
    QTest::newRow("Russian") << QString::fromUtf8("Русский") << QString::fromUtf8("&Да");
    QTest::newRow("built-in texts, which are Russian") << QString() << QString::fromUtf8("&Да");
    QTest::newRow("Ukrainian") << QString::fromUtf8("Украинский") << QString::fromUtf8("Т&ак");
    QTest::newRow("English") << QStringLiteral("English") << QStringLiteral("&Yes");
    QTest::newRow("a language Qt is not asked for") << QStringLiteral("Deutsch") << QStringLiteral("&Yes");
  }

  // Each language replaces the one before, back to none for English.
  void messageBoxButtons() {
    QFETCH(QString, language);
    QFETCH(QString, yes);
    QVERIFY(UseQtTranslations(language));
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.button(QMessageBox::Yes)->text(), yes);
  }

  void cleanupTestCase() { UseQtTranslations(QStringLiteral("English")); }
};

QTEST_MAIN(QtTranslationsTest)
#include "QtTranslationsTest.moc"
