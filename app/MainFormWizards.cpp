// The wizards menu: each wizard's dialog collects what the chart should
// hold, then a new chart window receives the template and the blocks.
#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <exception>

#include "app/DocumentSupport.h"
#include "app/TMainForm.h"
#include "app/TranslateWindow.h"
#include "platform/LanguageTable.h"
#include "platform/ProgramFolders.h"
#include "view/AppContext.h"
#include "view/TBlocksHolder.h"
#include "wizards/TWizCodeForm.h"
#include "wizards/TWizForForm.h"
#include "wizards/TWizIFForm.h"
#include "wizards/TWizLSForm.h"
#include "wizards/TWizProcForm.h"

namespace quobrix {

void TMainForm::mWizard1Click() {
  TWizLSForm dialog(this);
  RunWizard(dialog, CommandId::LinearWizard);
}

void TMainForm::mWizard2Click() {
  TWizIFForm dialog(this);
  RunWizard(dialog, CommandId::BranchWizard);
}

void TMainForm::mWizard3Click() {
  TWizForForm dialog(this);
  RunWizard(dialog, CommandId::ForLoopWizard);
}

void TMainForm::mWizard4Click() {
  TWizProcForm dialog(this);
  RunWizard(dialog, CommandId::ProcessWizard);
}

void TMainForm::mWizard5Click() {
  TWizCodeForm dialog(this);
  RunWizard(dialog, CommandId::CodeWizard);
}

void TMainForm::RunWizard(WizardDialog& dialog, CommandId command) {
  TranslateWindow(context_.Settings().LanguageFile(), dialog);
  dialog.OpenDlg->setDirectory(TemplateDir(context_.Settings().LanguageFile()));
  dialog.setWindowTitle(commands_.Action(command).text());
  if (dialog.exec() != QDialog::Accepted) return;
  CreateWizardChart(dialog.TemplatePath(), [&dialog](BlocksHolderModel& chart) { dialog.AppendChart(chart); });
}

THolderForm* TMainForm::CreateWizardChart(const QString& templatePath,
                                          const std::function<void(BlocksHolderModel&)>& build) {
  THolderForm* window = NewChartWindow();
  BlocksHolderModel& chart = window->bh->Model();
  bool complete = true;
  try {
    if (QFileInfo(templatePath).isFile()) {
      // A template that does not load leaves the chart empty; the wizard's blocks still come.
      chart.LoadFromFile(QFile::encodeName(templatePath).toStdString());
      chart.SetFileName(kUntitled);
    }
    build(chart);
  } catch (const std::exception&) {
    complete = false;
  }
  ShowChartWindow(*window, true);
  if (!complete) ShowError(LanguageText(TextKey::WIZARD_BUILD_ERROR));
  return window;
}

void TMainForm::BindWizardCommands() {
  commands_.Bind(CommandId::LinearWizard, [this](QAction&) { mWizard1Click(); });
  commands_.Bind(CommandId::BranchWizard, [this](QAction&) { mWizard2Click(); });
  commands_.Bind(CommandId::ForLoopWizard, [this](QAction&) { mWizard3Click(); });
  commands_.Bind(CommandId::ProcessWizard, [this](QAction&) { mWizard4Click(); });
  commands_.Bind(CommandId::CodeWizard, [this](QAction&) { mWizard5Click(); });
}

}  // namespace quobrix
