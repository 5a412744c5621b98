// The readers check each expression in full: an operator without its
// operand, a bracket left open or empty where it may not be, two operands
// with nothing between are refused where they stand; what is well formed
// keeps its text as written.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "CodeChartTestSupport.h"

namespace quobrix::test {
namespace {

const auto P = CodeLanguage::Pascal;
const auto Y = CodeLanguage::Python;

struct BadExpression {
  CodeLanguage language;
  const char* program;
  int line, column;
  const char* message;  // a part of what Describe says
};

TEST(ExpressionCheck, BrokenExpressionsAreRefusedWhereTheyBreak) {
  const BadExpression cases[] = {
      {P, "begin\n  if x > then y := 1\nend.", 2, 10, "expected an operand, found \"then\""},
      {P, "begin writeln(x +) end.", 1, 18, "expected an operand, found \")\""},
      {P, "begin a := b * (c + ) end.", 1, 21, "found \")\""},
      {P, "begin a := * b end.", 1, 12, "expected an operand, found \"*\""},
      {P, "begin while not do ; end.", 1, 17, "found \"do\""},
      {P, "begin a := f(1, ) end.", 1, 17, "expected an operand"},
      {P, "begin a := b[] end.", 1, 14, "expected an operand, found \"]\""},
      {P, "begin a := r. end.", 1, 15, "expected a field name, found \"end\""},
      {P, "begin case k of 1..: a := 1 end end.", 1, 20, "found \":\""},
      {P, "begin for i := 1 + to n do ; end.", 1, 20, "found \"to\""},
      {P, "begin repeat until a < ; end.", 1, 24, "found \";\""},
      {P, "begin writeln(x:1:2:3) end.", 1, 20, "expected \",\" or \")\", found \":\""},
      {Y, "if x > :\n    pass\n", 1, 8, "expected an operand, found \":\""},
      {Y, "print(x +)\n", 1, 10, "expected an operand, found \")\""},
      {Y, "y = [1, 2 *]\n", 1, 12, "found \"]\""},
      {Y, "while not:\n    pass\n", 1, 10, "found \":\""},
      {Y, "x = a[1:2:3:4]\n", 1, 12, "expected \",\" or \"]\", found \":\""},
      {Y, "x = a.\n", 1, 7, "expected an attribute name, found the end of the line"},
      {Y, "for i in range(n +):\n    pass\n", 1, 19, "found \")\""},
      {Y, "x = a or\n", 1, 9, "expected an operand, found the end of the line"},
      {Y, "x = a < not b\n", 1, 9, "found \"not\""},
      {Y, "x = f(a=)\n", 1, 9, "found \")\""},
      {Y, "x = {1: }\n", 1, 9, "found \"}\""},
      {Y, "x = [i for i in]\n", 1, 16, "found \"]\""},
      {Y, "x = y if z\n", 1, 11, "expected \"else\""},
      {Y, "def f():\n    return 2 **\n", 2, 16, "expected an operand"},
      {Y, "a, b = 1, * \n", 1, 13, "expected an operand"},
  };
  for (const BadExpression& c : cases) {
    SCOPED_TRACE(c.program);
    const CodeError error = ReadFault(c.program, c.language);
    EXPECT_EQ(error.kind, CodeErrorKind::Expected);
    EXPECT_EQ(error.line, c.line);
    EXPECT_EQ(error.column, c.column);
    EXPECT_NE(error.Message().find(c.message), std::string::npos) << error.Describe();
  }
}

// The first symbol's text for a program of one statement.
std::string FirstText(const std::string& program, CodeLanguage language) {
  const FlowProgram read = Read(program, language);
  return read.main.empty() ? "" : read.main.front().text;
}

TEST(ExpressionCheck, WellFormedExpressionsKeepTheirTextAsWritten) {
  const char* pascal[] = {
      "x := -a * (b + c) div 2 mod 3",
      "ok := not (a in [1, 3..5]) and (s <> '') or ([] = t)",
      "s := 'it''s' + #13#10 + Chr(65)",
      "p^.next := @node",
      "m[i, j] := m[i][j] shl 2 xor $FF",
      "f := a.b(c)[d]^.e",
      "x += 1",
      "r := 1.5e-3 / -2 + +x",
      "ok := (o is TFoo) and (o as TFoo).ready",
  };
  for (const char* statement : pascal)
    EXPECT_EQ(FirstText(std::string("begin ") + statement + " end.", P), Cp(statement));
  const char* python[] = {
      "y = a[1:], a[:2], a[::2], a[1:2, ::-1]",
      "d = {'a': 1, **other}",
      "s = {x * x for x in range(10) if x % 2}",
      "z = [f(i) for i in a for j, k in b if i < j]",
      "w = g(f'{x}' 'tail', sep='', *rest, **kw)",
      "k = sorted(a, key=lambda t, *r: (t[1], -t[0]))",
      "ok = a < b <= c != d is not None and e not in f or not g",
      "v = x if x > 0 else -x if y else ~x",
      "p = -2 ** -x ** 2 // 3 @ m",
      "t = (), (1,), [], {}, [*a, *b], {1, 2}",
      "a, *b = c",
      "q = await obj.attr[0](1)",
      "m = x << 2 | y >> 1 & z ^ w",
      "e = ...",
      "s = 'a' 'b'",
  };
  for (const char* statement : python) EXPECT_EQ(FirstText(std::string(statement) + "\n", Y), Cp(statement));
  EXPECT_EQ(FirstText("while (line := f()) != '':\n    pass\n", Y), "(line := f()) != ''");
}

TEST(ExpressionCheck, DeepExpressionsAreRefusedNotOverflowed) {
  const std::size_t n = 100000;
  const std::string open(n, '('), close(n, ')');
  EXPECT_EQ(ReadFault("begin x := " + open + "1" + close + " end.", P).kind, CodeErrorKind::TooDeep);
  EXPECT_EQ(ReadFault("x = " + open + "1" + close + "\n", Y).kind, CodeErrorKind::TooDeep);
  std::string signs, powers;
  for (std::size_t i = 0; i < n; ++i) {
    signs += "- ";
    powers += "2 ** ";
  }
  EXPECT_EQ(ReadFault("begin x := " + signs + "1 end.", P).kind, CodeErrorKind::TooDeep);
  EXPECT_EQ(ReadFault("x = " + powers + "2\n", Y).kind, CodeErrorKind::TooDeep);
  EXPECT_EQ(FirstText("x = " + std::string(30, '[') + std::string(30, ']') + "\n", Y),
            "x = " + std::string(30, '[') + std::string(30, ']'));
}

// ----- random expressions and their damage

// A small grammar both languages share, with each language's operators:
// E := T (binary T)*;  T := prefix T | atom | (E) | [E] | T(E) | T[E].
struct Grammar {
  std::vector<std::string> binary, prefix, atoms;
  bool emptyGroup;  // () is an operand (Python's empty tuple)
};

const Grammar kPascal{{"+", "-", "*", "/", "div", "mod", "and", "or", "=", "<>", "<", "<="},
                      {"-", "+", "not"},
                      {"a", "b1", "7", "'txt'", "сумма"},
                      false};
const Grammar kPython{{"+", "-", "/", "//", "%", "|", "&", "and", "or", "<", "=="},
                      {"-", "+", "~"},
                      {"a", "b1", "7", "'txt'", "None"},
                      true};

bool Contains(const std::vector<std::string>& list, const std::string& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

// Whether the tokens are an expression of the grammar: operands and binary
// operators alternate, prefixes stand where an operand may, brackets pair
// up; ( and [ after an operand are a call and an index, else a group and a
// list. Calls and lists may be empty, an index never, a group in Python only.
bool WellFormed(const std::vector<std::string>& tokens, const Grammar& grammar) {
  struct Open {
    char close;
    bool mayBeEmpty;
  };
  std::vector<Open> open;
  bool needOperand = true;
  bool afterOpen = false;
  for (const std::string& token : tokens) {
    const bool wasAfterOpen = std::exchange(afterOpen, false);
    if (Contains(grammar.binary, token) && !needOperand) {
      needOperand = true;
    } else if (Contains(grammar.prefix, token) && needOperand) {
    } else if (Contains(grammar.binary, token) || Contains(grammar.prefix, token)) {
      return false;
    } else if (token == "(" || token == "[") {
      const bool call = !needOperand;
      open.push_back({token == "(" ? ')' : ']', token == "(" ? call || grammar.emptyGroup : !call});
      needOperand = true;
      afterOpen = true;
    } else if (token == ")" || token == "]") {
      if (open.empty() || open.back().close != token[0]) return false;
      if (needOperand && !(wasAfterOpen && open.back().mayBeEmpty)) return false;
      open.pop_back();
      needOperand = false;
    } else {
      if (!needOperand) return false;
      needOperand = false;
    }
  }
  return !needOperand && open.empty();
}

class RandomExpression {
 public:
  RandomExpression(const Grammar& grammar, unsigned seed) : grammar_(grammar), rng_(seed) {}

  std::vector<std::string> Expression(int depth = 0) {
    std::vector<std::string> out = Term(depth);
    for (int i = Int(0, 2); i > 0; --i) {
      out.push_back(Pick(grammar_.binary));
      Append(out, Term(depth));
    }
    return out;
  }

  // One token of an operator or a bracket deleted, or one inserted.
  std::vector<std::string> Damaged(std::vector<std::string> tokens) {
    std::vector<std::size_t> removable;
    for (std::size_t i = 0; i < tokens.size(); ++i)
      if (!Contains(grammar_.atoms, tokens[i])) removable.push_back(i);
    if (!removable.empty() && Int(0, 1) == 0) {
      tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(removable[Pick(removable.size())]));
      return tokens;
    }
    std::vector<std::string> inserted = grammar_.binary;
    Append(inserted, grammar_.prefix);
    Append(inserted, {"(", ")", "[", "]"});
    tokens.insert(tokens.begin() + Int(0, static_cast<int>(tokens.size())), Pick(inserted));
    return tokens;
  }

 private:
  const Grammar& grammar_;
  std::mt19937 rng_;

  int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
  std::size_t Pick(std::size_t count) { return static_cast<std::size_t>(Int(0, static_cast<int>(count) - 1)); }
  const std::string& Pick(const std::vector<std::string>& list) { return list[Pick(list.size())]; }
  static void Append(std::vector<std::string>& to, const std::vector<std::string>& more) {
    to.insert(to.end(), more.begin(), more.end());
  }

  std::vector<std::string> Bracketed(const char* open, std::vector<std::string> inner, const char* close) {
    inner.insert(inner.begin(), open);
    inner.push_back(close);
    return inner;
  }

  std::vector<std::string> Term(int depth) {
    const int kind = depth < 3 ? Int(0, 6) : 0;
    switch (kind) {
      case 1: {
        std::vector<std::string> out{Pick(grammar_.prefix)};
        Append(out, Term(depth + 1));
        return out;
      }
      case 2:
        return Bracketed("(", Expression(depth + 1), ")");
      case 3:
        return Bracketed("[", Expression(depth + 1), "]");
      case 4:
      case 5: {
        std::vector<std::string> out = Term(depth + 1);
        Append(out,
               kind == 4 ? Bracketed("(", Expression(depth + 1), ")") : Bracketed("[", Expression(depth + 1), "]"));
        return out;
      }
      default:
        return {Pick(grammar_.atoms)};
    }
  }
};

std::string Joined(const std::vector<std::string>& tokens) {
  std::string out;
  for (const std::string& token : tokens) out += (out.empty() ? "" : " ") + token;
  return out;
}

class ExpressionProperty : public ::testing::TestWithParam<CodeLanguage> {};

TEST_P(ExpressionProperty, ExpressionsOfTheGrammarAreReadAndItsDamageIsRefusedUnlessStillWellFormed) {
  const bool pascal = GetParam() == P;
  const Grammar& grammar = pascal ? kPascal : kPython;
  for (unsigned seed = 0; seed < 400; ++seed) {
    RandomExpression random(grammar, seed);
    const std::vector<std::string> expression = random.Expression();
    ASSERT_TRUE(WellFormed(expression, grammar)) << Joined(expression);
    for (const auto& tokens : {expression, random.Damaged(expression), random.Damaged(expression)}) {
      const std::string statement = "x " + std::string(pascal ? ":=" : "=") + " " + Joined(tokens);
      const std::string program = pascal ? "begin " + statement + " end." : statement + "\n";
      const auto read = ReadProgram(program, GetParam());
      if (WellFormed(tokens, grammar)) {
        ASSERT_TRUE(std::holds_alternative<FlowProgram>(read)) << std::get<CodeError>(read).Describe() << "\n"
                                                               << program;
        EXPECT_EQ(std::get<FlowProgram>(read).main.front().text, Cp(statement));
      } else {
        ASSERT_TRUE(std::holds_alternative<CodeError>(read)) << program;
        const CodeError& error = std::get<CodeError>(read);
        EXPECT_EQ(error.kind, CodeErrorKind::Expected) << error.Describe() << "\n" << program;
        // A Python bracket left open is found where the text ends, on the line below.
        EXPECT_EQ(error.line, pascal || error.column > 1 ? 1 : 2) << error.Describe() << "\n" << program;
        EXPECT_LE(error.column, static_cast<int>(program.size()));
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, ExpressionProperty, ::testing::Values(P, Y),
                         [](const ::testing::TestParamInfo<CodeLanguage>& language) {
                           return language.param == P ? "Pascal" : "Python";
                         });

}  // namespace
}  // namespace quobrix::test
