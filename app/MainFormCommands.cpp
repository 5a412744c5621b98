// The main window's view and edit commands on the active chart window, and
// the hint over its canvas.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "app/LanguageTable.h"
#include "app/TMainForm.h"
#include "view/ArmDrawing.h"
#include "view/MenuBuilder.h"
#include "view/ProgramWide.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

namespace quobrix {

namespace {

bool Checked(const TMainForm& form, const char* name) { return form.Command(QString::fromLatin1(name))->isChecked(); }

void StepZoom(THolderForm& w, int step) {
  auto& m = w.bh->Model();
  if (step < 0 && m.ZoomPercents() <= 10) return;
  if (step > 0 && m.ZoomPercents() >= 1000) return;
  m.SetZoomPercents(m.ZoomPercents() + step);
  w.UpdateZoomDisplay();
}

}  // namespace

void TMainForm::ConnectViewCommands() {
  Connect("mRulers", [](TMainForm& f) {
    Options().ShowRulersInWin = Checked(f, "mRulers");
    if (f.ActiveChartWindow()) f.ActiveChartWindow()->SetRulersVisible(Options().ShowRulersInWin);
  });
  Connect("mStatus", [](TMainForm& f) {
    Options().ShowStatusInWin = Checked(f, "mStatus");
    if (f.ActiveChartWindow()) f.ActiveChartWindow()->SetStatusVisible(Options().ShowStatusInWin);
  });
  Connect("mColor", [](TMainForm& f) {
    Options().ShowColorLineInWin = Checked(f, "mColor");
    if (f.ActiveChartWindow()) f.ActiveChartWindow()->SetColorStripVisible(Options().ShowColorLineInWin);
  });
  for (QAction* zoom : menuBar()->findChild<QMenu*>(QStringLiteral("mZoom"))->actions()) {
    ConnectActive(zoom->objectName().toLatin1().constData(), [zoom](THolderForm& w) {
      w.bh->Model().SetZoomPercents(MenuTag(*zoom));
      w.UpdateZoomDisplay();
    });
  }
  ConnectActive("mPosGrid", [](THolderForm& w) {
    w.bh->FUseGrid = !w.bh->FUseGrid;
    w.bh->update();
    w.bGrid->setChecked(w.bh->FUseGrid);
  });
  ConnectActive("mShowGrid", [](THolderForm& w) {
    w.bh->FShowGrid = !w.bh->FShowGrid;
    w.bh->update();
  });
  Connect("mStayOnTop", [](TMainForm& f) {
    f.setWindowFlag(Qt::WindowStaysOnTopHint, Checked(f, "mStayOnTop"));
    f.show();
  });
}

void TMainForm::ConnectZoomButtons() {
  auto* minus = findChild<QAction*>(QStringLiteral("tbZoomMinus"));
  auto* plus = findChild<QAction*>(QStringLiteral("tbZoomPlus"));
  connect(minus, &QAction::triggered, this, [this] {
    if (activeChart_) StepZoom(*activeChart_, -10);
  });
  connect(plus, &QAction::triggered, this, [this] {
    if (activeChart_) StepZoom(*activeChart_, 10);
  });
}

void TMainForm::ConnectEditCommands() {
  auto model = [](THolderForm& w) -> BlocksHolderModel& { return w.bh->Model(); };
  ConnectActive("mUndo", [=](THolderForm& w) { model(w).Undo(); });
  ConnectActive("mCut", [=](THolderForm& w) { model(w).CutToClipboard(); });
  ConnectActive("mCopy", [=](THolderForm& w) { model(w).CopyToClipboard(); });
  ConnectActive("mPaste", [=](THolderForm& w) { model(w).PasteFromClipboard(); });
  ConnectActive("mDelete", [=](THolderForm& w) {
    model(w).RecordUndoPoint();
    model(w).DeleteActiveBlock(true);
  });
  ConnectActive("mGroup", [=](THolderForm& w) { model(w).GroupSelection(); });
  ConnectActive("mUngroup", [=](THolderForm& w) { model(w).UngroupBlock(); });
  ConnectActive("mBringToFront", [=](THolderForm& w) { model(w).BringToFront(model(w).ActiveBlock()); });
  ConnectActive("mSendToBack", [=](THolderForm& w) { model(w).SendToBack(model(w).ActiveBlock()); });
  ConnectActive("mMLine", [=](THolderForm& w) {
    model(w).RecordUndoPoint();
    model(w).SetDrawingMLineByHand(true);
  });
  std::vector<QAction*> inserts = {Command(QStringLiteral("mLine")), Command(QStringLiteral("mNewTextField"))};
  for (QAction* symbol : menuBar()->findChild<QMenu*>(QStringLiteral("mNewSymbol"))->actions())
    if (!symbol->isSeparator()) inserts.push_back(symbol);
  for (QAction* insert : inserts)
    ConnectActive(insert->objectName().toLatin1().constData(),
                  [=](THolderForm& w) { InsertSymbol(model(w), MenuTag(*insert)); });
  for (const char* align : {"mAlignLeft", "mAlignRight", "mAlignTop", "mAlignBottom"}) {
    const int kind = MenuTag(*Command(QString::fromLatin1(align)));
    ConnectActive(align, [=](THolderForm& w) { model(w).AlignSelection(kind); });
  }
  ConnectActive("mAlsoAlignLines",
                [this, model](THolderForm& w) { model(w).FAlignLines = Checked(*this, "mAlsoAlignLines"); });
}

void TMainForm::AppShowHint(QString& hintText, const QWidget* control) const {
  if (!Options().ShowActiveSymbolHint || !activeChart_ || control != activeChart_->bh) return;
  const TBlock* b = activeChart_->bh->Model().ActiveBlockPtr();
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
