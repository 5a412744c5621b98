// The language files shipped with the program.
#include <QFile>
#include <QStringDecoder>
#include <QTest>
#include <algorithm>

#include "app/DocumentSupport.h"
#include "chart/SymbolTable.h"
#include "platform/LanguageTable.h"
#include "platform/ProfileFile.h"

using namespace quobrix;

namespace {

const char* const kWindowSections[] = {"MainForm",     "HolderForm",   "InspectorForm", "LibraryForm",   "PreviewForm",
                                       "SearchForm",   "SettingsForm", "SheetSizeForm", "ShemeInfoForm", "ColorForm",
                                       "WizLSForm",    "WizIFForm",    "WizForForm",    "WizProcForm",   "WizCodeForm",
                                       "RecoveryForm", "UserLibForm",  "ChartProgramForm"};

QString LanguageFolder() { return qEnvironmentVariable("QUOBRIX_SOURCE_DIR") + QStringLiteral("/lang/"); }

QString RussianFile() { return LanguageFolder() + QString::fromUtf8("Русский.lng"); }

}  // namespace

class LanguageFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void eachFile_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"English", "Русский", "Украинский"}) QTest::newRow(name) << QString::fromUtf8(name);
  }

  void eachFile() {
    QFETCH(QString, name);
    const QString path = LanguageFolder() + name + QStringLiteral(".lng");
    QFile raw(path);
    QVERIFY2(raw.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray bytes = raw.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    (void)QString(utf8.decode(bytes));
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
    QVERIFY2(ascii || utf8.hasError(), "the file is in code page 1251, not UTF-8");

    const ProfileFile file(path);
    for (const BuiltInText& text : BuiltInTexts())
      QVERIFY2(!file.ReadString(text.section, text.key).isEmpty(), text.key);

    // Every language names the same components; a misspelt key would be ignored silently.
    const ProfileFile russian(RussianFile());
    for (const char* section : kWindowSections) {
      QVERIFY2(!file.Keys(section).isEmpty(), section);
      QCOMPARE(file.Keys(section), russian.Keys(section));
    }
  }

  void paletteButtonsHaveHintsInEachLanguage_data() { eachFile_data(); }

  // The palette shows pictures only: the hint is all the user and assistive tools get.
  void paletteButtonsHaveHintsInEachLanguage() {
    QFETCH(QString, name);
    const ProfileFile file(LanguageFolder() + name + QStringLiteral(".lng"));
    for (const PaletteButton& button : PaletteButtons())
      QVERIFY2(!file.ReadString(QStringLiteral("LibraryForm"), QString::fromLatin1(button.name)).isEmpty(),
               button.name);
  }

  void wizardPrefixesTellTheSectionsApart_data() { eachFile_data(); }

  // The process wizard's section list tells its items apart to the reader by these words.
  void wizardPrefixesTellTheSectionsApart() {
    QFETCH(QString, name);
    const ProfileFile file(LanguageFolder() + name + QStringLiteral(".lng"));
    QStringList prefixes;
    for (const char* key : {"WIZARD_OPERATION", "WIZARD_DELAY", "WIZARD_IF", "WIZARD_CYCLE", "WIZARD_INOUT"})
      prefixes << file.ReadString(QStringLiteral("Wizards"), QString::fromLatin1(key));
    for (const QString& a : prefixes)
      for (const QString& b : prefixes)
        if (&a != &b) QVERIFY2(!a.startsWith(b), qPrintable(a + u'|' + b));
  }

  // A chart never saved was "Untitled" in every language.
  void untitledChartsAreNamedAndNumberedInEachLanguage_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("second");
    QTest::newRow("English") << QStringLiteral("English") << QStringLiteral("Untitled 2");
    QTest::newRow("Русский") << QString::fromUtf8("Русский") << QString::fromUtf8("Без имени 2");
    QTest::newRow("Украинский") << QString::fromUtf8("Украинский") << QString::fromUtf8("Без назви 2");
  }
  void untitledChartsAreNamedAndNumberedInEachLanguage() {
    QFETCH(QString, name);
    QFETCH(QString, second);
    LoadLanguageTable(LanguageFolder() + name + QStringLiteral(".lng"));
    QCOMPARE(UntitledName(2), second);
    QCOMPARE(UntitledName(1), second.chopped(2));
    LoadLanguageTable(QString());
  }

  void russianFileHoldsTheBuiltInTextsExactly() {
    LoadLanguageTable(RussianFile());
    for (const BuiltInText& text : BuiltInTexts()) QCOMPARE(LanguageText(text.id), QString::fromUtf8(text.text));
  }
};

QTEST_MAIN(LanguageFilesTest)
#include "LanguageFilesTest.moc"
