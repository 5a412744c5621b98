#include "view/ProgramSettings.h"

namespace quobrix {

void ProgramSettings::SetOptions(const ProgramOptions& options) {
  if (options == options_) return;
  const ProgramOptions before = std::exchange(options_, options);
  emit OptionsChanged(before);
}

void ProgramSettings::ChangeOptions(const std::function<void(ProgramOptions&)>& change) {
  ProgramOptions options = options_;
  change(options);
  SetOptions(options);
}

void ProgramSettings::SetLanguageFile(const QString& path) {
  if (path == languageFile_) return;
  languageFile_ = path;
  emit LanguageFileChanged();
}

}  // namespace quobrix
