// The main window's links to the desktop: the chart file type registered at
// start, and the help, the lessons and the web page, shown in the help window
// or, for an address on the network, the browser.
#include <QAction>
#include <QApplication>

#include "app/HelpFiles.h"
#include "app/TMainForm.h"
#include "platform/DesktopRegistration.h"
#include "platform/ProgramFolders.h"
#include "tools/THelpForm.h"
#include "view/AppContext.h"
#include "view/TDebugForm.h"

namespace quobrix {

// The help command itself belongs to the help window.
void TMainForm::CreateHelpWindow() {
  const ProgramSettings& settings = context_.Settings();
  const HelpBook book{[&settings](const QString& name) { return HelpPageUrl(ResourceDir(), settings.LanguageFile(), name); },
                      [&settings] { return HelpFolders(ResourceDir(), settings.LanguageFile()); }, HelpWindowText};
  help_ = new THelpForm(*this, commands_, toolWindows_, book);
}

void TMainForm::BindHelpCommands() {
  using enum CommandId;
  // The item's number chooses the lesson, whatever language its caption is in.
  commands_.Bind(Lesson, [this](QAction& item) {
    help_->Open(LessonUrl(ResourceDir(), context_.Settings().LanguageFile(), MenuTag(item)));
  });
  commands_.Bind(VisitWeb, [this](QAction&) { help_->Open(SiteUrl(ResourceDir())); });
}

// The chart opens whatever becomes of this; the debug window hears of failures.
void TMainForm::mRegisterFileTypeClick() {
  const DesktopRegistrationReport report = RegisterChartFileType(XdgDataHome(), QApplication::applicationFilePath());
  if (!debug_) return;
  for (const QString& failure : report.failures)
    debug_->AddMessage(QStringLiteral("Регистрация типа файлов схем: ") + failure);
}

}  // namespace quobrix
