// The options of section "Main" under their key names, and the language a
// first start takes from the desktop.
#include <QTest>

#include "app/SettingsFile.h"
#include "platform/ProfileFile.h"
#include "support/TempDir.h"

using namespace quobrix;

namespace {

struct Key {
  const char* name;
  bool ProgramOptions::*option;
};

const Key kKeys[] = {{"MDIMode", &ProgramOptions::MDIMode},
                     {"ShowSplash", &ProgramOptions::ShowSplash},
                     {"SaveWindowsPos", &ProgramOptions::SaveWindowsPos},
                     {"CenterChartInWindow", &ProgramOptions::CenterChartInWindow},
                     {"ShowActiveSymbolHint", &ProgramOptions::ShowActiveSymbolHint},
                     {"ShowRulersInWin", &ProgramOptions::ShowRulersInWin},
                     {"ShowStatusInWin", &ProgramOptions::ShowStatusInWin},
                     {"ShowColorLineInWin", &ProgramOptions::ShowColorLineInWin},
                     {"InspectorSaveMode", &ProgramOptions::InspectorSaveMode}};

}  // namespace

class SettingsFileTest : public QObject {
  Q_OBJECT

 private slots:
  // Each option goes to its own key and comes back from it alone.
  void everyOptionHasItsKey() {
    test::TempDir dir;
    const QString path = QString::fromStdString(dir.File("quobrix.ini"));
    for (const Key& key : kKeys) {
      ProgramOptions options;
      options.*key.option = false;
      ProfileFile file(path);
      WriteOptions(file, options);
      QVERIFY(file.Save());
      const ProfileFile written(path);
      for (const Key& other : kKeys)
        QCOMPARE(written.ReadString(kMainSection, QString::fromLatin1(other.name)),
                 QString::fromLatin1(other.option == key.option ? "0" : "1"));
      QVERIFY(ReadOptions(written) == options);
    }
  }

  void theAutosaveIntervalIsAWholeNumberOfSeconds_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("seconds");
    QTest::newRow("missing key: a minute") << QString() << 60;
    QTest::newRow("off") << "0" << 0;
    QTest::newRow("two minutes") << "120" << 120;
    QTest::newRow("negative reads as off") << "-5" << 0;
    QTest::newRow("not a number keeps the default") << "often" << 60;
  }

  void theAutosaveIntervalIsAWholeNumberOfSeconds() {
    QFETCH(QString, stored);
    QFETCH(int, seconds);
    test::TempDir dir;
    const QString path = QString::fromStdString(dir.File("quobrix.ini"));
    ProfileFile file(path);
    if (!stored.isEmpty()) file.WriteString(kMainSection, QStringLiteral("AutoSaveSeconds"), stored);
    QCOMPARE(ReadOptions(file).AutoSaveSeconds, seconds);

    ProgramOptions options;
    options.AutoSaveSeconds = 15;
    WriteOptions(file, options);
    QCOMPARE(file.ReadString(kMainSection, QStringLiteral("AutoSaveSeconds")), QStringLiteral("15"));
  }

  void aFirstStartSpeaksTheDesktopsLanguage_data() {
    QTest::addColumn<QString>("desktop");
    QTest::addColumn<QString>("language");
    QTest::newRow("Russian with region") << "ru-RU" << QString::fromUtf8("Русский");
    QTest::newRow("Ukrainian, POSIX spelling") << "uk_UA" << QString::fromUtf8("Украинский");
    QTest::newRow("German") << "de-DE"
                            << "English";
    QTest::newRow("a word that starts like Russian") << "rue"
                                                     << "English";
    QTest::newRow("C locale") << "C"
                              << "English";
  }

  void aFirstStartSpeaksTheDesktopsLanguage() {
    QFETCH(QString, desktop);
    QFETCH(QString, language);
    QCOMPARE(LanguageForDesktop(desktop), language);
  }
};

QTEST_MAIN(SettingsFileTest)
#include "SettingsFileTest.moc"
