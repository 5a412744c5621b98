// The main window: a small tool-bar window with the main menu. It owns
// program start and shut-down, the commands that create, open, save and
// close charts, the recent-files menu and the active chart window. Every
// chart lives in a top-level THolderForm of its own.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "chart/ChartFileReader.h"

#include "tools/ToolWindowLayout.h"
#include "view/ActiveChart.h"
#include "view/AppContext.h"
#include "view/ChartWindowHost.h"
#include "view/CommandTable.h"
#include "view/THolderForm.h"

class QFileDialog;
class QMenu;
class QToolBar;

namespace quobrix {

class AutoSave;
class ChartFileWatch;
class ProfileFile;
struct ChartReadReport;
struct RecoveredChart;
class TDebugForm;
class THelpForm;
class TInspectorForm;
class TLibraryForm;
class TSettingsForm;
class TUserLibForm;
class SettingsKeeper;
class SingleWindowWorkspace;
class WizardDialog;

class TMainForm : public QMainWindow, public ChartWindowHost {
  Q_OBJECT

 public:
  // `commandLine` holds the program's arguments; the first names a chart to
  // open at the first showing.
  explicit TMainForm(AppContext& context, QStringList commandLine = {});

  AppContext& Context() const { return context_; }

  // Chart windows made from now on send their canvas's diagnostic texts there.
  void SetDebugForm(TDebugForm* debug) { debug_ = debug; }
  ~TMainForm() override;

  // ----- documents
  THolderForm* ActiveChartWindow() const { return active_.Window(); }
  // Open chart windows, oldest first.
  std::vector<THolderForm*> ChartWindows() const;
  bool CloseCancelled = false;

  THolderForm* CreateNewSheme();
  void mNewFromTemplateClick();
  void Open();
  // The open sequence: a new chart window with the file, or an error message.
  // A file of kBackgroundReadFrom bytes or more is read on a thread of its
  // own: its window shows at once, with the reading's progress, and closes
  // again when the reading fails or the user stops it.
  THolderForm* OpenChart(const QString& path, bool applyPlacement = true);
  static constexpr std::int64_t kBackgroundReadFrom = std::int64_t{8} << 20;
  void SetBackgroundReadFrom(std::int64_t bytes) { backgroundReadFrom_ = bytes; }
  void mOpenHistoryClick(QAction& entry);
  bool Save();
  bool SaveAs();
  void SaveAll();
  void CloseSheme();
  void CloseAll();
  void AppExit();
  void ApplyChartPlacement(THolderForm& window);
  // Opens the first dropped file when it is a chart.
  void DropFiles(const QStringList& paths);

  // ----- autosave and recovery (MainFormRecovery.cpp)
  AutoSave& AutoSaver() { return *autoSave_; }
  // Offers the charts that programs which ended without cleaning up had not
  // saved; called once the program has started.
  void OfferRecoveredCharts();
  // Opens an autosave copy as a chart with unsaved changes that saves to
  // the chart's own file; false, with a message, when it cannot be read.
  bool RestoreChart(const RecoveredChart& chart);
  // Removes what killed saves left beside the settings, the user library and
  // the recent charts, and names in one message the folders undo, autosave
  // or the user library cannot write to; called once the program has started.
  void CheckFoldersAtStart();
  // The program is told to stop (the desktop session ends, the terminal
  // goes): no question is asked. The unsaved charts keep their copies for
  // the next start, the settings and the user library are written as at
  // every end, and the program leaves its event loop with status 0.
  void EndSession();

  // ----- wizards
  void mWizard1Click();
  void mWizard2Click();
  void mWizard3Click();
  void mWizard4Click();
  void mWizard5Click();
  // Shows the wizard's dialog in the current language under its command's
  // caption; on "Готово" opens its chart.
  void RunWizard(WizardDialog& dialog, CommandId command);
  // A new "Untitled" chart window holding the template, when its path names
  // a file, and then what `build` appends. A failure on the way keeps what
  // was built and tells the user so.
  THolderForm* CreateWizardChart(const QString& templatePath, const std::function<void(BlocksHolderModel&)>& build);

  // ----- recent files
  QMenu* mOpenHistory = nullptr;
  void AddRecentFile(const QString& path) override;
  QMenu& RecentFilesMenu() override { return *mOpenHistory; }
  QStringList RecentFiles() const;

  // The hint over a canvas: the active symbol's position and size.
  void AppShowHint(QString& hintText, const QWidget* control) const;

  // ----- dialogs, kept between uses like the designed ones
  QFileDialog* OpenDialog = nullptr;
  QFileDialog* SaveDialog = nullptr;

  // ----- tool windows: created at start and kept for the run; each keeps
  // its placement keys through this registry, which the window layout reads
  // and writes.
  ToolWindowRegistry& ToolWindows() { return toolWindows_; }
  TInspectorForm* Inspector() const { return inspector_; }
  TLibraryForm* LibraryForm() const { return library_; }
  TUserLibForm* UserLibForm() const { return userLib_; }

  // The program's title: the language's name for it and the version.
  static QString ProgramTitle();

