// What the Pascal and Python readers make of school programs, and where
// they say a program is wrong.
#include <gtest/gtest.h>

#include "CodeChartTestSupport.h"

namespace quobrix::test {
namespace {

const char* KindName(FlowKind kind) {
  switch (kind) {
    case FlowKind::Process: return "Process";
    case FlowKind::Input: return "Input";
    case FlowKind::Output: return "Output";
    case FlowKind::Call: return "Call";
    case FlowKind::Return: return "Return";
    case FlowKind::Break: return "Break";
    case FlowKind::Continue: return "Continue";
    case FlowKind::If: return "If";
    case FlowKind::While: return "While";
    case FlowKind::Repeat: return "Repeat";
    case FlowKind::For: return "For";
  }
  return "?";
}

// "Input[a] If[x > 0]{Output[x]}{}" in UTF-8.
std::string Outline(const FlowSequence& sequence) {
  std::string out;
  for (const FlowNode& node : sequence) {
    if (!out.empty()) out += ' ';
    out += std::string(KindName(node.kind)) + "[" + Cp1251ToUtf8(node.text) + "]";
    const bool compound = node.kind == FlowKind::If || node.kind == FlowKind::While || node.kind == FlowKind::Repeat ||
                          node.kind == FlowKind::For;
    const auto nested = [&out](const FlowSequence& inner) {
      out += '{';
      out += Outline(inner);
      out += '}';
    };
    if (compound) nested(node.body);
    if (node.kind == FlowKind::If) nested(node.orElse);
  }
  return out;
}

std::string Pascal(const std::string& program) { return Outline(Read(program, CodeLanguage::Pascal).main); }
std::string Python(const std::string& program) { return Outline(Read(program, CodeLanguage::Python).main); }

// ----- Pascal

TEST(PascalReader, DeclarationsAreSkippedAndStatementsKeepTheirSpelling) {
  EXPECT_EQ(Pascal("program P;\nuses crt;\nconst N = 10;\ntype R = record a, b: integer end;\n"
                   "var a: array[1..N] of real; s: real;\nbegin\n  s:=s+1/(i*i);  x := a [ 1 ]\nend."),
            "Process[s:=s+1/(i*i)] Process[x := a [ 1 ]]");
}

TEST(PascalReader, ReadAndWriteBecomeInputAndOutputWithoutFieldWidthsOrBarePauses) {
  EXPECT_EQ(Pascal("begin read(a, b); readln; writeln('x = ', x:8:2, y:3); writeln; write(); readln(c) end."),
            "Input[a, b] Output['x = ', x, y] Input[c]");
}

TEST(PascalReader, KeywordsInAnyCaseAndCyrillicNames) {
  EXPECT_EQ(Pascal("BEGIN IF Сумма > 0 THEN Сумма := 0 ELSE WriteLn(Сумма) END."),
            "If[Сумма > 0]{Process[Сумма := 0]}{Output[Сумма]}");
}

TEST(PascalReader, CountedLoopsAsTheLoopSymbolWritesThem) {
  EXPECT_EQ(Pascal("begin for i := 1 to n do s := s + i; for j := n downto 1 do; for c in s do k := k + 1 end."),
            "For[i := 1, n]{Process[s := s + i]} For[j := n, 1, -1]{} For[c in s]{Process[k := k + 1]}");
}

TEST(PascalReader, ConditionsLoseTheBracketsAroundThemOnly) {
  EXPECT_EQ(Pascal("begin while (a > 0) do a := a - 1; if (a > 0) and (b > 0) then ; repeat a := a + 1 until (a > 9) end."),
            "While[a > 0]{Process[a := a - 1]} If[(a > 0) and (b > 0)]{}{} Repeat[a > 9]{Process[a := a + 1]}");
}

TEST(PascalReader, CaseBecomesAChainOfDecisions) {
  EXPECT_EQ(Pascal("begin case k of 1: a := 1; 2, 3: a := 2; 5..9: a := 3 else a := 0; b := 0 end end."),
            "If[k = 1]{Process[a := 1]}{If[k in [2, 3]]{Process[a := 2]}{If[k in [5..9]]{Process[a := 3]}"
            "{Process[a := 0] Process[b := 0]}}}");
}

TEST(PascalReader, DanglingElseBelongsToTheNearestIf) {
  EXPECT_EQ(Pascal("begin if a then if b then x := 1 else x := 2 end."),
            "If[a]{If[b]{Process[x := 1]}{Process[x := 2]}}{}");
}

TEST(PascalReader, RoutinesAreChartsOfTheirOwnAndTheirCallsSubroutines) {
  const FlowProgram program =
      Read("procedure Swap(var a, b: integer; c: real); var t: integer;\n"
           "  procedure Inner; begin end;\n"
           "begin t := a; a := b; b := t end;\n"
           "function Fact(n: integer): integer; forward;\n"
           "function Fact(n: integer): integer;\n"
           "begin if n < 2 then Fact := 1 else Fact := n * fact(n - 1) end;\n"
           "begin swap(x, y); inc(x); Inner; k := Fact(5) end.",
           CodeLanguage::Pascal);
  EXPECT_EQ(Outline(program.main), "Call[swap(x, y)] Process[inc(x)] Call[Inner] Call[k := Fact(5)]");
  ASSERT_EQ(program.routines.size(), 3u);
  EXPECT_EQ(program.routines[0].header, "Swap(a, b, c)");
  EXPECT_EQ(program.routines[1].header, "Inner");
  EXPECT_EQ(program.routines[2].header, "Fact(n)");
  // Assigning the result is no call; the recursive call is.
  EXPECT_EQ(Outline(program.routines[2].body), "If[n < 2]{Process[Fact := 1]}{Call[Fact := n * fact(n - 1)]}");
}

TEST(PascalReader, JumpsEndTheirSequenceAndWhatFollowsIsDropped) {
  EXPECT_EQ(Pascal("begin while true do begin if a then break; continue; a := 1 end; exit; b := 2 end."),
            "While[true]{If[a]{Break[]}{} Continue[]} Return[]");
}

// ----- Python

TEST(PythonReader, InputAndPrintBecomeInputAndOutput) {
  EXPECT_EQ(Python("n = int(input('n? '))\na, b = map(int, input().split())\ninput()\n"
                   "print('Сумма =', s, sep='', end='\\n')\nprint()\nprint(*a)\ns += int(input())\n"),
            "Input[n] Input[a, b] Input[] Output['Сумма =', s] Output[a] Process[s += int(input())]");
}

TEST(PythonReader, RangeLoopsAsTheLoopSymbolWritesThem) {
  const char* cases[][2] = {
      {"range(n)", "i = 0, n - 1"},          {"range(10)", "i = 0, 9"},
      {"range(1, n + 1)", "i = 1, n"},       {"range(n - 1)", "i = 0, n - 2"},
      {"range(0, n, 2)", "i = 0, n - 1, 2"}, {"range(n, 0, -1)", "i = n, 1, -1"},
      {"range(n, -1, -1)", "i = n, 0, -1"},  {"range(a, b, s)", "i in range(a, b, s)"},
      {"items", "i in items"},               {"range(len(a) - 1)", "i = 0, len(a) - 2"},
  };
  for (const auto& [iterable, header] : cases)
    EXPECT_EQ(Python(std::string("for i in ") + iterable + ":\n    pass\n"), std::string("For[") + header + "]{}")
        << iterable;
}

TEST(PythonReader, ElifChainsNestUnderNo) {
  EXPECT_EQ(Python("if d < 0:\n    print('нет')\nelif d == 0:\n    x = 1\nelse:\n    x = 2\n    y = 3\n"),
            "If[d < 0]{Output['нет']}{If[d == 0]{Process[x = 1]}{Process[x = 2] Process[y = 3]}}");
}

TEST(PythonReader, KeywordsInAnyCaseAndStatementsOnOneLine) {
  EXPECT_EQ(Python("WHILE x > 0: x -= 1; y = 2\nIf (x): pass\n"),
            "While[x > 0]{Process[x -= 1] Process[y = 2]} If[x]{}{}");
}

TEST(PythonReader, BracketsSpanLinesAndCommentsAndDocstringsVanish) {
  EXPECT_EQ(Python("# title\nimport math\n'''about\nthis'''\nx = (1 +\n     2)  # three\n\n\ny = [a,\n  b]\n"),
            "Process[x = (1 + 2)] Process[y = [a, b]]");
}

TEST(PythonReader, FunctionsAreChartsOfTheirOwnAndTheirCallsSubroutines) {
  const FlowProgram program = Read(
      "def gcd(a, b=1, *rest, **named) -> int:\n    '''Euclid'''\n    while b:\n        a, b = b, a % b\n"
      "    return a\n    print('never')\n\nk = gcd(12, 18)\nprint(gcd(1, 2))\nGcd(3)\n",
      CodeLanguage::Python);
  EXPECT_EQ(Outline(program.main), "Call[k = gcd(12, 18)] Output[gcd(1, 2)] Process[Gcd(3)]");
  ASSERT_EQ(program.routines.size(), 1u);
  EXPECT_EQ(program.routines[0].header, "gcd(a, b, *rest, **named)");
  EXPECT_EQ(Outline(program.routines[0].body), "While[b]{Process[a, b = b, a % b]} Return[return a]");
}

TEST(PythonReader, BreakAndContinueEndTheirBranch) {
  EXPECT_EQ(Python("for x in a:\n    if x:\n        continue\n        y = 1\n    break\n"),
            "For[x in a]{If[x]{Continue[]}{} Break[]}");
}

// ----- faults

struct Fault {
  CodeLanguage language;
  const char* program;
  CodeErrorKind kind;
  int line, column;
  const char* message;  // a part of what Describe says
};

class ReaderFault : public ::testing::TestWithParam<Fault> {};

TEST_P(ReaderFault, NamesWhatAndWhere) {
  const Fault& fault = GetParam();
  const CodeError error = ReadFault(fault.program, fault.language);
  EXPECT_EQ(error.kind, fault.kind);
  EXPECT_EQ(error.line, fault.line);
  EXPECT_EQ(error.column, fault.column);
  EXPECT_NE(error.Describe().find(fault.message), std::string::npos) << error.Describe();
  EXPECT_EQ(error.Describe().rfind("line " + std::to_string(fault.line) + ", column " + std::to_string(fault.column), 0),
            0u)
      << error.Describe();
}

const auto P = CodeLanguage::Pascal;
const auto Y = CodeLanguage::Python;
INSTANTIATE_TEST_SUITE_P(
    Programs, ReaderFault,
    ::testing::Values(
        Fault{P, "begin\n  if a > 0\n    b := 1\nend.", CodeErrorKind::Expected, 3, 5, "expected \"then\", found \"b\""},
        Fault{P, "begin\n  a := 1\n  b := 2\nend.", CodeErrorKind::Expected, 3, 3, "expected \";\" or \"end\""},
        Fault{P, "begin a := (1 + 2; end.", CodeErrorKind::Expected, 1, 18, "expected \")\", found \";\""},
        Fault{P, "begin a := b[1) end.", CodeErrorKind::Expected, 1, 15, "expected \"]\""},
        Fault{P, "begin a := 1 end", CodeErrorKind::Expected, 1, 17, "found the end of the text"},
        Fault{P, "begin\n  writeln('abc);\nend.", CodeErrorKind::UnclosedString, 2, 11, "not closed"},
        Fault{P, "begin { note\nend.", CodeErrorKind::UnclosedComment, 1, 7, "comment is not closed"},
        Fault{P, "begin a := b ? c end.", CodeErrorKind::UnexpectedCharacter, 1, 14, "\"?\""},
        Fault{P, "begin with r do a := 1 end.", CodeErrorKind::Unsupported, 1, 7, "\"with\" cannot be drawn"},
        Fault{P, "begin writeln('a ≤ b') end.", CodeErrorKind::OutsideCodePage, 1, 18, "\"≤\" (U+2264)"},
        Fault{Y, "if x > 0\n    y = 1\n", CodeErrorKind::Expected, 1, 9, "expected \":\", found the end of the line"},
        Fault{Y, "x = 1 y = 2\n", CodeErrorKind::Expected, 1, 7, "expected the end of the line, found \"y\""},
        Fault{Y, "x =\n", CodeErrorKind::Expected, 1, 4, "expected an expression"},
        Fault{Y, "if x:\ny = 1\n", CodeErrorKind::Expected, 2, 1, "an indented block"},
        Fault{Y, "if x:\n        y = 1\n    z = 2\n", CodeErrorKind::BadIndentation, 3, 5, "indentation"},
        Fault{Y, "x = 1\n    y = 2\n", CodeErrorKind::BadIndentation, 2, 5, "indentation"},
        Fault{Y, "print(\"abc)\n", CodeErrorKind::UnclosedString, 1, 7, "not closed"},
        Fault{Y, "x = f(1, 2\n", CodeErrorKind::Expected, 2, 1, "expected \")\""},
        Fault{Y, "try:\n    x = 1\n", CodeErrorKind::Unsupported, 1, 1, "\"try\" cannot be drawn"},
        Fault{Y, "while x:\n    x -= 1\nelse:\n    y = 2\n", CodeErrorKind::Unsupported, 3, 1, "\"else\""},
        Fault{Y, "else:\n    y = 2\n", CodeErrorKind::Expected, 1, 1, "expected a statement"},
        Fault{Y, "# ≤ in a comment is fine\ns = 'a → b'\n", CodeErrorKind::OutsideCodePage, 2, 8, "U+2192"},
        Fault{Y, "x = 1\r\ny = $\r\n", CodeErrorKind::UnexpectedCharacter, 2, 5, "\"$\""},
        Fault{Y, "x = 1\n\xff\n", CodeErrorKind::NotUtf8, 2, 1, "not UTF-8"}));

TEST(ReaderFault, NestingDeeperThanAChartCouldShowIsRefusedNotOverflowed) {
  std::string pascal = "begin ";
  for (int i = 0; i < 100000; ++i) pascal += "if a then ";
  EXPECT_EQ(ReadFault(pascal + "b := 1 end.", P).kind, CodeErrorKind::TooDeep);
  std::string python;
  for (int i = 0; i < 200; ++i) python += std::string(static_cast<std::size_t>(i), ' ') + "if a:\n";
  EXPECT_EQ(ReadFault(python + std::string(200, ' ') + "b = 1\n", Y).kind, CodeErrorKind::TooDeep);
}

std::string CaseOfLabels(int labels, const std::string& lastArm = "") {
  std::string program = "case a of\n";
  for (int i = 1; i < labels; ++i) program += std::to_string(i) + ": b := " + std::to_string(i) + ";\n";
  return program + std::to_string(labels) + ": " + lastArm + "\nend";
}

std::string ElifsAfterIf(int elifs) {
  std::string program = "if a == 0:\n    b = 0\n";
  for (int i = 1; i <= elifs; ++i) program += "elif a == " + std::to_string(i) + ":\n    b = 1\n";
  return program;
}

// Case labels and elifs are breadth: a chain as long as the limit is drawn
// whole even below the deepest nesting, and only a longer one is refused.
TEST(ReaderFault, ManyCaseLabelsAndElifsAreBreadthNotNesting) {
  for (const auto& [program, language] : {std::pair{"begin " + CaseOfLabels(kMaxChainedDecisions) + " end.", P},
                                          std::pair{ElifsAfterIf(kMaxChainedDecisions), Y}}) {
    BlocksHolderModel chart;
    Draw(chart, program, language);
    EXPECT_GT(chart.BlockCount(), 3 * kMaxChainedDecisions);
  }
  std::string deepest = "begin ";
  for (int i = 2; i < kMaxNesting; ++i) deepest += "if a then ";
  BlocksHolderModel chart;
  Draw(chart, deepest + CaseOfLabels(kMaxChainedDecisions) + " end.", P);

  const CodeError labels = ReadFault("begin " + CaseOfLabels(kMaxChainedDecisions + 1) + " end.", P);
  EXPECT_EQ(labels.kind, CodeErrorKind::TooManyBranches);
  EXPECT_EQ(labels.line, kMaxChainedDecisions + 2);
  EXPECT_EQ(ReadFault(ElifsAfterIf(kMaxChainedDecisions + 1), Y).kind, CodeErrorKind::TooManyBranches);
  // A chain inside a chain's last arm hangs below all of the outer one.
  const std::string inner = "case b of 1: c := 1; 2: c := 2 end";
  EXPECT_EQ(ReadFault("begin " + CaseOfLabels(kMaxChainedDecisions - 1, inner) + " end.", P).kind,
            CodeErrorKind::TooManyBranches);
  EXPECT_EQ(Read("begin " + CaseOfLabels(kMaxChainedDecisions - 2, inner) + " end.", P).main.size(), 1u);
}

TEST(ReaderFault, ATextLongerThanAnyProgramIsRefusedBeforeReading) {
  std::string program = "begin a := 1 end.";
  program.resize(kLongestProgram, ' ');
  EXPECT_EQ(Pascal(program), "Process[a := 1]");
  program += ' ';
  const CodeError error = ReadFault(program, P);
  EXPECT_EQ(error.kind, CodeErrorKind::TooLong);
  EXPECT_EQ(error.Describe(), "line 1, column 1: the text is longer than 16 MiB, more than any program needs");
}

TEST(ReaderFault, ACommentMayHoldWhatTheChartCannot) {
  EXPECT_EQ(Pascal("begin { a ≤ b } (* → *) // ≠\n a := 1 end."), "Process[a := 1]");
}

TEST(CodeLanguageOfFile, ByExtensionInAnyCase) {
  EXPECT_EQ(CodeLanguageOfFile("/a/b/sum.PAS"), CodeLanguage::Pascal);
  EXPECT_EQ(CodeLanguageOfFile("prog.dpr"), CodeLanguage::Pascal);
  EXPECT_EQ(CodeLanguageOfFile("sort.py"), CodeLanguage::Python);
  EXPECT_EQ(CodeLanguageOfFile("sort.txt"), std::nullopt);
  EXPECT_EQ(CodeLanguageOfFile("dir.py/sort"), std::nullopt);
}

}  // namespace
}  // namespace quobrix::test
