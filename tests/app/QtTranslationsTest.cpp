// Qt's own buttons and dialogs speak the interface language, and numbers
// are written with its decimal separator.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "app/QtTranslations.h"
#include "view/PropertyValues.h"

using namespace quobrix;

class QtTranslationsTest : public QObject {
  Q_OBJECT

 private slots:
  void messageBoxButtons_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("yes");
    QTest::addColumn<QString>("width");
    QTest::newRow("Russian") << QString::fromUtf8("Русский") << QString::fromUtf8("&Да") << QStringLiteral("0,01");
    QTest::newRow("built-in texts, which are Russian")
        << QString() << QString::fromUtf8("&Да") << QStringLiteral("0,01");
    QTest::newRow("Ukrainian") << QString::fromUtf8("Украинский") << QString::fromUtf8("Т&ак")
                               << QStringLiteral("0,01");
    QTest::newRow("English") << QStringLiteral("English") << QStringLiteral("&Yes") << QStringLiteral("0.01");
    QTest::newRow("a language Qt is not asked for")
        << QStringLiteral("Deutsch") << QStringLiteral("&Yes") << QStringLiteral("0.01");
  }

  // Each language replaces the one before, back to none for English.
  void messageBoxButtons() {
    QFETCH(QString, language);
    QFETCH(QString, yes);
    QFETCH(QString, width);
    QVERIFY(UseQtTranslations(language));
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.button(QMessageBox::Yes)->text(), yes);
    QCOMPARE(WidthText(1), width);
  }

  void cleanupTestCase() { UseQtTranslations(QStringLiteral("English")); }
};

QTEST_MAIN(QtTranslationsTest)
#include "QtTranslationsTest.moc"
