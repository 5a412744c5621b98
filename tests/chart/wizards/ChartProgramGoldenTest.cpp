// Charts of the structure wizards, of the code wizard and drawn by hand
// against the programs worked out by hand that they draw, in both languages.
#include <gtest/gtest.h>

#include "ChartProgramTestSupport.h"
#include "CodeChartTestSupport.h"
#include "chart/wizards/BranchChart.h"
#include "chart/wizards/LinearChart.h"
#include "chart/wizards/LoopChart.h"
#include "chart/wizards/ProcessChart.h"

namespace quobrix::test {
namespace {

WizardWords RussianWizardWords() {
  return {Cp("Начало"), Cp("Конец"), Cp("Ввод"), Cp("Вывод"), Cp("Вычисление"), Cp("Да"), Cp("Нет")};
}

WizardSection On(const std::string& utf8) { return {true, Cp(utf8)}; }

struct BothLanguages {
  std::string pascal, python;
};

void ExpectPrograms(const BlocksHolderModel& chart, const BothLanguages& expected) {
  EXPECT_EQ(WrittenProgram(chart, CodeLanguage::Pascal), expected.pascal);
  EXPECT_EQ(WrittenProgram(chart, CodeLanguage::Python), expected.python);
}

TEST(ChartProgramGolden, LinearWizardChart) {
  BlocksHolderModel chart;
  AppendLinearChart(chart, RussianWizardWords(), {On("a, b"), On("s := a + b\r\np := a * b"), On("s, p")});
  ExpectPrograms(chart, {"program FromChart;\nvar\n  a: integer;\n  b: integer;\n  s: integer;\n  p: integer;\nbegin\n"
                         "  readln(a, b);\n  s := a + b;\n  p := a * b;\n  writeln(s, p);\nend.\n",
                         "a = int(input())\nb = int(input())\ns = a + b\np = a * b\nprint(s, p)\n"});
}

TEST(ChartProgramGolden, BranchWizardChart) {
  BlocksHolderModel chart;
  AppendBranchChart(chart, RussianWizardWords(),
                    {On("x"), On("x mod 2 = 0"), On("k := x div 2"), On("k"), {false, ""}, On("'нечётное'")});
  ExpectPrograms(chart,
                 {"program FromChart;\nvar\n  x: integer;\n  k: integer;\nbegin\n  readln(x);\n"
                  "  if x mod 2 = 0 then\n  begin\n    k := x div 2;\n    writeln(k);\n  end\n  else\n  begin\n"
                  "    writeln('нечётное');\n  end;\nend.\n",
                  "x = int(input())\nif x % 2 == 0:\n    k = x // 2\n    print(k)\nelse:\n    print('нечётное')\n"});
}

TEST(ChartProgramGolden, LoopWizardChart) {
  BlocksHolderModel chart;
  AppendLoopChart(chart, RussianWizardWords(),
                  {On("n"), On("s := 0"), Cp("i := 1, n"), On("s := s + i * i"), {false, ""}, {false, ""}, On("s")});
  ExpectPrograms(chart, {"program FromChart;\nvar\n  n: integer;\n  s: integer;\n  i: integer;\nbegin\n  readln(n);\n"
                         "  s := 0;\n  for i := 1 to n do\n  begin\n    s := s + i * i;\n  end;\n  writeln(s);\nend.\n",
                         "n = int(input())\ns = 0\nfor i in range(1, n + 1):\n    s = s + i * i\nprint(s)\n"});
}

// The process wizard draws no begin or end: the flow starts at the first
// symbol and stops at the last.
TEST(ChartProgramGolden, ProcessWizardChart) {
  BlocksHolderModel chart;
  AppendProcessChart(chart, {{{ProcessSectionKind::Operation, "", "t := 0"},
                              {ProcessSectionKind::Condition, "t < 10", "t := t + 1"},
                              {ProcessSectionKind::Loop, "k := 1, 3", "t := t * 2"},
                              {ProcessSectionKind::InputOutput, "", "t"}}});
  ExpectPrograms(chart, {"program FromChart;\nvar\n  t: integer;\n  k: integer;\nbegin\n  t := 0;\n  if t < 10 then\n"
                         "  begin\n    t := t + 1;\n  end;\n  for k := 1 to 3 do\n  begin\n    t := t * 2;\n  end;\n"
                         "  writeln(t);\nend.\n",
                         "t = 0\nif t < 10:\n    t = t + 1\nfor k in range(1, 4):\n    t = t * 2\nprint(t)\n"});
}

TEST(ChartProgramGolden, CodeWizardChartOfPascal) {
  BlocksHolderModel chart;
  Draw(chart,
       "program Digits;\nvar n, s: integer;\n"
       "procedure Show(v: integer);\nbegin\n  if v > 9 then writeln('большое') else writeln(v)\nend;\n"
       "begin\n  readln(n);\n  s := 0;\n  repeat\n    s := s + n mod 10;\n    n := n div 10;\n"
       "    if s > 100 then break\n  until n = 0;\n  while s >= 10 do s := s - 10;\n  Show(s)\nend.\n",
       CodeLanguage::Pascal);
  ExpectPrograms(
      chart, {"program FromChart;\nvar\n  n: integer;\n  s: integer;\nprocedure Show(v: integer);\nbegin\n"
              "  if v > 9 then\n  begin\n    writeln('большое');\n  end\n  else\n  begin\n    writeln(v);\n  end;\n"
              "end;\n\nbegin\n  readln(n);\n  s := 0;\n  repeat\n    s := s + n mod 10;\n    n := n div 10;\n"
              "    if s > 100 then\n    begin\n      break;\n    end;\n  until n = 0;\n  while s >= 10 do\n  begin\n"
              "    s := s - 10;\n  end;\n  Show(s);\nend.\n",
              "def Show(v):\n    if v > 9:\n        print('большое')\n    else:\n        print(v)\n\n"
              "n = int(input())\ns = 0\nwhile True:\n    s = s + n % 10\n    n = n // 10\n    if s > 100:\n"
              "        break\n    if n == 0:\n        break\nwhile s >= 10:\n    s = s - 10\nShow(s)\n"});
}

TEST(ChartProgramGolden, CodeWizardChartOfPython) {
  BlocksHolderModel chart;
  Draw(chart,
       "def gcd(a, b):\n    while b != 0:\n        a, b = b, a % b\n    return a\n\n"
       "x = int(input())\nfor i in range(x, 0, -1):\n    if x % i == 0 and i % 2 == 1:\n        print(gcd(x, i))\n"
       "        continue\n    print(i)\n",
       CodeLanguage::Python);
  ExpectPrograms(chart,
                 {"program FromChart;\nvar\n  x: integer;\n  i: integer;\nfunction gcd(a, b: integer): integer;\n"
                  "var\n  tuple_1: integer;\n  tuple_2: integer;\n"
                  "begin\n  while b <> 0 do\n  begin\n    tuple_1 := b;\n    tuple_2 := a mod b;\n    a := tuple_1;\n"
                  "    b := tuple_2;\n  end;\n  exit(a);\nend;\n\nbegin\n"
                  "  readln(x);\n  for i := x downto 1 do\n  begin\n    if (x mod i = 0) and (i mod 2 = 1) then\n  "
                  "  begin\n      writeln(gcd(x, i));\n      continue;\n    end;\n    writeln(i);\n  end;\nend.\n",
                  "def gcd(a, b):\n    while b != 0:\n        a, b = b, a % b\n    return a\n\nx = int(input())\n"
                  "for i in range(x, 0, -1):\n    if x % i == 0 and i % 2 == 1:\n        print(gcd(x, i))\n"
                  "        continue\n    print(i)\n"});
}

// Python's range stops one beyond the last value: at the end of the number
// range that one more is written out, not computed.
TEST(ChartProgramGolden, CountedLoopsUpToTheLargestNumber) {
  BlocksHolderModel chart;
  Draw(chart,
       "program P;\nvar i: int64;\nbegin\n  for i := 1 to 9223372036854775807 do writeln(i);\n"
       "  for i := 0 downto -9223372036854775807 - 1 do writeln(i)\nend.\n",
       CodeLanguage::Pascal);
  EXPECT_EQ(WrittenProgram(chart, CodeLanguage::Python),
            "for i in range(1, 9223372036854775807 + 1):\n    print(i)\n"
            "for i in range(0, -9223372036854775807 - 2, -1):\n    print(i)\n");
}

}  // namespace
}  // namespace quobrix::test
