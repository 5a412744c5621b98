#include "app/SettingsFile.h"

#include <algorithm>
#include <functional>

#include "platform/ProfileFile.h"
#include "platform/ProgramFolders.h"

namespace quobrix {

namespace {

struct OptionKey {
  const char* name;
  std::function<void(const ProfileFile&, const QString& key, ProgramOptions&)> read;
  std::function<void(ProfileFile&, const QString& key, const ProgramOptions&)> write;
};

OptionKey Truth(const char* name, bool ProgramOptions::*option) {
  return {name,
          [option](const ProfileFile& file, const QString& key, ProgramOptions& options) {
            options.*option = file.ReadBool(kMainSection, key, options.*option);
          },
          [option](ProfileFile& file, const QString& key, const ProgramOptions& options) {
            file.WriteBool(kMainSection, key, options.*option);
          }};
}

// A whole number of at least 0; a negative one reads as 0.
OptionKey Count(const char* name, int ProgramOptions::*option) {
  return {name,
          [option](const ProfileFile& file, const QString& key, ProgramOptions& options) {
            options.*option = std::max(0, file.ReadInteger(kMainSection, key, options.*option));
          },
          [option](ProfileFile& file, const QString& key, const ProgramOptions& options) {
            file.WriteInteger(kMainSection, key, options.*option);
          }};
}

// In the order the file is written.
const std::vector<OptionKey>& OptionKeys() {
  static const std::vector<OptionKey> keys = {
      Truth("MDIMode", &ProgramOptions::MDIMode),
      Truth("ShowSplash", &ProgramOptions::ShowSplash),
      Truth("SaveWindowsPos", &ProgramOptions::SaveWindowsPos),
      Truth("CenterChartInWindow", &ProgramOptions::CenterChartInWindow),
      Truth("ShowActiveSymbolHint", &ProgramOptions::ShowActiveSymbolHint),
      Truth("ShowRulersInWin", &ProgramOptions::ShowRulersInWin),
      Truth("ShowStatusInWin", &ProgramOptions::ShowStatusInWin),
      Truth("ShowColorLineInWin", &ProgramOptions::ShowColorLineInWin),
      Truth("InspectorSaveMode", &ProgramOptions::InspectorSaveMode),
      Count("AutoSaveSeconds", &ProgramOptions::AutoSaveSeconds),
      Truth("WheelUpZoomsIn", &ProgramOptions::WheelUpZoomsIn),
      Truth("CtrlFOpensSearch", &ProgramOptions::CtrlFOpensSearch),
      Truth("SingleWindow", &ProgramOptions::SingleWindow),
      Truth("NewLinesWithArrow", &ProgramOptions::NewLinesWithArrow),
      Truth("RouteNewLines", &ProgramOptions::RouteNewLines),
  };
  return keys;
}

}  // namespace

QString SettingsFilePath() { return SettingsDir() + QStringLiteral("quobrix.ini"); }

ProgramOptions ReadOptions(const ProfileFile& file) {
  ProgramOptions options;
  options.Language = file.ReadString(kMainSection, kLanguageKey);
  for (const OptionKey& key : OptionKeys()) key.read(file, QString::fromLatin1(key.name), options);
  return options;
}

void WriteOptions(ProfileFile& file, const ProgramOptions& options) {
  for (const OptionKey& key : OptionKeys()) key.write(file, QString::fromLatin1(key.name), options);
}

QString LanguageForDesktop(const QString& desktopLanguage) {
  const QString language = desktopLanguage.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
  if (language == u"ru") return QStringLiteral("Русский");
  if (language == u"uk") return QStringLiteral("Украинский");
  return QStringLiteral("English");
}

}  // namespace quobrix
