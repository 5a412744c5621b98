// The settings dialog opened from the menu of a real main window: what it
// shows, what applying changes at once, and what it writes.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QLabel>
#include <QScopeGuard>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/SettingsFile.h"
#include "app/TMainForm.h"
#include "app/TSettingsForm.h"
#include "platform/ProfileFile.h"
#include "platform/ProgramFolders.h"
#include "support/ModalAnswer.h"
#include "support/ProgramHome.h"
#include "view/AppContext.h"
#include "view/THolderForm.h"
#include "view/TVRulerWnd2.h"

using namespace quobrix;

namespace {

struct Program {
  Program() { main = std::make_unique<TMainForm>(home.context); }
  TSettingsForm& Dialog() const { return main->SettingsForm(); }
  QCheckBox& Box(const char* name) const { return *Dialog().findChild<QCheckBox*>(QString::fromLatin1(name)); }
  // Opens the dialog through its menu item and lets `use` act in it.
  void InDialog(const std::function<void(TSettingsForm&)>& use) const {
    test::ModalAnswer answer([this, &use](QWidget& modal) {
      const auto close = qScopeGuard([&modal] { modal.close(); });
      QCOMPARE(&modal, &Dialog());
      use(Dialog());
    });
    main->Commands().Action(CommandId::EditSettings).trigger();
  }
  QString StoredLanguage() const { return ProfileFile(home.SettingsFile()).ReadString(kMainSection, kLanguageKey); }

  test::ProgramHome home;
  std::unique_ptr<TMainForm> main;
};

}  // namespace

class TSettingsFormTest : public QObject {
  Q_OBJECT

 private slots:
  void theDialogShowsTheOptionsAndTheLanguageInUse_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Ukrainian") << QString::fromUtf8("Украинский") << QString::fromUtf8("Украинский");
    QTest::newRow("built-in Russian texts") << QString() << QString::fromUtf8("Русский");
    QTest::newRow("a language of one's own") << QStringLiteral("Deutsch") << QString();
  }

  // Applying a changed check box must not switch the language.
  void theDialogShowsTheOptionsAndTheLanguageInUse() {
    QFETCH(QString, language);
    QFETCH(QString, shown);
    Program p;
    p.main->Context().Settings().ChangeOptions([&language](ProgramOptions& o) {
      o.Language = language;
      o.MDIMode = false;
      o.ShowActiveSymbolHint = false;
    });
    p.InDialog([&](TSettingsForm& d) {
      QCOMPARE(d.cbLanguage->currentText(), shown);
      QVERIFY(!p.Box("chMDIMode").isChecked() && p.Box("chMDIMode").isHidden());
      QVERIFY(!p.Box("chShowHint").isChecked() && p.Box("chShowSplash").isChecked());
      p.Box("chShowHint").setChecked(true);
      d.bOK->click();
    });
    QCOMPARE(p.main->Context().Settings().Options().Language, language);
    QCOMPARE(p.StoredLanguage(), language);
    QVERIFY(p.main->Context().Settings().Options().ShowActiveSymbolHint);
    QVERIFY(!p.main->Context().Settings().Options().MDIMode);
  }

  void applyingHidesTheRulersAtOnceAndClearsTheMenuCheck() {
    Program p;
    THolderForm* chart = p.main->CreateNewSheme();
    p.InDialog([&](TSettingsForm& d) {
      p.Box("chShowRulers").setChecked(false);
      d.bOK->click();
    });
    QVERIFY(chart->HorzRuler->isHidden() && chart->VertRuler->isHidden());
    QVERIFY(!p.main->Commands().Action(CommandId::Rulers).isChecked());
    QVERIFY(!p.main->Context().Settings().Options().ShowRulersInWin);
  }

  // It persists even if the program never ends normally.
  void theLanguageIsWrittenAtOnceAndTakenIntoUse() {
    Program p;
    p.InDialog([](TSettingsForm& d) {
      d.cbLanguage->setCurrentText(QStringLiteral("English"));
      d.bOK->click();
    });
    QCOMPARE(p.StoredLanguage(), QStringLiteral("English"));
    QCOMPARE(p.main->Context().Settings().LanguageFile(), ProgramDir() + QStringLiteral("lang/English.lng"));
    QCOMPARE(p.main->windowTitle(), TMainForm::ProgramTitle());
  }

  void cancelChangesNothing() {
    Program p;
    const QByteArray before = p.home.ReadSettings();
    p.InDialog([&](TSettingsForm& d) {
      p.Box("chShowStatus").setChecked(false);
      d.cbLanguage->setCurrentText(QString::fromUtf8("Украинский"));
      d.bCancel->click();
    });
    QVERIFY(p.main->Context().Settings().Options().ShowStatusInWin);
    QCOMPARE(p.home.ReadSettings(), before);
  }

  void theLineOptionsHaveAPageOfTheirOwnAndAreTakenWhenApplied() {
    Program p;
    p.InDialog([&p](TSettingsForm& d) {
      for (const char* name : {"chNewLinesWithArrow", "chRouteNewLines"}) {
        QCheckBox& box = p.Box(name);
        QCOMPARE(box.parentWidget(), d.pLines);
        QVERIFY(!box.isChecked());
        box.setChecked(true);
      }
      d.bOK->click();
    });
    QVERIFY(p.home.context.Settings().Options().NewLinesWithArrow && p.home.context.Settings().Options().RouteNewLines);
  }

  void theAutosaveIntervalIsOnTheSecondPageAndTakenWhenApplied() {
    Program p;
    p.main->Context().Settings().ChangeOptions([](ProgramOptions& o) { o.AutoSaveSeconds = 90; });
    p.InDialog([](TSettingsForm& d) {
      auto* seconds = d.pExpert->findChild<QSpinBox*>(QStringLiteral("seAutoSaveSeconds"));
      QVERIFY(seconds);
      QCOMPARE(seconds->value(), 90);
      auto* label = d.pExpert->findChild<QLabel*>(QStringLiteral("LabelAutoSave"));
      QCOMPARE(label->buddy(), seconds);
      seconds->setValue(0);
      d.bOK->click();
    });
    QCOMPARE(p.main->Context().Settings().Options().AutoSaveSeconds, 0);
  }

  void theDialogIsNamedAfterItsMenuItemAndTurnsItsPages() {
    Program p;
    QAction& item = p.main->Commands().Action(CommandId::EditSettings);
    QVERIFY(item.isEnabled());
    QCOMPARE(p.Dialog().windowTitle(), QString::fromUtf8("Настройки"));
    item.setText(QStringLiteral("Settings"));
    QCOMPARE(p.Dialog().windowTitle(), QStringLiteral("Settings"));
    p.InDialog([](TSettingsForm& d) {
      QCOMPARE(d.Pages->currentWidget(), d.pGeneral);
      d.SpeedButton2->click();
      QCOMPARE(d.Pages->currentWidget(), d.pExpert);
      QVERIFY(!d.SpeedButton1->isChecked());
      QCOMPARE(d.size(), QSize(425, 306));
      d.bCancel->click();
    });
  }
};

QTEST_MAIN(TSettingsFormTest)
#include "TSettingsFormTest.moc"
