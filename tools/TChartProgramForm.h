// The program the active chart draws, in Pascal or Python, written again
// after the chart's edits while the window shows. A line clicked
// selects the symbol it was read from; a chart without a structured program
// shows why instead and selects the symbol where its structure breaks.
#pragma once

#include <vector>

#include "chart/wizards/ChartFlow.h"
#include "tools/ToolWindow.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace quobrix {

class ActiveChart;
struct TBlock;

class TChartProgramForm : public ToolWindow {
  Q_OBJECT

 public:
  TChartProgramForm(QWidget& owner, CommandTable& commands, ToolWindowRegistry& registry);

  QLabel* LabelLanguage = nullptr;
  QComboBox* cbLanguage = nullptr;   // Pascal, Python
  QListWidget* lbProgram = nullptr;  // one row a line of the program
  QLabel* LabelFault = nullptr;      // why the chart has no program
  QPushButton* bClose = nullptr;

  void LoadLayout(const ProfileFile& settings) override;
  void SaveLayout(ProfileFile& settings) const override;

 protected:
  void setVisible(bool visible) override;
  void showEvent(QShowEvent* event) override;

 private:
  void PlaceUnderMainWindow();
  void Refresh();
  void ShowFault(const ChartFlowError& error);
  void lbProgramClick(int row);
  void Select(const TBlock* symbol);

  ActiveChart& active_;
  QTimer* pause_ = nullptr;             // from the last edit to writing the program anew
  std::vector<const TBlock*> symbols_;  // of each row
  const TBlock* faultShown_ = nullptr;  // the symbol the last refusal selected
  bool stale_ = true;                   // the chart changed while the window was hidden
  bool placed_ = false;                 // shown once, or placed by the settings
};

}  // namespace quobrix
