// The main window's own view commands, the page count, and the hint over
// the active chart's canvas. The commands on the canvas itself are view/ChartCommands.cpp.
#include <QAction>
#include <QInputDialog>
#include <QStatusTipEvent>

#include "app/TAboutForm.h"
#include "app/TMainForm.h"
#include "platform/LanguageTable.h"
#include "view/AppContext.h"
#include "view/FormatCommands.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

namespace quobrix {

void TMainForm::BindViewCommands() {
  using enum CommandId;
  // The switches set the options: the active chart window follows them at
  // once, later chart windows start with them, other open ones keep theirs.
  commands_.Bind(Rulers, [this](QAction& item) {
    context_.Settings().ChangeOptions([&item](ProgramOptions& o) { o.ShowRulersInWin = item.isChecked(); });
  });
  commands_.Bind(StatusLine, [this](QAction& item) {
    context_.Settings().ChangeOptions([&item](ProgramOptions& o) { o.ShowStatusInWin = item.isChecked(); });
  });
  commands_.Bind(ColorStrip, [this](QAction& item) {
    context_.Settings().ChangeOptions([&item](ProgramOptions& o) { o.ShowColorLineInWin = item.isChecked(); });
  });
  commands_.Bind(StayOnTop, [this](QAction& item) {
    setWindowFlag(Qt::WindowStaysOnTopHint, item.isChecked());
    show();
  });
  ShowViewOptions();
  connect(&context_.Settings(), &ProgramSettings::OptionsChanged, this, &TMainForm::FollowViewOptions);
}

void TMainForm::BindPageCountCommand() {
  commands_.BindChart(CommandId::PageCount, [](THolderForm& w, QAction&) {
    BlocksHolderModel& chart = w.bh->Model();
    bool ok = false;
    const QString answer =
        QInputDialog::getText(&w, LanguageText(TextKey::INPUT_PAGES_TITLE), LanguageText(TextKey::INPUT_PAGES_TEXT),
                              QLineEdit::Normal, QString::number(chart.DocumentPages()), &ok);
    if (ok) SetPageCountFromText(chart, answer);
  });
}

void TMainForm::ShowViewOptions() {
  const ProgramOptions& options = context_.Settings().Options();
  commands_.Action(CommandId::Rulers).setChecked(options.ShowRulersInWin);
  commands_.Action(CommandId::StatusLine).setChecked(options.ShowStatusInWin);
  commands_.Action(CommandId::ColorStrip).setChecked(options.ShowColorLineInWin);
  commands_.Action(CommandId::Search)
      .setShortcut(options.CtrlFOpensSearch ? QKeySequence(Qt::CTRL | Qt::Key_F) : QKeySequence());
}

void TMainForm::FollowViewOptions(const ProgramOptions& before) {
  ShowViewOptions();
  THolderForm* window = ActiveChartWindow();
  if (!window) return;
  const ProgramOptions& now = context_.Settings().Options();
  if (now.ShowRulersInWin != before.ShowRulersInWin) window->SetRulersVisible(now.ShowRulersInWin);
  if (now.ShowStatusInWin != before.ShowStatusInWin) window->SetStatusVisible(now.ShowStatusInWin);
  if (now.ShowColorLineInWin != before.ShowColorLineInWin) window->SetColorStripVisible(now.ShowColorLineInWin);
}

bool TMainForm::event(QEvent* event) {
  if (event->type() != QEvent::StatusTip) return QMainWindow::event(event);
  if (THolderForm* window = ActiveChartWindow()) window->ShowStatusHint(static_cast<QStatusTipEvent*>(event)->tip());
  return true;
}

void TMainForm::mAboutClick() {
  TAboutForm about(this, context_.Settings().LanguageFile());
  about.exec();
}

void TMainForm::AppShowHint(QString& hintText, const QWidget* control) const {
  const THolderForm* active = ActiveChartWindow();
  if (!context_.Settings().Options().ShowActiveSymbolHint || !active || control != active->bh) return;
  const TBlock* b = active->bh->Model().ActiveBlockPtr();
  if (!b) {
    hintText.clear();
    return;
  }
  const auto number = [](std::int64_t hundredths) { return QString::number(hundredths / 100); };
  hintText = LanguageText(TextKey::HINT_TEXT1) + u' ' + number(b->X) + QStringLiteral(", ") + number(b->Y) + u'\n' +
             LanguageText(TextKey::HINT_TEXT2) + u' ' + number(b->W) + QStringLiteral(" x ") + number(b->H) + u' ' +
             LanguageText(TextKey::DIMENSION_MM);
}

}  // namespace quobrix
