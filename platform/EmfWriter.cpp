#include "platform/EmfWriter.h"

#include <algorithm>
#include <bit>

#include "chart/DeviceGeometry.h"

namespace quobrix {

namespace {

enum RecordType : std::uint32_t {
  EMR_HEADER = 1,
  EMR_POLYGON = 3,
  EMR_EOF = 14,
  EMR_SETBKMODE = 18,
  EMR_SETPOLYFILLMODE = 19,
  EMR_SETROP2 = 20,
  EMR_SETTEXTCOLOR = 24,
  EMR_SETBKCOLOR = 25,
  EMR_MOVETOEX = 27,
  EMR_SELECTOBJECT = 37,
  EMR_CREATEPEN = 38,
  EMR_CREATEBRUSHINDIRECT = 39,
  EMR_DELETEOBJECT = 40,
  EMR_ELLIPSE = 42,
  EMR_RECTANGLE = 43,
  EMR_ROUNDRECT = 44,
  EMR_LINETO = 54,
  EMR_EXTCREATEFONTINDIRECTW = 82,
  EMR_EXTTEXTOUTW = 84,
};

constexpr std::uint32_t kSignature = 0x464D4520;  // " EMF"
constexpr std::uint32_t kVersion = 0x10000;
constexpr std::uint32_t kTransparent = 1;
constexpr std::uint32_t kOpaque = 2;
constexpr std::uint32_t kAlternate = 1;
constexpr std::uint32_t kCompatibleGraphicsMode = 1;
constexpr std::size_t kHeaderSize = 108;  // with both header extensions
constexpr std::size_t kFaceNameChars = 32;
// Where the header keeps the totals known only at the end.
constexpr std::size_t kBytesOffset = 48;
constexpr std::size_t kRecordsOffset = 52;
constexpr std::size_t kHandlesOffset = 56;

void PutU32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void PatchU32(std::string& out, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::int32_t ScaleToPixels(std::int64_t hundredthsMm, std::int64_t resolution) {
  return static_cast<std::int32_t>(WrapMul(hundredthsMm, resolution) / 10000);
}

}  // namespace

// One record: type, size (patched when appended), then the parameters.
class EmfWriter::Record {
 public:
  explicit Record(std::uint32_t type) {
    PutU32(bytes_, type);
    PutU32(bytes_, 0);
  }
  Record& U32(std::uint32_t v) {
    PutU32(bytes_, v);
    return *this;
  }
  Record& I32(std::int32_t v) { return U32(static_cast<std::uint32_t>(v)); }
  Record& U16(std::uint16_t v) {
    bytes_.push_back(static_cast<char>(v & 0xFF));
    bytes_.push_back(static_cast<char>(v >> 8));
    return *this;
  }
  Record& U8(std::uint8_t v) {
    bytes_.push_back(static_cast<char>(v));
    return *this;
  }
  Record& F32(float v) { return U32(std::bit_cast<std::uint32_t>(v)); }
  Record& Point(EmfPoint p) { return I32(p.x).I32(p.y); }
  Record& Rect(const EmfRect& r) { return I32(r.left).I32(r.top).I32(r.right).I32(r.bottom); }
  // UTF-16 characters, then zero padding up to a multiple of four bytes.
  Record& Text(const std::u16string& text) {
    for (char16_t c : text) U16(c);
    return Align();
  }
  Record& Align() {
    while (bytes_.size() % 4 != 0) bytes_.push_back('\0');
    return *this;
  }
  std::size_t Size() const { return bytes_.size(); }
  std::string Bytes() const {
    std::string out = bytes_;
    PatchU32(out, 4, static_cast<std::uint32_t>(out.size()));
    return out;
  }

