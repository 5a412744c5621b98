// What the recovery list shows of an autosave copy besides its chart's name
// and the time: how many blocks it holds and a small picture of its first
// page, so charts of the same name can be told apart.
#pragma once

#include <QImage>
#include <cstdint>
#include <string>

namespace quobrix {

struct CopyPreview {
  bool readable = false;
  std::int64_t blocks = 0;
  QImage picture;  // the first page fitted into a square of the side asked for
};

// Reads the copy; not readable when it is no chart file or memory ran out.
CopyPreview PreviewOfCopy(const std::string& copyPath, int side);

}  // namespace quobrix
