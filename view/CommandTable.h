// One action per command item, shared by the main menu, every chart window's
// menu bar and context menu, and the tool bars, so a command has one caption,
// one shortcut, one enabled state and one handler wherever it is shown.
//
// A command is enabled when it has a handler and what it needs (CommandId.h)
// is there; the table re-evaluates this, and which drawing tool is checked,
// whenever the active chart window changes or announces a change of its
// chart, and after every command.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <functional>
#include <map>
#include <vector>

#include "view/CommandId.h"

class QAction;
class QActionGroup;

namespace quobrix {

class ActiveChart;
class BlocksHolderModel;
class ChartClipboard;
class THolderForm;

// How a command item looks before translation.
struct CommandSpec {
  CommandKey key;
  const char* name;     // the component name: objectName and language-file key
  const char* caption;  // UTF-8
  Needs needs = Needs::Nothing;
  QList<QKeySequence> shortcuts = {};
  bool checkable = false;
  bool hidden = false;
};

// Every command item of the program, in menu order within each tagged command.
const std::vector<CommandSpec>& CommandCatalogue();

// Whether `chart` (the active window's chart, or null) offers what a command
// needs; the clipboard's part of Needs::Fragment is the table's.
bool NeedsMet(Needs needs, const BlocksHolderModel* chart);

// The tag an item of a tagged command stands for.
int MenuTag(const QAction& action);

class CommandTable : public QObject {
  Q_OBJECT

 public:
  using Handler = std::function<void(QAction& item)>;
  using ChartHandler = std::function<void(THolderForm& window, QAction& item)>;

  // Paste follows what `clipboard` holds.
  CommandTable(ActiveChart& active, ChartClipboard& clipboard);
  ~CommandTable() override;

  ActiveChart& Active() const { return active_; }

  QAction& Action(CommandId id, int tag = 0) const;
  // Every item of a tagged command, in catalogue order.
  std::vector<QAction*> Items(CommandId id) const;

  // What triggering each item of the command does; replaces an earlier handler.
  void Bind(CommandId id, Handler run);
  // The same, for a command that acts on the active chart window: it runs
  // only while there is one.
  void BindChart(CommandId id, ChartHandler run);
  // Takes the handler away; the command is disabled again.
  void Unbind(CommandId id);

  // Whether the command has a handler and what it needs is there. Unlike
  // the action's enabled state this holds for hidden items too.
  bool CanRun(CommandKey key) const;

  // Enables every command that can run and checks the armed drawing tool.
  void Refresh();

 signals:
  void Refreshed();

 private:
  struct Item {
    QAction* action;
    Needs needs;
  };

  void Run(CommandKey key);
  void FollowClipboard();
  void ShowArmedTool();

  ActiveChart& active_;
  ChartClipboard& clipboard_;
  // The drawing tools, of which one is always checked.
  QActionGroup* drawingTools_;
  std::map<CommandKey, Item> items_;
  std::map<CommandId, Handler> handlers_;
  bool fragmentOnClipboard_ = false;
};

}  // namespace quobrix
