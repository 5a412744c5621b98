#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/LanguageTable.h"

using namespace quobrix;

class LanguageTableTest : public QObject {
  Q_OBJECT

 private:
  QString WriteFile(const QByteArray& bytes) {
    const QString path = dir_.filePath(QStringLiteral("test.lng"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
  }

  static void ExpectEveryTextBuiltIn() {
    for (const BuiltInText& text : BuiltInTexts()) QCOMPARE(LanguageText(text.id), QString::fromUtf8(text.text));
  }

  QTemporaryDir dir_;

 private slots:
  void init() { LoadLanguageTable(QString()); }

  void builtInTextsAreTheRussianOnes() {
    QCOMPARE(BuiltInTexts().size(), std::size_t{111});
    ExpectEveryTextBuiltIn();
    QCOMPARE(LanguageText(TextKey::Program), QString::fromUtf8("Построитель схем Quobrix"));
    // The filter's first letter is a Latin C.
    QCOMPARE(LanguageText(TextKey::FILE_SAVE_FILTER).at(0), QChar(u'C'));
    QCOMPARE(LanguageText(TextKey::FILE_OPEN_FILTER),
             QString::fromUtf8("Файл схемы (*.qbs)|*.qbs|Все файлы (*.*)|*.*"));
    for (TextKey padded : {TextKey::WIZARD_OPERATION, TextKey::WIZARD_DELAY, TextKey::WIZARD_IF, TextKey::WIZARD_CYCLE,
                           TextKey::WIZARD_INOUT})
      QCOMPARE(LanguageText(padded).size(), 12);
    QCOMPARE(LanguageText(TextKey::WIZARD_CYCLE), QString::fromUtf8("[Цикл]      "));
  }

  void fileReplacesTheTextsItNames() {
    LoadLanguageTable(
        WriteFile("[general]\r\nprogram=Quobrix chart builder\r\nDIMENSION_MM=mm\r\n"
                  "[Wizards]\r\nWIZARD_CYCLE=\"[Loop]      \"\r\nWIZARD_IF=[If]      \r\n"));
    QCOMPARE(LanguageText(TextKey::Program), QStringLiteral("Quobrix chart builder"));
    QCOMPARE(LanguageText(TextKey::DIMENSION_MM), QStringLiteral("mm"));
    QCOMPARE(LanguageText(TextKey::WIZARD_CYCLE), QStringLiteral("[Loop]      "));
    QCOMPARE(LanguageText(TextKey::WIZARD_IF), QStringLiteral("[If]"));
    QCOMPARE(LanguageText(TextKey::PREVIEW_PAGE), QString::fromUtf8("Страница"));  // key missing
  }

  void textInTheWrongSectionIsNotRead() {
    LoadLanguageTable(WriteFile("[Wizards]\nProgram=elsewhere\n[General]\nWIZARD_YES=elsewhere\n"));
    ExpectEveryTextBuiltIn();
  }

  void missingFileRestoresEveryBuiltInText() {
    LoadLanguageTable(WriteFile("[General]\nProgram=Other\n[Wizards]\nWIZARD_NO=No\n"));
    QCOMPARE(LanguageText(TextKey::Program), QStringLiteral("Other"));
    LoadLanguageTable(dir_.filePath(QStringLiteral("missing.lng")));
    ExpectEveryTextBuiltIn();
  }

  void keyWithAnEmptyValueGivesAnEmptyText() {
    LoadLanguageTable(WriteFile("[General]\nHINT_TEXT1=\nHINT_TEXT2=\"\"\n"));
    QCOMPARE(LanguageText(TextKey::HINT_TEXT1), QString());
    QCOMPARE(LanguageText(TextKey::HINT_TEXT2), QString());
  }
};

QTEST_MAIN(LanguageTableTest)
#include "LanguageTableTest.moc"
