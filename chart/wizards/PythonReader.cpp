#include "chart/wizards/PythonReader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

#include "chart/wizards/PythonExpression.h"
#include "chart/wizards/PythonLexer.h"
#include "chart/wizards/ReaderSupport.h"

namespace quobrix {

namespace {

// ----- words

constexpr std::array kStatementWords = {"def",    "class", "return", "while",  "elif",     "try",    "except",
                                        "finally", "with", "import", "from",   "pass",     "break",  "continue",
                                        "global", "nonlocal", "del", "assert", "raise",    "yield",  "async"};
constexpr std::array kUnsupportedStatements = {"class", "try", "except", "finally", "with", "async"};
constexpr std::array kSkippedStatements = {"import", "from", "global", "nonlocal"};
constexpr std::array kKeywordStatements = {"del", "assert", "raise", "yield"};
constexpr std::array kAssignments = {
    "=", "+=", "-=", "*=", "/=", "//=", "%=", "**=", "&=", "|=", "^=", ">>=", "<<=", "@="};

bool IsStatementWord(const Token& token) { return IsOneOf(token, kStatementWords); }
bool IsAssignment(const Token& token) {
  return token.kind == TokenKind::Symbol &&
         std::any_of(kAssignments.begin(), kAssignments.end(), [&](const char* op) { return token.text == op; });
}
// The targets of a for loop end at its "in".
bool IsStatementWordOrIn(const Token& token) { return IsStatementWord(token) || IsKeyword(token, "in"); }

// An expression ends at a colon, a semicolon or an assignment.
const ExpressionRules kExpression{IsPythonOperatorWord, IsStatementWord,
                                  [] {
                                    std::vector<std::string_view> stops{";", ":"};
                                    stops.insert(stops.end(), kAssignments.begin(), kAssignments.end());
                                    return stops;
                                  }(),
                                  true};
const ExpressionRules kLoopTargets{IsPythonOperatorWord, IsStatementWordOrIn, {";", ":", "="}, true};

// ----- the header of a counted loop

std::optional<long long> IntegerLiteral(const std::vector<Token>& tokens, TokenRange range) {
  bool negative = false;
  std::size_t at = range.first;
  if (range.second - at == 2 && IsSymbol(tokens[at], "-")) {
    negative = true;
    ++at;
  }
  if (range.second - at != 1 || tokens[at].kind != TokenKind::Number) return std::nullopt;
  const std::string& text = tokens[at].text;
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return negative ? -value : value;
}

// The last value a range reaches before `bound`, counting up or down:
// "n + 1" gives "n", "n - 1" gives "n - 2", 10 gives 9, "n" gives "n - 1".
std::string LastValue(const std::vector<Token>& tokens, TokenRange bound, bool up) {
  const long long step = up ? -1 : 1;
  if (const auto value = IntegerLiteral(tokens, bound)) return std::to_string(*value + step);
  const std::size_t n = bound.second - bound.first;
  const auto addend = n >= 3 ? IntegerLiteral(tokens, {bound.second - 1, bound.second}) : std::nullopt;
  const bool plus = n >= 3 && IsSymbol(tokens[bound.second - 2], "+");
  const bool minus = n >= 3 && IsSymbol(tokens[bound.second - 2], "-");
  if (addend && (plus || minus)) {
    const long long sum = (plus ? *addend : -*addend) + step;
    const std::string rest = Spell(tokens, bound.first, bound.second - 2);
    if (sum == 0) return rest;
    return rest + (sum > 0 ? " + " : " - ") + std::to_string(sum > 0 ? sum : -sum);
  }
  return Spell(tokens, bound.first, bound.second) + (up ? " - 1" : " + 1");
}

// "i = 1, n" for range(1, n + 1), as the loop symbol of a flowchart writes
// a counted loop; "x in items" for any other loop over a sequence.
std::string ForHeader(const std::vector<Token>& tokens, TokenRange targets, TokenRange iterable) {
  const std::string variable = Spell(tokens, targets.first, targets.second);
  const std::string plain = variable + " in " + Spell(tokens, iterable.first, iterable.second);
  const bool isRange = iterable.second - iterable.first >= 3 && IsKeyword(tokens[iterable.first], "range") &&
                       IsSymbol(tokens[iterable.first + 1], "(") && IsSymbol(tokens[iterable.second - 1], ")") &&
                       targets.second - targets.first == 1;
  if (!isRange) return plain;
  const auto arguments = SplitOutsideBrackets(tokens, {iterable.first + 2, iterable.second - 1}, ",");
  if (arguments.size() > 3 ||
      std::any_of(arguments.begin(), arguments.end(), [](TokenRange r) { return r.first == r.second; }))
    return plain;
  if (arguments.size() == 1) return variable + " = 0, " + LastValue(tokens, arguments[0], true);
  const std::string first = Spell(tokens, arguments[0].first, arguments[0].second);
  if (arguments.size() == 2) return variable + " = " + first + ", " + LastValue(tokens, arguments[1], true);
  const auto step = IntegerLiteral(tokens, arguments[2]);
  if (!step || *step == 0) return plain;
  const std::string header = variable + " = " + first + ", " + LastValue(tokens, arguments[1], *step > 0);
  return *step == 1 ? header : header + ", " + std::to_string(*step);
}

// ----- parser

class PythonParser {
 public:
  explicit PythonParser(std::vector<Token> tokens) : in_(std::move(tokens)) {}

