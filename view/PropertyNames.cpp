#include "view/PropertyNames.h"

#include <array>

namespace quobrix {

namespace {

template <std::size_t N>
const char* Named(const std::array<const char*, N>& names, std::size_t value) {
  return value < N ? names[value] : "";
}

}  // namespace

const char* FillStyleName(TBrushStyle style) {
  static constexpr std::array<const char*, bsDiagCross + 1> names = {
      "Сплошная заливка",       "Без заливки",
      "Горизонтальная штриховка", "Вертикальная штриховка",
      "Диагональная штриховка",   "Обратная диагональная штриховка",
      "Штриховка клеткой",        "Штриховка косой клеткой"};
  return Named(names, style);
}

const char* LineStyleName(TPenStyle style) {
  static constexpr std::array<const char*, psDashDot + 1> names = {"Сплошная линия", "Штриховая линия",
                                                                   "Пунктирная линия", "Штрихпунктирная линия"};
  return Named(names, style);
}

const char* LineEndsName(TBlocksLineArrows ends) {
  static constexpr std::array<const char*, blaBothFilledArrows + 1> names = {
      "Без окончаний",
      "Стрелка в конце",
      "Стрелка в начале",
      "Стрелки на обоих концах",
      "Точка в конце",
      "Точка в начале",
      "Точки на обоих концах",
      "Квадрат в конце",
      "Квадрат в начале",
      "Квадраты на обоих концах",
      "Закрашенная стрелка в конце",
      "Закрашенная стрелка в начале",
      "Закрашенные стрелки на обоих концах"};
  return Named(names, ends);
}

const char* TextAlignName(TAlignment alignment) {
  static constexpr std::array<const char*, taCenter + 1> names = {"По левому краю", "По правому краю", "По центру"};
  return Named(names, alignment);
}

const char* TextPlacementName(TBlockTextPlacement placement) {
  static constexpr std::array<const char*, btpRightSide + 1> names = {"Внутри символа", "Под символом",
                                                                      "Справа от символа"};
  return Named(names, placement);
}

}  // namespace quobrix
