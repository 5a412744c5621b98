// Builds an enhanced metafile in memory, record by record, in the little-endian
// layout the format fixes. Coordinates are device pixels of a reference
// device with the given resolution; the frame is in hundredths of a
// millimetre. The clipboard and the picture export both hand the bytes on.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quobrix {

struct EmfPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

struct EmfRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};

// The fields of a logical font the writer records.
struct EmfFont {
  std::int32_t height = -11;  // pixels; negative: character height without internal leading
  std::int32_t weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  std::uint8_t charset = 1;
  std::u16string faceName;  // at most 31 characters are kept
};

class EmfWriter {
 public:
  // Values of the format used by the canvas.
  enum PenStyle : std::uint32_t { PS_SOLID = 0, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME };
  static constexpr std::uint32_t PS_GEOMETRIC = 0x10000;
  enum BrushStyle : std::uint32_t { BS_SOLID = 0, BS_NULL = 1, BS_HATCHED = 2 };
  enum Rop2 : std::uint32_t { R2_NOT = 6, R2_COPYPEN = 13 };
  static constexpr std::uint32_t ETO_CLIPPED = 4;

  // `frameWidth` x `frameHeight` hundredths of a millimetre; `resolution`
  // reference-device pixels per 100 mm; `description` the creator's name.
  EmfWriter(std::int64_t frameWidth, std::int64_t frameHeight, std::int64_t resolution,
            const std::u16string& description);

  // Object handles: indexes into the metafile's object table, reused once deleted.
  std::uint32_t CreatePen(std::uint32_t style, std::int32_t width, std::uint32_t colorRef);
  std::uint32_t CreateBrush(std::uint32_t style, std::uint32_t colorRef, std::uint32_t hatch);
  std::uint32_t CreateFont(const EmfFont& font);
  void SelectObject(std::uint32_t handle);
  void DeleteObject(std::uint32_t handle);

  // Whether the gaps of styled pens and of hatches are painted in the
  // background colour (opaque) or left as they are.
  void SetBackgroundMode(bool opaque);
  void SetBackgroundColor(std::uint32_t colorRef);
  void SetAlternateFill();
  void SetTextColor(std::uint32_t colorRef);
  void SetRop2(Rop2 mode);

  void MoveTo(std::int32_t x, std::int32_t y);
  void LineTo(std::int32_t x, std::int32_t y);
  void Rectangle(const EmfRect& box);
  void RoundRect(const EmfRect& box, std::int32_t cornerWidth, std::int32_t cornerHeight);
  void Ellipse(const EmfRect& box);
  void Polygon(const std::vector<EmfPoint>& points);
  // UTF-16 text with its top-left corner at `reference`, one advance width
  // per character; with ETO_CLIPPED in `options` clipped to `clip`.
  void TextOut(EmfPoint reference, std::uint32_t options, const EmfRect& clip, const std::u16string& text,
               const std::vector<std::int32_t>& advances);

  // Appends the end record, completes the header and returns the metafile.
  // The writer is spent afterwards.
  std::string Finish();

 private:
  class Record;
  void Append(const Record& record);
  std::uint32_t TakeHandle();

  std::string bytes_;
  std::uint32_t records_ = 0;
  std::vector<bool> handleInUse_ = {true};  // index 0 is the metafile itself
  EmfRect boundsPixels_;
};

}  // namespace quobrix