  FlowProgram Run() {
    FlowSequence main;
    while (in_.Peek().kind != TokenKind::End) {
      if (in_.Peek().kind == TokenKind::Indent) Misindented(in_.Peek());
      Statement(main);
    }
    program_.main = std::move(main);
    FinishProgram(program_, routineNames_);
    return std::move(program_);
  }

 private:
  TokenCursor in_;
  FlowProgram program_;
  std::vector<std::string> routineNames_;
  DepthLimit depth_{0, kMaxNesting, CodeErrorKind::TooDeep};
  DepthLimit chain_{0, kMaxChainedDecisions, CodeErrorKind::TooManyBranches};

  const std::vector<Token>& Tokens() const { return in_.Tokens(); }

  [[noreturn]] static void Misindented(const Token& at) {
    throw CodeFault(CodeErrorKind::BadIndentation, at.line, at.column);
  }

  void Statement(FlowSequence& into) {
    const Token& token = in_.Peek();
    const NestingGuard guard(depth_, token);
    if (IsOneOf(token, kUnsupportedStatements)) ThrowUnsupported(token);
    if (IsKeyword(token, "else") || IsKeyword(token, "elif")) ThrowExpected(token, CodeExpected::Statement);
    if (IsKeyword(token, "def")) {
      Def();
    } else if (IsKeyword(token, "if")) {
      into.push_back(If());
    } else if (in_.TakeKeyword("while")) {
      FlowNode loop{FlowKind::While, Condition(), Suite(), {}, {}};
      if (IsKeyword(in_.Peek(), "else")) ThrowUnsupported(in_.Peek());
      into.push_back(std::move(loop));
    } else if (in_.TakeKeyword("for")) {
      into.push_back(For());
    } else {
      SimpleLine(into);
    }
  }

  // The block after a ":", indented on the lines below or on the same line.
  FlowSequence Suite() {
    FlowSequence body;
    if (!in_.TakeSymbol(":")) ThrowExpected(in_.Peek(), {":"});
    if (in_.Peek().kind != TokenKind::Newline) {
      SimpleLine(body);
      return body;
    }
    in_.Take();
    if (in_.Peek().kind != TokenKind::Indent) ThrowExpected(in_.Peek(), CodeExpected::IndentedBlock);
    in_.Take();
    while (in_.Peek().kind != TokenKind::Dedent && in_.Peek().kind != TokenKind::End) {
      if (in_.Peek().kind == TokenKind::Indent) Misindented(in_.Peek());
      Statement(body);
    }
    in_.Take();
    return body;
  }

  std::string Condition() {
    const std::size_t start = in_.Position();
    const std::size_t end = ScanExpression(Tokens(), start, kExpression);
    if (end == start) ThrowExpected(in_.Peek(), CodeExpected::Condition);
    CheckPythonCondition(Tokens(), {start, end});
    in_.Seek(end);
    const TokenRange range = WithoutOuterParentheses(Tokens(), {start, end});
    return Spell(Tokens(), range.first, range.second);
  }