  // ----- settings file and window layout (quobrix.ini)
  // Reads the options and takes charge of the file; a first start takes
  // the language from the desktop.
  bool LoadSettings();
  // Places the main window, the start-up chart and the tool windows as they
  // were, and fills the recent-files list.
  bool LoadWindowLayout();
  // Writes the options, the recent files and the window layout where they
  // changed since the last write; the first failure of a run is told.
  bool SaveSettings();
  TSettingsForm& SettingsForm() const { return *settingsForm_; }
  // Makes the named language the interface language of every window.
  void UseLanguage(const QString& languageName);

  // ----- ChartWindowHost
  CommandTable& Commands() override { return commands_; }
  bool SaveChart(THolderForm& window) override;
  void ChartWindowActivated(THolderForm& window) override;
  void ChartWindowClosed(THolderForm& window) override;
  QString ActiveSymbolHint(const TBlocksHolder& canvas, const QString& platformHint) const override;
  void BringMainWindowToFront() override;
  QString MainCaption() const override;
  QString SavePromptText(const THolderForm& window) const override;
  QString MillimetreText() const override;

 protected:
  // The main window has no status line of its own: the hints of its menu
  // items and buttons show in the active chart window's.
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void FormCreate();
  // Sizes the window to show every menu and tool button in the interface language.
  void FitToCaptions();
  void CreateToolWindows();
  void FormShow();
  // Reads the user library; one that cannot be read is named, and its
  // backup copy offered.
  void LoadUserLibrary();
  void LoadRecentFiles(const ProfileFile& settings);
  void SaveRecentFiles(ProfileFile& settings) const;
  void WriteSettings(ProfileFile& settings) const;
  // From the start on, applied options reach the file at once and the rest
  // within seconds.
  void KeepSettingsUpToDate();
  void LoadChartPlacement(const ProfileFile& settings);
  // The main window and the long-lived windows it owns.
  std::vector<QWidget*> OwnWindows();
  void KeepToolWindowsReachable();
  void mAboutClick();
  // Makes the desktop open chart files with this program.
  void mRegisterFileTypeClick();
  void OpenStartupChart();
  void PlaceStartupChart();
  THolderForm* NewChartWindow();
  // Gives the window's chart the first "Untitled" number no other open chart
  // never saved goes by.
  void NumberUntitledChart(THolderForm& window);
  void ShowChartWindow(THolderForm& window, bool applyPlacement);
  // True when the chart itself was saved; a picture chosen in the dialog is
  // exported and leaves the chart as unsaved as it was.
  bool SaveAs(THolderForm& window);
  bool SaveChartAs(THolderForm& window, const QString& path);
  bool ConfirmReplacingDamagedOriginal();
  bool WriteChart(THolderForm& window, const QString& path);
  // The save of a chart whose file another program changed since this chart
  // last read or saved it: overwrite, save under another name, read the
  // file again (the chart as it was stays an undo away) or cancel.
  bool SaveOverChangedFile(THolderForm& window);
  // Offers to read the window's file again; for a chart without unsaved changes.
  void OfferReload(THolderForm& window);
  void ReloadChart(THolderForm& window);
  THolderForm* OpenChartInBackground(const QString& path, bool applyPlacement);
  void TakeBackgroundRead(THolderForm& window, const QString& path, std::optional<ChartFileContents> read,
                          FileStamp stamp, bool applyPlacement);
  // The message for a chart that could not be opened; `loaded` is nothing when memory ran out.
  QString OpenFailureText(std::optional<bool> loaded, const ChartReadReport& report) const;
  // Closes the window of a chart that could not be opened, saving nothing of it.
  void DropOpeningWindow(THolderForm& window);
  void ApplyPlacementZoom(THolderForm& window);
  // The single-window workspace, when the option asks for it.
  void MakeWorkspace();
  // Tells the user when damage cut the reading of the window's file short.
  void ReportDamage(THolderForm& window, const ChartReadReport& report);
  void ExportPicture(THolderForm& window, const QString& path);
  void ShowError(const QString& text);

  void BuildMainMenu1();
  void BuildToolBars();
  void BindDocumentCommands();
  void BindViewCommands();
  void BindDialogCommands();
  void BindWizardCommands();
  void BindPageCountCommand();
  void BindHelpCommands();
  void CreateHelpWindow();
  // The view switches show the options, whoever changed them, and the
  // active chart window takes a changed one.
  void ShowViewOptions();
  void FollowViewOptions(const ProgramOptions& before);
  void TranslateChartWindows();
  // The save command's picture shows whether the active chart has unsaved changes.
  void FollowUnsavedChanges();

  AppContext& context_;
  QStringList commandLine_;
  TDebugForm* debug_ = nullptr;
  ActiveChart active_;
  CommandTable commands_{active_, context_.Clipboard()};
  ToolWindowRegistry toolWindows_;
  TInspectorForm* inspector_ = nullptr;
  TSettingsForm* settingsForm_ = nullptr;
  TLibraryForm* library_ = nullptr;
  TUserLibForm* userLib_ = nullptr;
  THelpForm* help_ = nullptr;
  std::unique_ptr<AutoSave> autoSave_;
  SettingsKeeper* settingsKeeper_ = nullptr;
  std::unique_ptr<ChartFileWatch> fileWatch_;
  // Only while the chart windows are tabs of this window.
  SingleWindowWorkspace* workspace_ = nullptr;
  std::vector<QPointer<THolderForm>> charts_;
  std::int64_t backgroundReadFrom_ = kBackgroundReadFrom;
  bool shown_ = false;
};

}  // namespace quobrix
