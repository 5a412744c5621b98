// The property inspector: one tool window for all chart windows that shows
// the active block of the active chart window, row by row, and writes every
// change straight back through the chart's block editing commands. It holds
// no block data of its own; it follows the active chart and refills itself
// whenever the active block or its fields change, so it never shows a block
// of a chart that is gone.
#pragma once

#include <cstdint>
#include <optional>

#include "chart/BlockType.h"
#include "chart/ChartNotice.h"
#include "chart/EditKey.h"
#include "tools/ToolWindow.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;

namespace quobrix {

class AppContext;
class BlocksHolderModel;
class CodePageMemo;
class ColorBox;
class TBlocksHolder;
class THolderForm;

class TInspectorForm : public ToolWindow {
  Q_OBJECT

 public:
  TInspectorForm(QWidget& owner, CommandTable& commands, ToolWindowRegistry& registry, AppContext& context);
  ~TInspectorForm() override;

  QScrollArea* Scroll = nullptr;
  QWidget* Panel1 = nullptr;
  QWidget* Panel2 = nullptr;
  QWidget* Panel3 = nullptr;
  QWidget* Panel4 = nullptr;
  QWidget* Panel5 = nullptr;
  QWidget* Panel6 = nullptr;
  QWidget* Panel7 = nullptr;
  QWidget* Panel8 = nullptr;
  QWidget* Panel9 = nullptr;
  QWidget* Panel10 = nullptr;
  QWidget* PanelText = nullptr;
  QWidget* Panel12 = nullptr;
  QWidget* Panel13 = nullptr;
  QWidget* Panel14 = nullptr;
  QLineEdit* edPosX = nullptr;
  QLineEdit* edPosY = nullptr;
  QLineEdit* edW = nullptr;
  QLineEdit* edH = nullptr;
  ColorBox* cbMC = nullptr;
  QComboBox* cbFS = nullptr;
  ColorBox* cbBC = nullptr;
  QComboBox* cbBS = nullptr;
  QComboBox* cbBW = nullptr;
  QComboBox* cbLineArrows = nullptr;
  CodePageMemo* mText = nullptr;
  QPushButton* bFont = nullptr;
  ColorBox* cbTC = nullptr;
  QComboBox* cbTA = nullptr;
  QComboBox* cbTP = nullptr;
  QMenu* PopupMenu = nullptr;
  QAction* mStayOnTop = nullptr;
  QMenu* EditPopup = nullptr;

  // Refreshes from the active chart, then shows or hides the window.
  void Toggle() override;

  void LoadLayout(const ProfileFile& settings) override;
  void SaveLayout(ProfileFile& settings) const override;
  void setVisible(bool visible) override;

 signals:
  // The editors were filled from the chart again.
  void Refreshed();

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  AppContext& context_;
  void BuildLayout();
  QWidget* BuildRows();
  void BuildMenus();
  // The widths are written with the interface language's decimal separator.
  void NameWidths();
  void ConnectEditors();

  // The chart the window shows and edits: the active chart window's.
  BlocksHolderModel* Chart() const;
  const TBlock* ActiveBlock() const;
  void ChartNoticed(const ChartNotice& notice);

  // Refreshes when the active block, or anything of the chart, changed since
  // the editors were filled: one click, whatever it announces, fills them once.
  void Follow(bool focusText);
  // Fills the editors from the chart whatever they show.
  void Refresh(bool focusText);
  // Shows the active block, or what is left when there is none; `focusText`
  // gives the text its window's keyboard focus.
  void ShowActiveBlock(bool focusText);
  void PlaceAtTopRight();
  void Fill(const TBlock& block);
  void FillSizes(const TBlock& block);
  void FillWidth(const TBlock& block);
  void ShowFillColour(TColor colour);
  void SetEditorsEnabled(bool enabled);
  void Clear();

  // The editors' actions on the active block.
  void ApplyMillimetres(QLineEdit& edit);
  void ApplyText();
  void ApplyFont();
  void ApplyTextColor(TColor color);
  // Runs a change of the chart made here; the chart's notices about it do
  // not refill the editors.
  template <class Change>
  void Apply(Change change);

  // The next keystroke in the text starts a new stretch of typing.
  void EndTyping();

  // What the editors were filled from, and whether the chart changed since.
  struct Shown {
    const BlocksHolderModel* chart = nullptr;
    const TBlock* block = nullptr;
    bool operator==(const Shown&) const = default;
  };
  Shown shown_;
  // The colour the fill style pictures show.
  std::optional<TColor> fillStyleColour_;
  bool stale_ = true;
  bool filling_ = false;
  bool applying_ = false;
  // Ties the keystrokes of one stretch of typing into one undo point.
  EditKey typingKey_;
  bool placed_ = false;
  QWidget* editPopupTarget_ = nullptr;
};

}  // namespace quobrix
