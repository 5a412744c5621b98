// Cut, copy and paste through the installed clipboard.
#include <cstdint>
#include <optional>

#include "chart/BlocksHolderModel.h"
#include "chart/ChartClipboard.h"
#include "chart/ChartEdit.h"
#include "chart/CoordinateMath.h"

namespace quobrix {

namespace {

constexpr std::int64_t kPictureMargin = 5;

// |v| chart units in pixels at `resolution` plus the margin, when that fits a picture.
std::optional<int> PictureExtent(std::int64_t v, std::int64_t resolution) {
  const auto product = CheckedMul(v, resolution);
  if (!product) return std::nullopt;
  const std::uint64_t pixels = Magnitude(*product / 10000) + kPictureMargin;
  if (pixels > INT32_MAX) return std::nullopt;
  return static_cast<int>(pixels);
}

// Pixels of v at `resolution`, wrapping as drawing does.
std::int64_t ToPixels(std::int64_t v, std::int64_t resolution) { return WrapMul(v, resolution) / 10000; }

// The block's picture, its own corner at the picture's origin. Lines are no
// thinner than on a screen of `screenResolution`.
ClipboardPicture PictureOf(const TBlock& block, std::int64_t resolution, std::int64_t vertResolution,
                           std::int64_t screenResolution) {
  ClipboardPicture picture;
  const auto width = PictureExtent(block.W, resolution);
  const auto height = PictureExtent(block.H, vertResolution);
  if (!width || !height) return picture;
  picture.Width = *width;
  picture.Height = *height;
  picture.Resolution = resolution;
  // A line drawn leftwards or upwards starts at its right or bottom end.
  picture.OffsetX = WrapAdd(ToPixels(block.X, resolution), block.W < 0 ? ToPixels(block.W, resolution) : 0);
  // Drawing scales both directions by one resolution; only the height
  // follows the vertical one.
  picture.OffsetY = WrapAdd(ToPixels(block.Y, resolution), block.H < 0 ? ToPixels(block.H, resolution) : 0);
  picture.ScreenResolution = screenResolution;
  picture.Block = &block;
  return picture;
}

}  // namespace

ClipboardContents BlocksHolderModel::ClipboardContentsOf(const TBlock& block) const {
  ClipboardContents contents;
  contents.Fragment = BlockToFragment(block);
  const std::int64_t scale = WrapMul(3, horzResolution_);
  contents.Bitmap = PictureOf(block, scale, scale, horzResolution_);
  contents.Metafile = PictureOf(block, horzResolution_, vertResolution_, horzResolution_);
  return contents;
}

ClipboardPicture BlocksHolderModel::PictureOfBlock(const TBlock& block, std::int64_t resolution) const {
  return PictureOf(block, resolution, resolution, horzResolution_);
}

bool BlocksHolderModel::CopyToClipboard(ChartClipboard& clipboard) {
  const TBlock* active = ActiveBlockPtr();
  return active && clipboard.Put(ClipboardContentsOf(*active));
}

bool BlocksHolderModel::CutToClipboard(ChartClipboard& clipboard) {
  if (!ActiveBlockPtr()) return false;
  ChartEdit edit(*this);
  const bool copied = CopyToClipboard(clipboard);
  if (copied) DeleteActiveBlock(true);
  return copied;
}

bool IsFragmentText(const std::string& text) { return !text.empty() && text[0] == '['; }

bool BlocksHolderModel::PasteFromClipboard(ChartClipboard& clipboard) {
  const auto text = clipboard.Fragment();
  return text && PasteFragment(*text);
}

bool BlocksHolderModel::PasteFragment(const std::string& text) {
  if (!IsFragmentText(text)) return false;
  ChartEdit edit(*this);
  DissolveMultiSelection();
  const std::int64_t countBefore = BlockCount();
  const bool loaded = LoadFragment(text);
  if (loaded && BlockCount() > countBefore) {
    SetActiveBlock(BlockCount());
    DoActiveBlockChanged();
  }
  return loaded;
}

}  // namespace quobrix