 private:
  std::string bytes_;
};

EmfWriter::EmfWriter(std::int64_t frameWidth, std::int64_t frameHeight, std::int64_t resolution,
                     const std::u16string& description) {
  boundsPixels_ = {0, 0, ScaleToPixels(frameWidth, resolution), ScaleToPixels(frameHeight, resolution)};
  // The reference device: `resolution` pixels per 100 mm on a 1 m square.
  const auto devicePixels = static_cast<std::int32_t>(WrapMul(resolution, 10));
  constexpr std::int32_t kDeviceMillimetres = 1000;
  const std::u16string descriptionText = description + u'\0' + u'\0';  // creator, empty title
  Record header(EMR_HEADER);
  header.Rect(boundsPixels_)
      .Rect({0, 0, static_cast<std::int32_t>(frameWidth), static_cast<std::int32_t>(frameHeight)})
      .U32(kSignature)
      .U32(kVersion)
      .U32(0)  // total bytes
      .U32(0)  // total records
      .U16(0)  // handles
      .U16(0)
      .U32(static_cast<std::uint32_t>(descriptionText.size()))
      .U32(kHeaderSize)
      .U32(0)  // palette entries
      .I32(devicePixels)
      .I32(devicePixels)
      .I32(kDeviceMillimetres)
      .I32(kDeviceMillimetres)
      .U32(0)  // pixel format size
      .U32(0)  // pixel format offset
      .U32(0)  // not OpenGL
      .I32(kDeviceMillimetres * 1000)
      .I32(kDeviceMillimetres * 1000)
      .Text(descriptionText);
  Append(header);
}

void EmfWriter::Append(const Record& record) {
  bytes_ += record.Bytes();
  ++records_;
}

std::uint32_t EmfWriter::TakeHandle() {
  const auto freeSlot = std::find(handleInUse_.begin() + 1, handleInUse_.end(), false);
  const auto index = static_cast<std::uint32_t>(freeSlot - handleInUse_.begin());
  if (freeSlot == handleInUse_.end())
    handleInUse_.push_back(true);
  else
    *freeSlot = true;
  return index;
}

std::uint32_t EmfWriter::CreatePen(std::uint32_t style, std::int32_t width, std::uint32_t colorRef) {
  const std::uint32_t handle = TakeHandle();
  Append(Record(EMR_CREATEPEN).U32(handle).U32(style).I32(width).I32(0).U32(colorRef));
  return handle;
}

std::uint32_t EmfWriter::CreateBrush(std::uint32_t style, std::uint32_t colorRef, std::uint32_t hatch) {
  const std::uint32_t handle = TakeHandle();
  Append(Record(EMR_CREATEBRUSHINDIRECT).U32(handle).U32(style).U32(colorRef).U32(hatch));
  return handle;
}

std::uint32_t EmfWriter::CreateFont(const EmfFont& font) {
  const std::uint32_t handle = TakeHandle();
  Record record(EMR_EXTCREATEFONTINDIRECTW);
  record.U32(handle)
      .I32(font.height)
      .I32(0)  // width: from the height
      .I32(0)  // escapement
      .I32(0)  // orientation
      .I32(font.weight)
      .U8(font.italic)
      .U8(font.underline)
      .U8(font.strikeOut)
      .U8(font.charset)
      .U8(0)   // output precision: default
      .U8(0)   // clip precision: default
      .U8(0)   // quality: default
      .U8(0);  // pitch and family: default
  const std::size_t kept = std::min(font.faceName.size(), kFaceNameChars - 1);
  for (std::size_t i = 0; i < kFaceNameChars; ++i) record.U16(i < kept ? font.faceName[i] : u'\0');
  Append(record);
  return handle;
}

void EmfWriter::SelectObject(std::uint32_t handle) { Append(Record(EMR_SELECTOBJECT).U32(handle)); }

void EmfWriter::DeleteObject(std::uint32_t handle) {
  Append(Record(EMR_DELETEOBJECT).U32(handle));
  if (handle < handleInUse_.size()) handleInUse_[handle] = false;
}

void EmfWriter::SetBackgroundMode(bool opaque) { Append(Record(EMR_SETBKMODE).U32(opaque ? kOpaque : kTransparent)); }

void EmfWriter::SetBackgroundColor(std::uint32_t colorRef) { Append(Record(EMR_SETBKCOLOR).U32(colorRef)); }

void EmfWriter::SetAlternateFill() { Append(Record(EMR_SETPOLYFILLMODE).U32(kAlternate)); }

void EmfWriter::SetTextColor(std::uint32_t colorRef) { Append(Record(EMR_SETTEXTCOLOR).U32(colorRef)); }

void EmfWriter::SetRop2(Rop2 mode) { Append(Record(EMR_SETROP2).U32(mode)); }

void EmfWriter::MoveTo(std::int32_t x, std::int32_t y) { Append(Record(EMR_MOVETOEX).Point({x, y})); }

void EmfWriter::LineTo(std::int32_t x, std::int32_t y) { Append(Record(EMR_LINETO).Point({x, y})); }

void EmfWriter::Rectangle(const EmfRect& box) { Append(Record(EMR_RECTANGLE).Rect(box)); }

void EmfWriter::RoundRect(const EmfRect& box, std::int32_t cornerWidth, std::int32_t cornerHeight) {
  Append(Record(EMR_ROUNDRECT).Rect(box).I32(cornerWidth).I32(cornerHeight));
}

void EmfWriter::Ellipse(const EmfRect& box) { Append(Record(EMR_ELLIPSE).Rect(box)); }

void EmfWriter::Polygon(const std::vector<EmfPoint>& points) {
  if (points.empty()) return;
  EmfRect bounds{points[0].x, points[0].y, points[0].x, points[0].y};
  for (const EmfPoint& p : points) {
    bounds.left = std::min(bounds.left, p.x);
    bounds.top = std::min(bounds.top, p.y);
    bounds.right = std::max(bounds.right, p.x);
    bounds.bottom = std::max(bounds.bottom, p.y);
  }
  Record record(EMR_POLYGON);
  record.Rect(bounds).U32(static_cast<std::uint32_t>(points.size()));
  for (const EmfPoint& p : points) record.Point(p);
  Append(record);
}

void EmfWriter::TextOut(EmfPoint reference, std::uint32_t options, const EmfRect& clip, const std::u16string& text,
                        const std::vector<std::int32_t>& advances) {
  if (text.empty()) return;
  std::int64_t width = 0;
  for (std::int32_t a : advances) width += a;
  // The text record's fixed part: bounds, mode, scales, then the text block.
  constexpr std::uint32_t kStringOffset = 76;
  const auto chars = static_cast<std::uint32_t>(text.size());
  const std::uint32_t advancesOffset = kStringOffset + (chars * 2 + 3) / 4 * 4;
  Record record(EMR_EXTTEXTOUTW);
  record.Rect({reference.x, reference.y, static_cast<std::int32_t>(reference.x + width), reference.y})
      .U32(kCompatibleGraphicsMode)
      .F32(1.0f)
      .F32(1.0f)
      .Point(reference)
      .U32(chars)
      .U32(kStringOffset)
      .U32(options)
      .Rect(clip)
      .U32(advancesOffset)
      .Text(text);
  for (std::size_t i = 0; i < text.size(); ++i) record.I32(i < advances.size() ? advances[i] : 0);
  Append(record);
}

std::string EmfWriter::Finish() {
  constexpr std::uint32_t kEofSize = 20;
  Append(Record(EMR_EOF).U32(0).U32(0x10).U32(kEofSize));  // no palette; offset of the size field
  PatchU32(bytes_, kBytesOffset, static_cast<std::uint32_t>(bytes_.size()));
  PatchU32(bytes_, kRecordsOffset, records_);
  const auto handles = static_cast<std::uint16_t>(handleInUse_.size());
  bytes_[kHandlesOffset] = static_cast<char>(handles & 0xFF);
  bytes_[kHandlesOffset + 1] = static_cast<char>(handles >> 8);
  return std::move(bytes_);
}

}  // namespace quobrix
