#include "chart/OutlineTable.h"

#include <array>

#include "chart/BlockType.h"

namespace quobrix {

namespace {

constexpr Vertex kSRectangle[] = {{1, 10, 0, 1}, {1, 1, 0, 1}, {9, 10, 1, 1}, {0, 1, 1, 1}};
constexpr Vertex kHexagon[] = {{1, 6, 0, 1}, {5, 6, 0, 1}, {1, 1, 1, 2}, {5, 6, 1, 1}, {1, 6, 1, 1}, {0, 1, 1, 2}};
constexpr Vertex kOctagon[] = {{1, 4, 0, 1}, {3, 4, 0, 1}, {1, 1, 1, 4}, {1, 1, 3, 4},
                               {3, 4, 1, 1}, {1, 4, 1, 1}, {0, 1, 3, 4}, {0, 1, 1, 4}};
constexpr Vertex kDiamond[] = {{1, 2, 0, 1}, {1, 1, 1, 2}, {1, 2, 1, 1}, {0, 1, 1, 2}};
constexpr Vertex kDocument[] = {{0, 1, 9, 10}, {1, 8, 49, 50}, {1, 4, 1, 1},  {3, 8, 49, 50},
                                {1, 2, 9, 10}, {5, 8, 41, 50}, {3, 4, 8, 10}, {7, 8, 41, 50},
                                {1, 1, 9, 10}, {1, 1, 0, 1},   {0, 1, 0, 1}};
constexpr Vertex kPaperTape[] = {{0, 1, 9, 10},  {1, 8, 49, 50}, {1, 4, 1, 1},   {3, 8, 49, 50}, {1, 2, 9, 10},
                                 {5, 8, 41, 50}, {3, 4, 4, 5},   {7, 8, 41, 50}, {1, 1, 9, 10},  {1, 1, 0, 1},
                                 {7, 8, -4, 50}, {3, 4, -1, 10}, {5, 8, -4, 50}, {1, 2, 0, 1},   {3, 8, 4, 50},
                                 {1, 4, 1, 10},  {1, 8, 4, 50},  {0, 1, 0, 1}};
constexpr Vertex kHorzArrow[] = {{0, 1, 1, 5}, {2, 3, 1, 5}, {2, 3, 0, 1}, {1, 1, 1, 2},
                                 {2, 3, 1, 1}, {2, 3, 4, 5}, {0, 1, 4, 5}};
constexpr Vertex kVertArrow[] = {{1, 5, 0, 1}, {1, 5, 2, 3}, {0, 1, 2, 3}, {1, 2, 1, 1},
                                 {1, 1, 2, 3}, {4, 5, 2, 3}, {4, 5, 0, 1}};
constexpr Vertex kHorzTriangle[] = {{0, 1, 0, 1}, {1, 1, 1, 2}, {0, 1, 1, 1}};
constexpr Vertex kVertTriangle[] = {{0, 1, 0, 1}, {1, 1, 0, 1}, {1, 2, 1, 1}};
constexpr Vertex kInputSymbol[] = {{0, 1, 1, 4}, {1, 1, 0, 1}, {1, 1, 1, 1}, {0, 1, 1, 1}};
constexpr Vertex kTrapezoid[] = {{1, 4, 0, 1}, {3, 4, 0, 1}, {1, 1, 1, 1}, {0, 1, 1, 1}};
constexpr Vertex kOffPageConnector[] = {{0, 1, 0, 1}, {1, 1, 0, 1}, {1, 1, 2, 3}, {1, 2, 1, 1}, {0, 1, 2, 3}};
constexpr Vertex kDelay[] = {{0, 1, 0, 1},   {2, 3, 0, 1},     {33, 40, 1, 16}, {36, 40, 1, 8},
                             {39, 40, 1, 3}, {1, 1, 7, 16},    {1, 1, 9, 16},   {39, 40, 2, 3},
                             {36, 40, 7, 8}, {33, 40, 15, 16}, {2, 3, 1, 1},    {0, 1, 1, 1}};
constexpr Vertex kDisplay[] = {{1, 5, 0, 1},  {2, 3, 0, 1},  {33, 40, 1, 16}, {36, 40, 1, 8}, {39, 40, 1, 3},
                               {1, 1, 7, 16}, {1, 1, 9, 16}, {39, 40, 2, 3},  {36, 40, 7, 8}, {33, 40, 15, 16},
                               {2, 3, 1, 1},  {1, 5, 1, 1},  {0, 1, 1, 2}};
constexpr Vertex kOnLineStorage[] = {{0, 1, 0, 1},     {1, 1, 0, 1},     {75, 80, 1, 16}, {35, 40, 1, 8},
                                     {30, 40, 1, 3},   {29, 40, 7, 16},  {29, 40, 9, 16}, {30, 40, 2, 3},
                                     {35, 40, 7, 8},   {75, 80, 15, 16}, {1, 1, 1, 1},    {0, 1, 1, 1},
                                     {-5, 80, 15, 16}, {-5, 40, 7, 8},   {-10, 40, 2, 3}, {-11, 40, 9, 16},
                                     {-11, 40, 7, 16}, {-10, 40, 1, 3},  {-5, 40, 1, 8},  {-5, 80, 1, 16}};
constexpr Vertex kCollate[] = {{0, 1, 0, 1}, {1, 1, 0, 1}, {0, 1, 1, 1}, {1, 1, 1, 1}};
constexpr Vertex kLogicBody[] = {{1, 6, 0, 1},   {1, 2, 0, 1},     {27, 40, 1, 16}, {30, 40, 1, 8},
                                 {33, 40, 1, 3}, {5, 6, 7, 16},    {5, 6, 9, 16},   {33, 40, 2, 3},
                                 {30, 40, 7, 8}, {27, 40, 15, 16}, {1, 2, 1, 1},    {1, 6, 1, 1}};
constexpr Vertex kStar4[] = {{0, 1, 0, 1}, {1, 2, 1, 4}, {1, 1, 0, 1}, {3, 4, 1, 2},
                             {1, 1, 1, 1}, {1, 2, 3, 4}, {0, 1, 1, 1}, {1, 4, 1, 2}};
constexpr Vertex kStar4b[] = {{1, 2, 0, 1}, {5, 8, 3, 8}, {1, 1, 1, 2}, {5, 8, 5, 8},
                              {1, 2, 1, 1}, {3, 8, 5, 8}, {0, 1, 1, 2}, {3, 8, 3, 8}};
constexpr Vertex kStar5[] = {{1, 2, 0, 1}, {3, 5, 2, 5}, {1, 1, 2, 5},  {13, 20, 3, 5}, {4, 5, 1, 1},
                             {1, 2, 3, 4}, {1, 5, 1, 1}, {7, 20, 3, 5}, {0, 1, 2, 5},   {2, 5, 2, 5}};

constexpr Stroke kSortStroke[] = {{{0, 1, 1, 2}, {1, 1, 1, 2}}};
constexpr Stroke kTwoInputs[] = {
    {{0, 1, 1, 3}, {1, 6, 1, 3}}, {{0, 1, 2, 3}, {1, 6, 2, 3}}, {{5, 6, 1, 2}, {1, 1, 1, 2}}};
constexpr Stroke kOneInput[] = {{{0, 1, 1, 2}, {1, 6, 1, 2}}, {{5, 6, 1, 2}, {1, 1, 1, 2}}};

// Outlines of the codes 0..btWorkStation; every higher code is a rectangle.
constexpr std::array<Outline, btWorkStation + 1> kOutlines = {{
    {},                                          // btSelection: a container has no outline
    {Body::Point},                               // btPoint
    {},                                          // btLine: drawn with its end marks
    {Body::Rectangle},                           // btRectangle
    {Body::Square},                              // btSquare
    {Body::RoundRectangle},                      // btRoundRectangle
    {Body::RoundSquare},                         // btRoundSquare
    {Body::Ellipse},                             // btEllipse
    {Body::Circle},                              // btCircle
    {Body::BeginEnd},                            // btBeginEnd
    {Body::Rectangle, {}, 10},                   // btLRectangle
    {Body::Polygon, kSRectangle},                // btSRectangle
    {Body::Polygon, kHexagon},                   // btHexagon
    {Body::Polygon, kOctagon},                   // btOctagon
    {Body::Polygon, kDiamond},                   // btLogicIf
    {Body::OrCircle},                            // btOr
    {Body::Polygon, kDocument},                  // btDocument
    {Body::Polygon, kPaperTape},                 // btPaperTape
    {Body::Polygon, kHorzArrow},                 // btHorzArrow
    {Body::Polygon, kVertArrow},                 // btVertArrow
    {Body::Polygon, kHorzTriangle},              // btHorzTriangle
    {Body::Polygon, kVertTriangle},              // btVertTriangle
    {Body::Polygon, kInputSymbol},               // btInputSymbol
    {Body::Polygon, kTrapezoid},                 // btTrapezoid
    {Body::Polygon, kOffPageConnector},          // btOffPageConnector
    {Body::Polygon, kDelay},                     // btDelay
    {Body::Polygon, kDisplay},                   // btDisplay
    {Body::Polygon, kOnLineStorage},             // btOnLineStorage
    {Body::Polygon, kDiamond, 0, kSortStroke},   // btSort
    {Body::Polygon, kCollate},                   // btCollate
    {},                                          // btTextRegion: text only
    {Body::Polygon, kLogicBody, 0, kTwoInputs},  // btLogic1
    {Body::Polygon, kLogicBody, 0, kOneInput},   // btLogic2
    {Body::None, {}, 6, kTwoInputs},             // btLogic3
    {Body::None, {}, 6, kOneInput},              // btLogic4
    {Body::Polygon, kStar4},                     // btStar4
    {Body::Polygon, kStar4b},                    // btStar4b
    {Body::Polygon, kStar5},                     // btStar5
    {},                                          // btWorkStation: text only
}};

constexpr Outline kPlainRectangle = {Body::Rectangle};

}  // namespace

const Outline& OutlineOf(std::uint8_t type) { return type < kOutlines.size() ? kOutlines[type] : kPlainRectangle; }

OutlineShape ShapeOfOutline(std::uint8_t type) {
  const Outline& o = OutlineOf(type);
  OutlineShape shape;
  switch (o.body) {
    case Body::Square:
      shape.kind = OutlineKind::Square;
      break;
    case Body::RoundRectangle:
      shape.kind = OutlineKind::RoundBox;
      break;
    case Body::RoundSquare:
      shape.kind = OutlineKind::RoundSquare;
      break;
    case Body::Ellipse:
      shape.kind = OutlineKind::Ellipse;
      break;
    case Body::Circle:
    case Body::OrCircle:
      shape.kind = OutlineKind::Circle;
      break;
    case Body::BeginEnd:
      shape.kind = OutlineKind::Stadium;
      break;
    case Body::Polygon:
      shape.kind = OutlineKind::Polygon;
      for (const Vertex& v : o.polygon)
        shape.polygon.push_back({static_cast<double>(v.xNum) / v.xDen, static_cast<double>(v.yNum) / v.yDen});
      break;
    default:
      break;
  }
  return shape;
}

}  // namespace quobrix
