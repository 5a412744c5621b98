#include "view/CommandTable.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QPointer>

#include "chart/ChartClipboard.h"
#include "view/ActiveChart.h"
#include "view/ArmDrawing.h"
#include "view/PropertyPictures.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"
#include "view/ZoomLimits.h"

namespace quobrix {

namespace {

bool IsDrawingTool(CommandId id) {
  return id == CommandId::InsertSymbol || id == CommandId::InsertPolyline || id == CommandId::CancelInsert;
}

bool ActiveBlockMeets(Needs needs, const BlocksHolderModel& chart) {
  const TBlock* active = chart.ActiveBlockPtr();
  if (!active) return false;
  switch (needs) {
    case Needs::MultiSelection:
      return active->Compl == ckMultiSelection;
    case Needs::Group:
      return active->Compl == ckGroup;
    case Needs::Container:
      return active->BT == btSelection;
    case Needs::BelowTop:
      return chart.ActiveBlock() < chart.BlockCount();
    case Needs::AboveBottom:
      return chart.ActiveBlock() > 1;
    default:
      return true;
  }
}

}  // namespace

bool NeedsMet(Needs needs, const BlocksHolderModel* chart) {
  switch (needs) {
    case Needs::Nothing:
      return true;
    case Needs::Chart:
    case Needs::Fragment:  // the table knows the clipboard
      return chart;
    case Needs::UndoHistory:
      return chart && chart->History().CanUndo();
    case Needs::RedoHistory:
      return chart && chart->History().CanRedo();
    case Needs::ZoomOutRoom:
    case Needs::ZoomInRoom: {
      const int step = needs == Needs::ZoomOutRoom ? -kZoomStep : kZoomStep;
      return chart && SteppedZoom(chart->ZoomPercents(), step) != chart->ZoomPercents();
    }
    case Needs::ActiveBlock:
    case Needs::MultiSelection:
    case Needs::Group:
    case Needs::Container:
    case Needs::BelowTop:
    case Needs::AboveBottom:
      return chart && ActiveBlockMeets(needs, *chart);
  }
  return false;
}

int MenuTag(const QAction& action) { return action.data().toInt(); }

CommandTable::CommandTable(ActiveChart& active, ChartClipboard& clipboard)
    : active_(active), clipboard_(clipboard), drawingTools_(new QActionGroup(this)) {
  drawingTools_->setExclusive(true);
  for (const CommandSpec& row : CommandCatalogue()) {
    auto* action = new QAction(QString::fromUtf8(row.caption), this);
    action->setObjectName(QString::fromLatin1(row.name));
    action->setData(row.key.tag);
    action->setShortcuts(row.shortcuts);
    action->setCheckable(row.checkable);
    action->setVisible(!row.hidden);
    action->setEnabled(false);
    if (const auto picture = CommandPicture(row.key)) action->setIcon(*picture);
    connect(action, &QAction::triggered, this, [this, key = row.key] { Run(key); });
    if (IsDrawingTool(row.key.id)) drawingTools_->addAction(action);
    items_.emplace(row.key, Item{action, row.needs});
  }
  connect(&active_, &ActiveChart::Changed, this, &CommandTable::Refresh);
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &CommandTable::FollowClipboard);
    FollowClipboard();
  }
}

// The clipboard is read once per change, not on every refresh: another
// program's clipboard answers only through the display server.
void CommandTable::FollowClipboard() {
  const auto text = clipboard_.Fragment();
  fragmentOnClipboard_ = text && IsFragmentText(*text);
  Refresh();
}

CommandTable::~CommandTable() = default;

QAction& CommandTable::Action(CommandId id, int tag) const { return *items_.at({id, tag}).action; }

std::vector<QAction*> CommandTable::Items(CommandId id) const {
  std::vector<QAction*> items;
  for (const CommandSpec& row : CommandCatalogue())
    if (row.key.id == id) items.push_back(items_.at(row.key).action);
  return items;
}

void CommandTable::Bind(CommandId id, Handler run) {
  handlers_[id] = std::move(run);
  Refresh();
}

void CommandTable::BindChart(CommandId id, ChartHandler run) {
  Bind(id, [this, run = std::move(run)](QAction& item) {
    if (THolderForm* window = active_.Window()) run(*window, item);
  });
}

void CommandTable::Unbind(CommandId id) {
  handlers_.erase(id);
  Refresh();
}

bool CommandTable::CanRun(CommandKey key) const {
  const Needs needs = items_.at(key).needs;
  return handlers_.contains(key.id) && NeedsMet(needs, active_.Chart()) &&
         (needs != Needs::Fragment || fragmentOnClipboard_);
}

void CommandTable::Refresh() {
  for (auto& [key, item] : items_) item.action->setEnabled(CanRun(key));
  ShowArmedTool();
  emit Refreshed();
}

void CommandTable::ShowArmedTool() {
  const auto armed = items_.find(ArmedTool(active_.Chart()));
  (armed != items_.end() ? armed->second : items_.at({CommandId::CancelInsert})).action->setChecked(true);
}

void CommandTable::Run(CommandKey key) {
  const auto handler = handlers_.find(key.id);
  if (handler == handlers_.end()) return;
  // The handler may rebind or close windows: run a copy.
  const Handler run = handler->second;
  const QPointer<CommandTable> alive(this);
  run(*items_.at(key).action);
  if (alive) Refresh();
}

}  // namespace quobrix
