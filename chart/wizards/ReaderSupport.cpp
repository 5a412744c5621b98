#include "chart/wizards/ReaderSupport.h"

#include <algorithm>

namespace quobrix {

namespace {

char ClosingOf(const Token& token) {
  if (IsSymbol(token, "(")) return ')';
  if (IsSymbol(token, "[")) return ']';
  if (IsSymbol(token, "{")) return '}';
  return 0;
}

bool IsClosing(const Token& token) { return IsSymbol(token, ")") || IsSymbol(token, "]") || IsSymbol(token, "}"); }

// Statement separators end an expression even inside brackets.
bool EndsAnything(const Token& token) {
  return token.kind == TokenKind::End || token.kind == TokenKind::Newline || token.kind == TokenKind::Indent ||
         token.kind == TokenKind::Dedent || IsSymbol(token, ";");
}

bool IsOperand(const Token& token, const ExpressionRules& rules) {
  if (token.kind == TokenKind::Number || token.kind == TokenKind::String) return true;
  return token.kind == TokenKind::Word && !rules.operatorWord(token);
}

bool IsStopSymbol(const Token& token, const ExpressionRules& rules) {
  return token.kind == TokenKind::Symbol &&
         std::find(rules.stopSymbols.begin(), rules.stopSymbols.end(), token.text) != rules.stopSymbols.end();
}

bool EndsFlow(const FlowNode& node);

bool EndsFlow(const FlowSequence& sequence) {
  return std::any_of(sequence.begin(), sequence.end(), [](const FlowNode& n) { return EndsFlow(n); });
}

// A jump, or a decision whose branches both end in one.
bool EndsFlow(const FlowNode& node) {
  switch (node.kind) {
    case FlowKind::Return:
    case FlowKind::Break:
    case FlowKind::Continue:
      return true;
    case FlowKind::If:
      return EndsFlow(node.body) && EndsFlow(node.orElse);
    default:
      return false;
  }
}

void FinishSequence(FlowSequence& sequence, const std::vector<std::string>& routines) {
  const auto end = std::find_if(sequence.begin(), sequence.end(), [](const FlowNode& n) { return EndsFlow(n); });
  if (end != sequence.end()) sequence.erase(end + 1, sequence.end());
  for (FlowNode& node : sequence) {
    const bool callsRoutine = std::any_of(node.calls.begin(), node.calls.end(), [&](const std::string& name) {
      return std::find(routines.begin(), routines.end(), name) != routines.end();
    });
    if (node.kind == FlowKind::Process && callsRoutine) node.kind = FlowKind::Call;
    FinishSequence(node.body, routines);
    FinishSequence(node.orElse, routines);
  }
}

}  // namespace

std::size_t ScanExpression(const std::vector<Token>& tokens, std::size_t from, const ExpressionRules& rules) {
  std::string open;  // the closing brackets awaited, innermost last
  bool afterOperand = false;
  std::size_t at = from;
  for (;; ++at) {
    const Token& token = tokens[std::min(at, tokens.size() - 1)];
    const bool joinsString =
        rules.stringsJoin && at > from && tokens[at - 1].kind == TokenKind::String && token.kind == TokenKind::String;
    const bool stops = EndsAnything(token) || rules.stopWord(token) || (open.empty() && IsStopSymbol(token, rules)) ||
                       (open.empty() && IsClosing(token)) || (afterOperand && IsOperand(token, rules) && !joinsString);
    if (stops) {
      if (!open.empty()) ThrowExpected(token, {std::string(1, open.back())});
      return std::min(at, tokens.size() - 1);
    }
    if (const char closing = ClosingOf(token)) {
      open.push_back(closing);
      afterOperand = false;
    } else if (IsClosing(token)) {
      if (token.text[0] != open.back()) ThrowExpected(token, {std::string(1, open.back())});
      open.pop_back();
      afterOperand = true;
    } else {
      afterOperand = IsOperand(token, rules);
    }
  }
}

std::vector<TokenRange> SplitOutsideBrackets(const std::vector<Token>& tokens, TokenRange range,
                                             std::string_view separator) {
  std::vector<TokenRange> parts;
  int depth = 0;
  std::size_t start = range.first;
  for (std::size_t i = range.first; i < range.second; ++i) {
    if (ClosingOf(tokens[i])) ++depth;
    if (IsClosing(tokens[i])) --depth;
    if (depth == 0 && IsSymbol(tokens[i], separator)) {
      parts.emplace_back(start, i);
      start = i + 1;
    }
  }
  parts.emplace_back(start, range.second);
  return parts;
}

std::size_t ClosingBracket(const std::vector<Token>& tokens, std::size_t open) {
  int depth = 0;
  for (std::size_t i = open; i < tokens.size(); ++i) {
    if (ClosingOf(tokens[i])) ++depth;
    if (IsClosing(tokens[i]) && --depth == 0) return i;
    if (EndsAnything(tokens[i])) ThrowExpected(tokens[i], {")"});
  }
  ThrowExpected(tokens.back(), {")"});
}

TokenRange WithoutOuterParentheses(const std::vector<Token>& tokens, TokenRange range) {
  if (range.second - range.first < 2 || !IsSymbol(tokens[range.first], "(") || !IsSymbol(tokens[range.second - 1], ")"))
    return range;
  int depth = 0;
  for (std::size_t i = range.first; i < range.second - 1; ++i) {
    if (ClosingOf(tokens[i])) ++depth;
    if (IsClosing(tokens[i])) --depth;
    if (depth == 0) return range;  // the first bracket closes before the end
  }
  return {range.first + 1, range.second - 1};
}

std::vector<std::string> CalledNames(const std::vector<Token>& tokens, TokenRange range, bool ignoreCase) {
  std::vector<std::string> names;
  for (std::size_t i = range.first; i + 1 < range.second; ++i)
    if (tokens[i].kind == TokenKind::Word && IsSymbol(tokens[i + 1], "("))
      names.push_back(ignoreCase ? LowerCase(tokens[i].text) : tokens[i].text);
  return names;
}

NestingGuard::NestingGuard(DepthLimit& depth, const Token& at) : depth_(depth) { Deeper(at); }

void NestingGuard::Deeper(const Token& at) {
  if (depth_.open >= depth_.most) throw CodeFault(depth_.fault, at.line, at.column);
  ++depth_.open;
  ++levels_;
}

void FinishProgram(FlowProgram& program, const std::vector<std::string>& routines) {
  FinishSequence(program.main, routines);
  for (FlowRoutine& routine : program.routines) FinishSequence(routine.body, routines);
}

}  // namespace quobrix
