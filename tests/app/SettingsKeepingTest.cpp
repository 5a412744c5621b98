// The settings file while a real main window runs: what the user changes
// reaches it without waiting for the program to end, and a file that cannot
// be written is kept as it was and told about once.
#include <QFile>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTest>
#include <memory>

#include "app/SettingsFile.h"
#include "app/TMainForm.h"
#include "app/TSettingsForm.h"
#include "platform/ProfileFile.h"
#include "support/ModalAnswer.h"
#include "support/ProgramHome.h"

using namespace quobrix;

namespace {

// Long enough for the periodic check however loaded the machine is.
constexpr int kLongWaitMs = 60000;

struct Program {
  Program() {
    main = std::make_unique<TMainForm>(home.context);
    main->show();
  }
  QString Stored(const char* section, const char* key) const {
    return ProfileFile(home.SettingsFile()).ReadString(QString::fromLatin1(section), QString::fromLatin1(key));
  }

  test::ProgramHome home;
  std::unique_ptr<TMainForm> main;
};

}  // namespace

class SettingsKeepingTest : public QObject {
  Q_OBJECT

 private slots:
  void appliedOptionsAreInTheFileAtOnce() {
    Program p;
    TSettingsForm& dialog = p.main->SettingsForm();
    test::ModalAnswer answer([&dialog](QWidget& modal) {
      const auto close = qScopeGuard([&modal] { modal.close(); });
      QCOMPARE(&modal, &dialog);
      dialog.pExpert->findChild<QSpinBox*>(QStringLiteral("seAutoSaveSeconds"))->setValue(345);
      dialog.bOK->click();
    });
    p.main->Commands().Action(CommandId::EditSettings).trigger();
    QCOMPARE(p.Stored("Main", "AutoSaveSeconds"), QStringLiteral("345"));
  }

  void theLayoutAndTheRecentFilesFollowWithoutAnExit() {
    Program p;
    const QString chart = p.home.File("recent.qbs");
    p.main->AddRecentFile(chart);
    p.main->move(p.main->pos() + QPoint(37, 23));
    const QString x = QString::number(p.main->x());
    QTRY_COMPARE_WITH_TIMEOUT(p.Stored("Recent", "Recent0"), chart, kLongWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(p.Stored("WinPos", "MainX"), x, kLongWaitMs);
  }

  // The old file stays, whatever the number of writes that failed.
  void aFileThatCannotBeWrittenIsKeptAndToldOnce() {
    test::ProgramHome home;
    const QByteArray original = "[Main]\r\nLanguage=Русский\r\nAutoSaveSeconds=60\r\n; the user's own line\r\n";
    home.WriteSettings(original);
    QFile::setPermissions(home.SettingsFile(), QFileDevice::ReadOwner);
    test::ModalAnswer ok(QMessageBox::Ok);
    {
      TMainForm main(home.context);
      main.show();
      main.Context().Settings().ChangeOptions([](ProgramOptions& o) { o.AutoSaveSeconds = 120; });
      main.Context().Settings().ChangeOptions([](ProgramOptions& o) { o.ShowSplash = false; });
      QVERIFY(!main.SaveSettings());
      main.close();
    }
    QCOMPARE(ok.texts.size(), 1);
    QVERIFY2(ok.texts[0].contains(home.SettingsFile()), qPrintable(ok.texts[0]));
    QCOMPARE(home.ReadSettings(), original);
  }
};

QTEST_MAIN(SettingsKeepingTest)
#include "SettingsKeepingTest.moc"
#include "view/AppContext.h"
