#pragma once

#include <QString>
#include <functional>

namespace quobrix {

// The display form of a path that fits `maxWidth` as measured by `textWidth`
// where it can: folders are replaced by "..." from the first one on, a drive
// letter is kept as long as possible, and the file name is always kept.
// Works on "/" paths and on "\" paths.
QString ShortenPath(const QString& path, const std::function<int(const QString&)>& textWidth, int maxWidth);

}  // namespace quobrix
