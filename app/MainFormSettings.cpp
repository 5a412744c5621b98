// The settings file at start, while the program runs and at the end: the
// options, the recent files and where every window was; the settings dialog
// and the interface language.
#include <QAction>
#include <QLocale>

#include "app/LoadLanguage.h"
#include "app/QtTranslations.h"
#include "app/ReachableWindow.h"
#include "app/SettingsFile.h"
#include "app/SettingsKeeper.h"
#include "app/SingleWindowWorkspace.h"
#include "app/TMainForm.h"
#include "app/TSettingsForm.h"
#include "platform/LanguageTable.h"
#include "platform/ProfileFile.h"
#include "platform/ProgramFolders.h"
#include "platform/WindowPlacement.h"
#include "tools/ToolWindow.h"
#include "view/AppContext.h"
#include "view/THolderForm.h"
#include "view/ZoomLimits.h"

namespace quobrix {

namespace {

constexpr int kRecentKeys = 10;
// How often the window layout and the recent files are compared with what
// the settings file was last given.
constexpr int kSettingsCheckMs = 5000;
constexpr int kSmallestChartSide = 100;
// Where new chart windows go when no chart window is open to take it from.
constexpr ChartPlacement kChartPlacementWithoutChart{20, 20, 500, 500, 100};

QString RecentKey(int index) { return QStringLiteral("Recent") + QString::number(index); }

QString Key(const char* name) { return QString::fromLatin1(name); }

}  // namespace

bool TMainForm::LoadSettings() {
  const QString path = SettingsFilePath();
  const ProfileFile file(path);
  ProgramOptions options = ReadOptions(file);
  // A first start speaks the desktop's language, and remembers it.
  if (!file.Find(kMainSection, kLanguageKey)) {
    options.Language = LanguageForDesktop(QLocale::system().uiLanguages().value(0));
    ProfileFile::WriteValue(path, kMainSection, kLanguageKey, options.Language);
  }
  context_.Settings().SetOptions(options);
  settingsKeeper_ = new SettingsKeeper(
      path, [this](ProfileFile& settings) { WriteSettings(settings); },
      [this, path] { ShowError(LanguageText(TextKey::SETTINGS_SAVE_ERROR_MSG).arg(path)); }, this);
  return true;
}

bool TMainForm::LoadWindowLayout() {
  const ProfileFile file(SettingsFilePath());
  move(ReadWindowPlacement(file, Key("Main"), QRect(pos(), size())).topLeft());
  KeepReachable(*this);
  LoadRecentFiles(file);
  if (context_.Settings().Options().SaveWindowsPos) {
    LoadChartPlacement(file);
    toolWindows_.LoadLayouts(file);
  } else {
    // Without the stored layout every tool window takes its start-up defaults.
    toolWindows_.LoadLayouts(ProfileFile(QString()));
  }
  if (workspace_) workspace_->LoadLayout(context_.Settings().Options().SaveWindowsPos ? file : ProfileFile(QString()));
  KeepToolWindowsReachable();
  return true;
}

void TMainForm::LoadRecentFiles(const ProfileFile& settings) {
  for (int i = 0; i < kRecentKeys; ++i) {
    const QString path = settings.ReadString(kRecentSection, RecentKey(i));
    if (path.isEmpty()) return;
    AddRecentFile(path);
  }
}

// The active chart window keeps what the file does not say.
void TMainForm::LoadChartPlacement(const ProfileFile& settings) {
  THolderForm* chart = ActiveChartWindow();
  if (!chart) {
    context_.Settings().SetLastChartPlacement(kChartPlacementWithoutChart);
    return;
  }
  const QRect frame = ReadWindowPlacement(settings, Key("Chart"), QRect(chart->pos(), chart->size()),
                                          QSize(kSmallestChartSide, kSmallestChartSide));
  const int zoom = settings.ReadInteger(kWinPosSection, Key("ChartZoom"), 100);
  context_.Settings().SetLastChartPlacement(
      {frame.x(), frame.y(), frame.width(), frame.height(), std::clamp(zoom, kSmallestZoom, kLargestZoom)});
  ApplyChartPlacement(*chart);
  chart->UpdateZoomDisplay();
}

void TMainForm::KeepToolWindowsReachable() {
  for (ToolWindow* window : findChildren<ToolWindow*>(Qt::FindDirectChildrenOnly)) KeepReachable(*window);
}

bool TMainForm::SaveSettings() { return settingsKeeper_->Keep(); }

void TMainForm::KeepSettingsUpToDate() {
  connect(&context_.Settings(), &ProgramSettings::OptionsChanged, settingsKeeper_, &SettingsKeeper::Keep);
  settingsKeeper_->KeepEvery(kSettingsCheckMs);
}

void TMainForm::WriteSettings(ProfileFile& file) const {
  WriteOptions(file, context_.Settings().Options());
  // Written by the settings dialog too; here a file that refuses it is told of.
  file.WriteString(kMainSection, kLanguageKey, context_.Settings().Options().Language);
  SaveRecentFiles(file);
  file.WriteInteger(kWinPosSection, Key("MainX"), x());
  file.WriteInteger(kWinPosSection, Key("MainY"), y());
  const ChartPlacement& chart = context_.Settings().LastChartPlacement();
  file.WriteInteger(kWinPosSection, Key("ChartX"), chart.Left);
  file.WriteInteger(kWinPosSection, Key("ChartY"), chart.Top);
  file.WriteInteger(kWinPosSection, Key("ChartW"), chart.Width);
  file.WriteInteger(kWinPosSection, Key("ChartH"), chart.Height);
  file.WriteInteger(kWinPosSection, Key("ChartZoom"), chart.Zoom);
  toolWindows_.SaveLayouts(file);
  if (workspace_) workspace_->SaveLayout(file);
}

// Keys beyond the list go, or entries the user's list dropped would come
// back at the next start. A path no settings line can hold is left out.
void TMainForm::SaveRecentFiles(ProfileFile& settings) const {
  int count = 0;
  for (const QString& path : RecentFiles())
    if (settings.WriteString(kRecentSection, RecentKey(count), path)) ++count;
  for (int i = count; i < kRecentKeys; ++i) settings.DeleteKey(kRecentSection, RecentKey(i));
}

// ----- the settings dialog and the interface language

void TMainForm::BindDialogCommands() {
  settingsForm_ = new TSettingsForm(*this, context_.Settings(), commands_.Action(CommandId::EditSettings),
                                    [this](const QString& language) { UseLanguage(language); });
  commands_.Bind(CommandId::EditSettings, [this](QAction&) { settingsForm_->Execute(); });
  commands_.Bind(CommandId::About, [this](QAction&) { mAboutClick(); });
}

void TMainForm::UseLanguage(const QString& languageName) {
  QString languageFile = languageName;
  LoadLanguage(languageFile, ResourceDir(), OwnWindows(), {});
  // A name that was refused leaves the built-in texts, which are Russian.
  UseQtTranslations(languageFile.isEmpty() ? QString() : languageName);
  context_.Settings().SetLanguageFile(languageFile);
  setWindowTitle(ProgramTitle());
  FitToCaptions();
}

std::vector<QWidget*> TMainForm::OwnWindows() {
  std::vector<QWidget*> windows{this};
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (child->isWindow() && QByteArray(child->metaObject()->className()).startsWith("quobrix::T"))
      windows.push_back(child);
  // Docked tool windows are no windows of their own.
  if (workspace_)
    for (ToolWindow* docked : findChildren<ToolWindow*>())
      if (!docked->isWindow()) windows.push_back(docked);
  return windows;
}

}  // namespace quobrix
