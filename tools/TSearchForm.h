// The search window: finds the blocks of the active chart whose text holds
// a piece of text, lists them and goes to the one chosen. The results stay
// tied to the blocks found: their numbers follow the chart's edits, a
// result whose block is deleted goes, and the list empties when the chart
// is replaced (undo, loading) or another chart window becomes the active
// one. Works without a chart window too, finding nothing. Its replacing part,
// opened by the replace command, sets how the text is matched and replaces
// it in the active block or in every block, of the active chart or of every
// open chart; a replacement of all is one undo point of each chart.
#pragma once

#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

#include "chart/ChartNotice.h"
#include "tools/ToolWindow.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quobrix {

class ActiveChart;
class BlocksHolderModel;
class TextReplacer;
struct TextReplaceRule;
struct TBlock;

class TSearchForm : public ToolWindow {
  Q_OBJECT

 public:
  // The charts of every open chart window.
  using OpenCharts = std::function<std::vector<BlocksHolderModel*>()>;
  TSearchForm(QWidget& owner, CommandTable& commands, ToolWindowRegistry& registry, OpenCharts openCharts);
  ~TSearchForm() override;

  // What the search command does: shows the window, at first only its top
  // part with the prompt and the search field.
  void Toggle() override;
  // What the replace command does: shows the window with its replacing part.
  void ShowReplace();

  QLabel* Label1 = nullptr;
  QLineEdit* edText = nullptr;
  QPushButton* bSearch = nullptr;
  QPushButton* bCancel = nullptr;
  QListWidget* List = nullptr;
  QPushButton* bGo = nullptr;
  QPushButton* bClose = nullptr;
  QWidget* ReplacePanel = nullptr;
  QLabel* LabelReplace = nullptr;
  QLineEdit* edReplace = nullptr;
  QCheckBox* cbWholeWord = nullptr;
  QCheckBox* cbMatchCase = nullptr;
  QCheckBox* cbRegExp = nullptr;
  QCheckBox* cbAllCharts = nullptr;
  QPushButton* bReplace = nullptr;
  QPushButton* bReplaceAll = nullptr;

  using BlockNumbers = std::unordered_map<const TBlock*, std::int64_t>;

  // Searches the active chart for edText's text; the last block found
  // becomes the active one.
  void bSearchClick();
  // Goes to the block of the selected result, when it is still there.
  void bGoClick();
  // Replaces the text of the active block when it matches, then goes to the
  // next block that matches.
  void bReplaceClick();
  // Replaces every match of the charts in scope, or none when a replaced
  // text could not be held; the active chart's replaced blocks are listed.
  void bReplaceAllClick();

  // The search window keeps no placement of its own.
  void LoadLayout(const ProfileFile&) override {}
  void SaveLayout(ProfileFile&) const override {}

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  void BuildReplacePanel();
  void ShowResults(bool shown);
  // Places the list and sizes the window for the parts shown.
  void Arrange();
  // How the text is matched: searching alone finds the piece as typed.
  TextReplaceRule Rule() const;
  // False, after saying why, for an expression that does not parse.
  bool Usable(const TextReplacer& replacer);
  void SayNotFound();
  void SayNotInCodePage();
  // Lists the blocks found and makes `current` the active one.
  void ShowFound(BlocksHolderModel& chart, const std::vector<std::int64_t>& found, std::int64_t current);
  std::vector<BlocksHolderModel*> ChartsInScope() const;
  void FollowNotice(const ChartNotice& notice);
  void ClearResults();
  // Rewrites every line with its block's current number and text.
  void ListResults(const BlockNumbers& numbers);
  // F3: the next result, from the last back to the first.
  void GoToNextResult();

  struct Result {
    const TBlock* block;
    // A multi-selection found by its text: the operation that dissolves it
    // may place a new block at its address before the deletion is announced.
    bool selection;
  };

  ActiveChart& active_;
  OpenCharts openCharts_;
  bool replacing_ = false;
  bool resultsShown_ = false;
  std::vector<Result> results_;
};

}  // namespace quobrix
