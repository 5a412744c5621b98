// The search window: finds the blocks of the active chart whose text holds
// a piece of text, lists them and goes to the one chosen. The results stay
// tied to the blocks found: their numbers follow the chart's edits, a
// result whose block is deleted goes, and the list empties when the chart
// is replaced (undo, loading) or another chart window becomes the active
// one. Works without a chart window too, finding nothing.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "chart/ChartNotice.h"
#include "tools/ToolWindow.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quobrix {

class ActiveChart;
struct TBlock;

class TSearchForm : public ToolWindow {
  Q_OBJECT

 public:
  TSearchForm(QWidget& owner, CommandTable& commands, ToolWindowRegistry& registry);

  // What the search command does: shows the window, at first only its top
  // part with the prompt and the search field.
  void Toggle() override;

  QLabel* Label1 = nullptr;
  QLineEdit* edText = nullptr;
  QPushButton* bSearch = nullptr;
  QPushButton* bCancel = nullptr;
  QListWidget* List = nullptr;
  QPushButton* bGo = nullptr;
  QPushButton* bClose = nullptr;

  using BlockNumbers = std::unordered_map<const TBlock*, std::int64_t>;

  // Searches the active chart for edText's text; the last block found
  // becomes the active one.
  void bSearchClick();
  // Goes to the block of the selected result, when it is still there.
  void bGoClick();

  // The search window keeps no placement of its own.
  void LoadLayout(const ProfileFile&) override {}
  void SaveLayout(ProfileFile&) const override {}

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  void ShowResults(bool shown);
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
  std::vector<Result> results_;
};

}  // namespace quobrix