  FlowNode If() {
    in_.Take();
    FlowNode first{FlowKind::If, Condition(), Suite(), {}, {}};
    FlowSequence* otherwise = &first.orElse;
    std::optional<NestingGuard> chain;
    while (IsKeyword(in_.Peek(), "elif")) {
      const Token& elif = in_.Take();
      if (chain) {
        chain->Deeper(elif);
      } else {
        chain.emplace(chain_, elif);
      }
      otherwise->push_back({FlowKind::If, Condition(), Suite(), {}, {}});
      otherwise = &otherwise->back().orElse;
    }
    if (in_.TakeKeyword("else")) *otherwise = Suite();
    return first;
  }

  FlowNode For() {
    const std::size_t start = in_.Position();
    const std::size_t targetsEnd = ScanExpression(Tokens(), start, kLoopTargets);
    if (targetsEnd == start) ThrowExpected(in_.Peek(), CodeExpected::LoopVariable);
    CheckPythonTargets(Tokens(), {start, targetsEnd});
    in_.Seek(targetsEnd);
    in_.ExpectKeyword("in");
    const std::size_t iterableStart = in_.Position();
    const std::size_t iterableEnd = ScanExpression(Tokens(), iterableStart, kExpression);
    if (iterableEnd == iterableStart) ThrowExpected(in_.Peek(), CodeExpected::LoopRange);
    CheckPythonList(Tokens(), {iterableStart, iterableEnd});
    in_.Seek(iterableEnd);
    FlowNode loop{
        FlowKind::For, ForHeader(Tokens(), {start, targetsEnd}, {iterableStart, iterableEnd}), Suite(), {}, {}};
    if (IsKeyword(in_.Peek(), "else")) ThrowUnsupported(in_.Peek());
    return loop;
  }

  // def name(a, b=1, *rest) -> type: a chart of its own headed "name(a, b, *rest)".
  void Def() {
    in_.Take();
    const Token& name = in_.Take();
    if (name.kind != TokenKind::Word || IsStatementWord(name)) ThrowExpected(name, CodeExpected::FunctionName);
    if (!IsSymbol(in_.Peek(), "(")) ThrowExpected(in_.Peek(), {"("});
    const std::size_t open = in_.Position();
    const std::size_t close = ClosingBracket(Tokens(), open);
    in_.Seek(close + 1);
    std::string parameters;
    for (const TokenRange& parameter : SplitOutsideBrackets(Tokens(), {open + 1, close}, ",")) {
      const auto word = std::find_if(Tokens().begin() + static_cast<std::ptrdiff_t>(parameter.first),
                                     Tokens().begin() + static_cast<std::ptrdiff_t>(parameter.second),
                                     [](const Token& t) { return t.kind == TokenKind::Word; });
      if (word == Tokens().begin() + static_cast<std::ptrdiff_t>(parameter.second)) continue;
      const std::size_t from = parameter.first;
      const std::string stars =
          IsSymbol(Tokens()[from], "*") || IsSymbol(Tokens()[from], "**") ? Tokens()[from].text : "";
      parameters += (parameters.empty() ? "" : ", ") + stars + word->text;
    }
    if (in_.TakeSymbol("->")) {
      const std::size_t end = ScanExpression(Tokens(), in_.Position(), kExpression);
      if (end == in_.Position()) ThrowExpected(in_.Peek(), CodeExpected::ResultType);
      in_.Seek(end);
    }
    routineNames_.push_back(name.text);
    const std::size_t slot = program_.routines.size();  // nested functions follow their parent
    program_.routines.push_back({name.text + "(" + parameters + ")", {}});
    FlowSequence body = Suite();
    program_.routines[slot].body = std::move(body);
  }

  // Simple statements separated by ";" up to the end of the line.
  void SimpleLine(FlowSequence& into) {
    SmallStatement(into);
    while (in_.TakeSymbol(";") && in_.Peek().kind != TokenKind::Newline && in_.Peek().kind != TokenKind::End)
      SmallStatement(into);
    if (in_.Peek().kind == TokenKind::End) return;
    if (in_.Peek().kind != TokenKind::Newline) ThrowExpected(in_.Peek(), CodeExpected::LineEnd);
    in_.Take();
  }

