#include "app/SettingsKeeper.h"

#include <utility>

#include "platform/ProfileFile.h"

namespace quobrix {

SettingsKeeper::SettingsKeeper(QString path, std::function<void(ProfileFile&)> fill, std::function<void()> tellFailure,
                               QObject* parent)
    : QObject(parent), path_(std::move(path)), fill_(std::move(fill)), tellFailure_(std::move(tellFailure)) {
  connect(&timer_, &QTimer::timeout, this, &SettingsKeeper::Keep);
}

bool SettingsKeeper::Keep() {
  ProfileFile alone{QString()};
  fill_(alone);
  const QByteArray settings = alone.Bytes();
  if (settings == written_) return true;
  // The file may hold keys and lines of others; only ours change.
  ProfileFile file(path_);
  fill_(file);
  if (file.Save()) {
    written_ = settings;
    return true;
  }
  if (!told_) {
    told_ = true;
    tellFailure_();
  }
  return false;
}

void SettingsKeeper::KeepEvery(int intervalMs) { timer_.start(intervalMs); }

}  // namespace quobrix
