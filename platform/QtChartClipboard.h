// The system clipboard for cut, copy and paste of chart blocks: the
// fragment text under a private MIME type, the bitmap as an image (also as
// PNG), and the metafile under the types office programs paste as vector
// pictures.
#pragma once

#include <QImage>
#include <QMimeData>
#include <memory>

#include "chart/ChartClipboard.h"

namespace quobrix {

inline constexpr char kFragmentMimeType[] = "application/x-quobrix-fragment";
inline constexpr char kPngMimeType[] = "image/png";
inline constexpr const char* kEmfMimeTypes[] = {"application/x-openoffice-emf;windows_formatname=\"Image EMF\"",
                                                "image/x-emf", "image/emf"};

// The picture drawn on a white image of `size` pixels, stretched to fill it;
// a null image when it cannot be drawn.
QImage PictureImage(const ClipboardPicture& picture, QSize size);
// Everything a copy offers, with each picture that could be drawn.
std::unique_ptr<QMimeData> ClipboardMimeData(const ClipboardContents& contents);
// The fragment text held in `data`, up to a terminating zero, or nothing.
std::optional<std::string> FragmentFrom(const QMimeData* data);

class QtChartClipboard : public ChartClipboard {
 public:
  bool Put(const ClipboardContents& contents) override;
  std::optional<std::string> Fragment() override;
};

}  // namespace quobrix
