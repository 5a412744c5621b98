#include <gtest/gtest.h>

#include <set>
#include <string>

#include "chart/SymbolTable.h"

namespace quobrix {
namespace {

TEST(SymbolTable, HasARowForEveryCodeAtItsOwnPlace) {
  ASSERT_EQ(SymbolTable().size(), std::size_t{vXNOR} + 1);
  for (std::size_t code = 0; code < SymbolTable().size(); ++code) {
    EXPECT_EQ(SymbolTable()[code].type, code);
    EXPECT_STRNE(SymbolTable()[code].name, "") << code;
  }
  EXPECT_STREQ(FindSymbol(btLRectangle)->name, "LRectangle");
  EXPECT_EQ(FindSymbol(vXNOR + 1), nullptr);
}

TEST(SymbolTable, PaletteButtonsAreNamedInOrderAndCarryTheirSymbolsTexts) {
  const std::vector<PaletteButton> buttons = PaletteButtons();
  ASSERT_EQ(buttons.size(), 38u);
  const std::vector<std::string> first = {"tbMultiInsert", "tbCursorArrow", "tbTextField", "tbLine", "tbMLine"};
  for (std::size_t i = 0; i < first.size(); ++i) EXPECT_EQ(buttons[i].name, first[i]);
  // The rest are numbered in button order from 2.
  for (std::size_t i = first.size(); i < buttons.size(); ++i)
    EXPECT_EQ(buttons[i].name, "ToolButton" + std::to_string(i - 3));
  EXPECT_EQ(buttons[0].action, PaletteAction::MultiInsert);
  EXPECT_EQ(buttons[4].action, PaletteAction::DrawMultiLine);
  EXPECT_STREQ(buttons[4].hint, "Последовательность линий");

  struct Expected {
    std::size_t at;
    int tag;
    const char* caption;
    const char* hint;
  };
  for (const Expected& e :
       {Expected{3, btLine, "Line", "Линия"}, Expected{5, btRectangle, "Rectangle", "Прямоугольник"},
        Expected{12, btHexagon, "Hexagon", "Цикл \"ДЛЯ\""}, Expected{17, btLRectangle, "Subroutine", "Подпрограмма"},
        Expected{27, btOnLineStorage, "On-line storage", "Он-лайн хранилище"}, Expected{29, btSort, "Collate", ""},
        Expected{37, btStar5, "Star3", ""}}) {
    EXPECT_EQ(buttons[e.at].action, PaletteAction::DrawSymbol) << e.at;
    EXPECT_EQ(buttons[e.at].tag, e.tag) << e.at;
    EXPECT_STREQ(buttons[e.at].caption, e.caption) << e.at;
    EXPECT_STREQ(buttons[e.at].hint, e.hint) << e.at;
  }
}

TEST(SymbolTable, EveryMenuSymbolIsOnThePaletteWithANameOfItsOwn) {
  std::set<int> onPalette;
  for (const PaletteButton& b : PaletteButtons())
    if (b.action == PaletteAction::DrawSymbol) {
      EXPECT_TRUE(onPalette.insert(b.tag).second) << b.tag;
    }
  std::set<std::string> names;
  ASSERT_EQ(NewSymbolMenuTypes().size(), 19u);
  for (const std::uint8_t type : NewSymbolMenuTypes()) {
    EXPECT_TRUE(onPalette.count(type)) << int(type);
    EXPECT_TRUE(names.insert(FindSymbol(type)->menuItem).second) << int(type);
    EXPECT_STRNE(FindSymbol(type)->menuCaption, "") << int(type);
  }
  EXPECT_STREQ(FindSymbol(NewSymbolMenuTypes()[7])->menuCaption, "Гексагон");
}

}  // namespace
}  // namespace quobrix
