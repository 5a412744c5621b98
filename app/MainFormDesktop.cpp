// The main window's links to the desktop: the chart file type registered at
// start, and the help, the lessons and the web page opened in the browser.
#include <QAction>
#include <QApplication>
#include <QDesktopServices>

#include "app/HelpFiles.h"
#include "app/TMainForm.h"
#include "platform/DesktopRegistration.h"
#include "platform/ProgramFolders.h"
#include "view/ProgramSettings.h"
#include "view/TDebugForm.h"

namespace quobrix {

namespace {

// A missing file opens nothing, and what the browser makes of it is its own affair.
void OpenInBrowser(const QUrl& url) {
  if (!url.isEmpty()) QDesktopServices::openUrl(url);
}

}  // namespace

void TMainForm::BindHelpCommands() {
  using enum CommandId;
  commands_.Bind(Help, [](QAction&) { OpenInBrowser(HelpPageUrl(ResourceDir(), Settings().LanguageFile())); });
  // The item's number chooses the lesson, whatever language its caption is in.
  commands_.Bind(Lesson, [](QAction& item) {
    OpenInBrowser(LessonUrl(ResourceDir(), Settings().LanguageFile(), MenuTag(item)));
  });
  commands_.Bind(VisitWeb, [](QAction&) { OpenInBrowser(SiteUrl(ResourceDir())); });
}

// The chart opens whatever becomes of this; the debug window hears of failures.
void TMainForm::mRegisterFileTypeClick() {
  const DesktopRegistrationReport report = RegisterChartFileType(XdgDataHome(), QApplication::applicationFilePath());
  if (!debug_) return;
  for (const QString& failure : report.failures)
    debug_->AddMessage(QStringLiteral("Регистрация типа файлов схем: ") + failure);
}

}  // namespace quobrix