  void SmallStatement(FlowSequence& into) {
    const Token& first = in_.Peek();
    if (in_.TakeKeyword("pass")) return;
    if (in_.TakeKeyword("break")) return into.push_back({FlowKind::Break, "", {}, {}, {}});
    if (in_.TakeKeyword("continue")) return into.push_back({FlowKind::Continue, "", {}, {}, {}});
    if (IsOneOf(first, kSkippedStatements)) return SkipToStatementEnd();
    if (IsKeyword(first, "return")) {
      const std::size_t start = in_.Position();
      in_.Take();
      const std::size_t end = ScanExpression(Tokens(), in_.Position(), kExpression);
      if (end > start + 1) CheckPythonList(Tokens(), {start + 1, end});
      in_.Seek(end);
      return into.push_back({FlowKind::Return, end > start + 1 ? Spell(Tokens(), start, end) : "", {}, {}, {}});
    }
    const std::size_t start = in_.Position();
    if (IsOneOf(first, kKeywordStatements)) in_.Take();
    std::vector<std::size_t> assignments;  // positions of "=", "+=" ...
    for (;;) {
      const std::size_t from = in_.Position();
      const std::size_t end = ScanExpression(Tokens(), from, kExpression);
      if (end == from && (from == start || !assignments.empty())) ThrowExpected(in_.Peek(), CodeExpected::Expression);
      if (end > from) CheckPythonList(Tokens(), {from, end});
      in_.Seek(end);
      if (!IsAssignment(in_.Peek())) break;
      assignments.push_back(end);
      in_.Take();
    }
    Classify(start, in_.Position(), assignments, into);
  }

  void SkipToStatementEnd() {
    while (!IsSymbol(in_.Peek(), ";") && in_.Peek().kind != TokenKind::Newline && in_.Peek().kind != TokenKind::End)
      in_.Take();
  }

  void Classify(std::size_t start, std::size_t end, const std::vector<std::size_t>& assignments, FlowSequence& into) {
    const std::string text = Spell(Tokens(), start, end);
    const TokenRange value{assignments.empty() ? start : assignments.back() + 1, end};
    const auto called = CalledNames(Tokens(), value, false);
    const bool readsInput = std::find(called.begin(), called.end(), "input") != called.end();
    if (readsInput && (assignments.empty() || Tokens()[assignments.front()].text == "="))
      return into.push_back(
          {FlowKind::Input, Spell(Tokens(), start, assignments.empty() ? start : assignments.front()), {}, {}, {}});
    if (assignments.empty() && IsPrint(start, end)) {
      const std::string values = PrintedValues({start + 2, end - 1});
      if (!values.empty()) into.push_back({FlowKind::Output, values, {}, {}, {}});
      return;
    }
    // A string standing alone documents the code around it.
    if (assignments.empty() && end - start == 1 && Tokens()[start].kind == TokenKind::String) return;
    into.push_back({FlowKind::Process, text, {}, {}, called});
  }

  bool IsPrint(std::size_t start, std::size_t end) const {
    return end - start >= 3 && IsKeyword(Tokens()[start], "print") && IsSymbol(Tokens()[start + 1], "(") &&
           WithoutOuterParentheses(Tokens(), {start + 1, end}).first == start + 2;  // one call, not print(a)(b)
  }

  // The positional arguments of print(), without sep=, end= and file=.
  std::string PrintedValues(TokenRange arguments) const {
    std::string values;
    for (const TokenRange& argument : SplitOutsideBrackets(Tokens(), arguments, ",")) {
      const bool keyword = argument.second - argument.first >= 2 && Tokens()[argument.first].kind == TokenKind::Word &&
                           IsSymbol(Tokens()[argument.first + 1], "=");
      if (keyword || argument.first == argument.second) continue;
      // print(*a) writes the items of a: the chart says a.
      const std::size_t from = argument.first + (IsSymbol(Tokens()[argument.first], "*") ? 1 : 0);
      values += (values.empty() ? "" : ", ") + Spell(Tokens(), from, argument.second);
    }
    return values;
  }
};

}  // namespace

FlowProgram ReadPython(std::string_view utf8) { return PythonParser(LexPython(DecodeProgram(utf8))).Run(); }

}  // namespace quobrix
