#include "chart/wizards/PascalReader.h"

#include <algorithm>
#include <array>

#include "chart/wizards/PascalExpression.h"
#include "chart/wizards/PascalLexer.h"
#include "chart/wizards/ReaderSupport.h"

namespace quobrix {

namespace {

// ----- words

constexpr std::array kStatementWords = {"begin", "end",       "if",    "then",     "else",    "while", "do",
                                        "for",   "to",        "downto", "repeat",  "until",   "case",  "of",
                                        "var",   "const",     "type",  "label",    "uses",    "with",  "goto",
                                        "program", "procedure", "function", "otherwise", "try", "raise", "asm"};
constexpr std::array kSectionWords = {"var", "const", "type", "label", "uses", "resourcestring", "threadvar"};
constexpr std::array kUnsupportedStatements = {"with", "goto", "try", "raise", "asm", "label"};
constexpr std::array kDirectives = {"forward", "overload", "inline", "cdecl", "stdcall", "register", "pascal",
                                    "external", "assembler", "nostackframe", "far", "near"};

bool IsStatementWord(const Token& token) { return IsOneOf(token, kStatementWords); }

const ExpressionRules kExpression{IsPascalOperatorWord, IsStatementWord, {";", ":"}};

// ----- parser

class PascalParser {
 public:
  explicit PascalParser(std::vector<Token> tokens) : in_(std::move(tokens)) {}

  FlowProgram Run() {
    Heading();
    Declarations();
    program_.main = Block();
    in_.ExpectSymbol(".");
    FinishProgram(program_, routineNames_);
    return std::move(program_);
  }

 private:
  TokenCursor in_;
  FlowProgram program_;
  std::vector<std::string> routineNames_;  // lower case
  DepthLimit depth_{0, kMaxNesting, CodeErrorKind::TooDeep};
  DepthLimit chain_{0, kMaxChainedDecisions, CodeErrorKind::TooManyBranches};

  const std::vector<Token>& Tokens() const { return in_.Tokens(); }

  void Heading() {
    if (!in_.TakeKeyword("program")) return;
    if (in_.Peek().kind != TokenKind::Word) ThrowExpected(in_.Peek(), CodeExpected::ProgramName);
    in_.Take();
    if (in_.TakeSymbol("(")) {
      while (in_.Peek().kind != TokenKind::End && !IsSymbol(in_.Peek(), ")")) in_.Take();
      in_.ExpectSymbol(")");
    }
    in_.ExpectSymbol(";");
  }

  // Sections of constants, types, variables and units say nothing a
  // flowchart shows; routines become charts of their own.
  void Declarations() {
    for (;;) {
      if (IsOneOf(in_.Peek(), kSectionWords)) {
        SkipSection();
      } else if (IsKeyword(in_.Peek(), "procedure") || IsKeyword(in_.Peek(), "function")) {
        Routine();
      } else {
        return;
      }
    }
  }

  void SkipSection() {
    in_.Take();
    int depth = 0;  // record ... end, which may nest
    for (;;) {
      const Token& token = in_.Peek();
      if (token.kind == TokenKind::End) ThrowExpected(token, {"begin"});
      if (depth == 0 && (IsOneOf(token, kSectionWords) || IsKeyword(token, "begin") || IsKeyword(token, "procedure") ||
                         IsKeyword(token, "function")))
        return;
      if (IsKeyword(token, "record") || IsKeyword(token, "object") || IsKeyword(token, "class")) ++depth;
      if (IsKeyword(token, "end") && depth > 0) --depth;
      in_.Take();
    }
  }

  void Routine() {
    const NestingGuard guard(depth_, in_.Take());
    const Token& name = in_.Peek();
    if (name.kind != TokenKind::Word || IsStatementWord(name)) ThrowExpected(name, CodeExpected::RoutineName);
    in_.Take();
    std::string header = name.text;
    if (IsSymbol(in_.Peek(), "(")) {
      header += '(';
      header += ParameterNames();
      header += ')';
    }
    if (in_.TakeSymbol(":")) {
      const std::size_t end = ScanExpression(Tokens(), in_.Position(), kExpression);
      if (end == in_.Position()) ThrowExpected(in_.Peek(), CodeExpected::ResultType);
      in_.Seek(end);
    }
    in_.ExpectSymbol(";");
    bool forward = false;
    while (IsOneOf(in_.Peek(), kDirectives)) {
      forward = forward || IsKeyword(in_.Peek(), "forward") || IsKeyword(in_.Peek(), "external");
      in_.Take();
      in_.ExpectSymbol(";");
    }
    routineNames_.push_back(LowerCase(name.text));
    if (forward) return;
    const std::size_t slot = program_.routines.size();  // nested routines follow their parent
    program_.routines.push_back({header, {}});
    Declarations();
    FlowSequence body = Block();
    in_.ExpectSymbol(";");
    program_.routines[slot].body = std::move(body);
  }

