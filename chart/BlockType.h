// The block record shared by the chart model and the drawing code, with its
// enumerations and the colour and font types it is made of.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quobrix {

// A colour: 0x00BBGGRR, or a system colour when the top byte is 0xFF.
using TColor = std::int32_t;

constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000u);
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clScrollBar = clSystemColor | 0;
constexpr TColor clBackground = clSystemColor | 1;
constexpr TColor clActiveCaption = clSystemColor | 2;
constexpr TColor clInactiveCaption = clSystemColor | 3;
constexpr TColor clMenu = clSystemColor | 4;
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clWindowFrame = clSystemColor | 6;
constexpr TColor clMenuText = clSystemColor | 7;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clCaptionText = clSystemColor | 9;
constexpr TColor clActiveBorder = clSystemColor | 10;
constexpr TColor clInactiveBorder = clSystemColor | 11;
constexpr TColor clAppWorkSpace = clSystemColor | 12;
constexpr TColor clHighlight = clSystemColor | 13;
constexpr TColor clHighlightText = clSystemColor | 14;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBtnShadow = clSystemColor | 16;
constexpr TColor clGrayText = clSystemColor | 17;
constexpr TColor clBtnText = clSystemColor | 18;
constexpr TColor clInactiveCaptionText = clSystemColor | 19;
constexpr TColor clBtnHighlight = clSystemColor | 20;

constexpr bool IsSystemColor(TColor c) { return (static_cast<std::uint32_t>(c) >> 24) == 0xFF; }

enum TBlockType : std::uint8_t {
  btSelection = 0,
  btPoint,
  btLine,
  btRectangle,
  btSquare,
  btRoundRectangle,
  btRoundSquare,
  btEllipse,
  btCircle,
  btBeginEnd,
  btLRectangle,
  btSRectangle,
  btHexagon,
  btOctagon,
  btLogicIf,
  btOr,
  btDocument,
  btPaperTape,
  btHorzArrow,
  btVertArrow,
  btHorzTriangle,
  btVertTriangle,
  btInputSymbol,
  btTrapezoid,
  btOffPageConnector,
  btDelay,
  btDisplay,
  btOnLineStorage,
  btSort,
  btCollate,
  btTextRegion,
  btLogic1,
  btLogic2,
  btLogic3,
  btLogic4,
  btStar4,
  btStar4b,
  btStar5,
  btWorkStation,
  btServer,
  btPrinter,
  hAND,
  hNAND,
  hOR,
  hNOR,
  hXOR,
  hXNOR,
  vAND,
  vNAND,
  vOR,
  vNOR,
  vXOR,
  vXNOR
};

enum TBrushStyle : std::uint8_t {
  bsSolid = 0,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross
};

enum TPenStyle : std::uint8_t {
  psSolid = 0,
  psDash,
  psDot,
  psDashDot,
  psDashDotDot,
  psClear,
  psInsideFrame
};

enum TAlignment : std::uint8_t { taLeftJustify = 0, taRightJustify, taCenter };

enum TBlockTextPlacement : std::uint8_t { btpInside = 0, btpUnder, btpRightSide };

enum TBlocksLineArrows : std::uint8_t {
  blaSimple = 0,
  blaEndArrow,
  blaEndArrow2,
  blaBothArrows,
  blaEndDot,
  blaEndDot2,
  blaBothDots,
  blaEndRect,
  blaEndRect2,
  blaBothRects,
  blaFilledEndArrow,
  blaFilledEndArrow2,
  blaBothFilledArrows
};

enum TRulers : std::uint8_t { rBoth = 0, rNone };

// Values of TBlock::Compl.
enum TContainerKind : std::uint8_t { ckNone = 0, ckMultiSelection = 1, ckGroup = 2 };

constexpr std::uint8_t DEFAULT_CHARSET = 1;
constexpr std::uint8_t RUSSIAN_CHARSET = 204;

// A text font. Height is kept in pixels of a 96-dpi screen (negative: the
// character height without internal leading), as fonts are measured on the
// desktop; Size is the same height in points.
struct TBlockFont {
  std::string Name = "Arial";
  TColor Color = clWindowText;
  int Height = -11;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  std::uint8_t Charset = DEFAULT_CHARSET;

  int Size() const;
  void SetSize(int points);

  bool operator==(const TBlockFont&) const = default;
};

// A text most blocks leave empty: a pointer on the block, with the text on
// the heap only once there is one. It reads as a std::string.
class SparseText {
 public:
  SparseText() = default;
  SparseText(const SparseText& other) { Assign(other.str()); }
  SparseText(SparseText&&) noexcept = default;
  SparseText& operator=(const SparseText& other) {
    Assign(other.str());
    return *this;
  }
  SparseText& operator=(SparseText&&) noexcept = default;
  SparseText& operator=(std::string_view text) {
    Assign(text);
    return *this;
  }

  const std::string& str() const;
  operator const std::string&() const { return str(); }
  bool empty() const { return text_ == nullptr; }
  bool operator==(const SparseText& other) const { return str() == other.str(); }

 private:
  void Assign(std::string_view text) { text_ = text.empty() ? nullptr : std::make_unique<std::string>(text); }
  std::unique_ptr<std::string> text_;
};

// One element of the chart: a symbol, a line, a text field or a container.
// Lengths are in hundredths of a millimetre. Owner and Members name other
// blocks of the same list by identity, so they survive moves in the list.
// The fields are laid out for size (a chart may hold a million blocks); the
// chart file keeps its own order of them.
struct TBlock {
  std::int64_t X = 0;
  std::int64_t Y = 0;
  std::int64_t W = 0;
  std::int64_t H = 0;
  std::int64_t BW = 1;
  TColor MC = clWhite;
  TColor SC = 0;
  TColor BC = clBlack;
  std::uint8_t BT = btSelection;
  std::uint8_t FS = bsSolid;
  std::uint8_t GF = 0;
  std::uint8_t BS = psSolid;
  std::uint8_t TA = taCenter;
  std::uint8_t TP = btpInside;
  std::uint8_t Compl = ckNone;
  std::uint8_t LineArrows = blaSimple;
  // Where the chart's list held the block when the chart last numbered it;
  // the chart checks it before trusting it, so a copied or stale value only
  // costs a search.
  std::uint32_t ListSlot = 0;
  std::string Text;  // bytes of code page 1251, lines separated by CR LF
  TBlockFont TF;
  TBlock* Owner = nullptr;
  std::vector<TBlock*> Members;
  SparseText Hyperlink;

  bool IsContainer() const { return BT == btSelection && (Compl == ckMultiSelection || Compl == ckGroup); }
  // Same fields and the same links.
  bool operator==(const TBlock&) const = default;
};

// The chart's blocks in list order: block number n is element n - 1.
using BlockList = std::vector<std::unique_ptr<TBlock>>;

// The blocks a container stands for, in member order: its members, with a
// member container replaced by the blocks it stands for, each block once.
// A fragment has one level of containers, so nested groups travel flat.
std::vector<const TBlock*> FlatMembers(const TBlock& container);

}  // namespace quobrix