  // "(var a, b: integer; c: real)" gives "a, b, c".
  std::string ParameterNames() {
    in_.ExpectSymbol("(");
    std::string names;
    bool inType = false;
    while (!IsSymbol(in_.Peek(), ")")) {
      const Token& token = in_.Take();
      if (token.kind == TokenKind::End) ThrowExpected(token, {")"});
      if (IsSymbol(token, ":") || IsSymbol(token, "=")) inType = true;
      if (IsSymbol(token, ";")) inType = false;
      const bool modifier = IsKeyword(token, "var") || IsKeyword(token, "const") || IsKeyword(token, "out");
      if (!inType && !modifier && token.kind == TokenKind::Word) names += (names.empty() ? "" : ", ") + token.text;
    }
    in_.Take();
    return names;
  }

  FlowSequence Block() {
    in_.ExpectKeyword("begin");
    FlowSequence body = StatementList();
    ExpectEndOf("end");
    return body;
  }

  // A missing separator shows as the next statement standing where the
  // list should end.
  void ExpectEndOf(std::string_view keyword) {
    if (!in_.TakeKeyword(keyword)) ThrowExpected(in_.Peek(), {";", std::string(keyword)});
  }

  FlowSequence StatementList() {
    FlowSequence list;
    Statement(list);
    while (in_.TakeSymbol(";")) Statement(list);
    return list;
  }

  FlowSequence SingleStatement() {
    FlowSequence list;
    Statement(list);
    return list;
  }

  // The expression up to `terminator`, which must follow it.
  std::string ExpressionBefore(std::string_view terminator) {
    const TokenRange range = ExpressionRange(terminator);
    in_.ExpectKeyword(terminator);
    return Spell(Tokens(), range.first, range.second);
  }

  TokenRange ExpressionRange(std::string_view expectedAfter) {
    const std::size_t start = in_.Position();
    const std::size_t end = ScanExpression(Tokens(), start, kExpression);
    if (end == start) ThrowExpected(in_.Peek(), CodeExpected::ExpressionBefore, std::string(expectedAfter));
    CheckPascalExpression(Tokens(), {start, end});
    in_.Seek(end);
    return WithoutOuterParentheses(Tokens(), {start, end});
  }

  void Statement(FlowSequence& into) {
    const Token& token = in_.Peek();
    const NestingGuard guard(depth_, token);
    if (IsSymbol(token, ";") || IsKeyword(token, "end") || IsKeyword(token, "until") || IsKeyword(token, "else") ||
        token.kind == TokenKind::End)
      return;
    if (IsOneOf(token, kUnsupportedStatements)) ThrowUnsupported(token);
    if (in_.TakeKeyword("begin")) {
      FlowSequence inner = StatementList();
      ExpectEndOf("end");
      into.insert(into.end(), inner.begin(), inner.end());
    } else if (in_.TakeKeyword("if")) {
      FlowNode node{FlowKind::If, ExpressionBefore("then"), {}, {}, {}};
      node.body = SingleStatement();
      if (in_.TakeKeyword("else")) node.orElse = SingleStatement();
      into.push_back(std::move(node));
    } else if (in_.TakeKeyword("while")) {
      FlowNode node{FlowKind::While, ExpressionBefore("do"), {}, {}, {}};
      node.body = SingleStatement();
      into.push_back(std::move(node));
    } else if (in_.TakeKeyword("for")) {
      FlowNode node{FlowKind::For, ForHeader(), {}, {}, {}};
      node.body = SingleStatement();
      into.push_back(std::move(node));
    } else if (in_.TakeKeyword("repeat")) {
      FlowNode node{FlowKind::Repeat, "", StatementList(), {}, {}};
      ExpectEndOf("until");
      const TokenRange condition = ExpressionRange(";");
      node.text = Spell(Tokens(), condition.first, condition.second);
      into.push_back(std::move(node));
    } else if (in_.TakeKeyword("case")) {
      into.push_back(Case());
    } else {
      SimpleStatement(into);
    }
  }

  // "i := 1, n" counting up, "i := n, 1, -1" counting down, as the loop
  // symbol of a flowchart writes it; "x in list" for a loop over a list.
  std::string ForHeader() {
    const Token& variable = in_.Take();
    if (variable.kind != TokenKind::Word || IsStatementWord(variable))
      ThrowExpected(variable, CodeExpected::LoopVariable);
    if (in_.TakeKeyword("in")) return variable.text + " in " + ExpressionBefore("do");
    in_.ExpectSymbol(":=");
    const TokenRange first = ExpressionRange("to");
    const bool down = in_.TakeKeyword("downto");
    if (!down) in_.ExpectKeyword("to");
    const std::string last = ExpressionBefore("do");
    return variable.text + " := " + Spell(Tokens(), first.first, first.second) + ", " + last + (down ? ", -1" : "");
  }

  // case x of 1: a; 2, 3: b else c end: a chain of decisions, "x = 1",
  // then "x in [2, 3]", the else part under the last "no".
  FlowNode Case() {
    const TokenRange selector = ExpressionRange("of");
    in_.ExpectKeyword("of");
    const std::string subject = Spell(Tokens(), selector.first, selector.second);
    std::vector<FlowNode> arms;
    NestingGuard chain(chain_, in_.Peek());  // each label's decision hangs below the one before
    while (!IsKeyword(in_.Peek(), "end") && !IsKeyword(in_.Peek(), "else") && !IsKeyword(in_.Peek(), "otherwise")) {
      if (!arms.empty()) chain.Deeper(in_.Peek());
      const std::size_t start = in_.Position();
      const std::size_t end = ScanExpression(Tokens(), start, kExpression);
      if (end == start) ThrowExpected(in_.Peek(), CodeExpected::CaseLabel);
      CheckPascalCaseLabels(Tokens(), {start, end});
      in_.Seek(end);
      in_.ExpectSymbol(":");
      const bool single = SplitOutsideBrackets(Tokens(), {start, end}, ",").size() == 1 &&
                          SplitOutsideBrackets(Tokens(), {start, end}, "..").size() == 1;
      const std::string labels = Spell(Tokens(), start, end);
      arms.push_back({FlowKind::If, subject + (single ? " = " + labels : " in [" + labels + "]"), {}, {}, {}});
      arms.back().body = SingleStatement();
      if (!in_.TakeSymbol(";")) break;
    }
    FlowSequence otherwise;
    if (in_.TakeKeyword("else") || in_.TakeKeyword("otherwise")) otherwise = StatementList();
    ExpectEndOf("end");
    if (arms.empty()) ThrowExpected(in_.Peek(), CodeExpected::CaseLabel);
    for (std::size_t i = arms.size() - 1; i > 0; --i) {
      arms[i].orElse = std::move(otherwise);
      otherwise = {std::move(arms[i])};
    }
    arms[0].orElse = std::move(otherwise);
    return std::move(arms[0]);
  }

  void SimpleStatement(FlowSequence& into) {
    const std::size_t start = in_.Position();
    const std::size_t end = ScanExpression(Tokens(), start, kExpression);
    if (end == start) ThrowExpected(in_.Peek(), CodeExpected::Statement);
    in_.Seek(end);
    const std::vector<TokenRange> sides = SplitOutsideBrackets(Tokens(), {start, end}, ":=");
    if (sides.size() > 2) ThrowExpected(Tokens()[sides[1].second], {";"});
    if (sides.size() == 2) {
      if (sides[0].first == sides[0].second) ThrowExpected(Tokens()[start], CodeExpected::VariableBefore, ":=");
      if (sides[1].first == sides[1].second) ThrowExpected(Tokens()[end], CodeExpected::ExpressionAfter, ":=");
    }
    CheckPascalStatement(Tokens(), {start, end});
    if (sides.size() == 2)
      return into.push_back(
          {FlowKind::Process, Spell(Tokens(), start, end), {}, {}, CalledNames(Tokens(), sides[1], true)});
    Call(start, end, into);
  }

  // A procedure call, or a statement made of an expression.
  void Call(std::size_t start, std::size_t end, FlowSequence& into) {
    const Token& name = Tokens()[start];
    const bool bracketed = end - start >= 3 && IsSymbol(Tokens()[start + 1], "(") && IsSymbol(Tokens()[end - 1], ")");
    const bool isCall = name.kind == TokenKind::Word && (end - start == 1 || bracketed);
    const TokenRange arguments = bracketed ? TokenRange{start + 2, end - 1} : TokenRange{end, end};
    const std::string text = Spell(Tokens(), start, end);
    const std::string word = LowerCase(name.text);
    if (!isCall) {
      into.push_back({FlowKind::Process, text, {}, {}, CalledNames(Tokens(), {start, end}, true)});
    } else if (word == "read" || word == "readln") {
      // A bare readln only waits for Enter before the window closes.
      if (arguments.first < arguments.second)
        into.push_back({FlowKind::Input, Spell(Tokens(), arguments.first, arguments.second), {}, {}, {}});
    } else if (word == "write" || word == "writeln") {
      if (arguments.first < arguments.second) into.push_back({FlowKind::Output, WrittenValues(arguments), {}, {}, {}});
    } else if (word == "break") {
      into.push_back({FlowKind::Break, "", {}, {}, {}});
    } else if (word == "continue") {
      into.push_back({FlowKind::Continue, "", {}, {}, {}});
    } else if (word == "exit" || word == "halt") {
      into.push_back({FlowKind::Return, bracketed ? text : "", {}, {}, {}});
    } else {
      into.push_back({FlowKind::Process, text, {}, {}, {word}});
    }
  }

  // The values of write(x:8:2, 'a'), without their field widths.
  std::string WrittenValues(TokenRange arguments) {
    std::string values;
    for (const TokenRange& argument : SplitOutsideBrackets(Tokens(), arguments, ",")) {
      const TokenRange value = SplitOutsideBrackets(Tokens(), argument, ":").front();
      values += (values.empty() ? "" : ", ") + Spell(Tokens(), value.first, value.second);
    }
    return values;
  }
};

}  // namespace

FlowProgram ReadPascal(std::string_view utf8) { return PascalParser(LexPascal(DecodeProgram(utf8))).Run(); }

}  // namespace quobrix
