#include "chart/wizards/ProgramDialect.h"

#include <array>
#include <cctype>

#include "chart/wizards/ProgramTokens.h"

namespace quobrix {

namespace {

bool IsWordByte(unsigned char c) {
  // Latin letters, digits, '_', Cyrillic letters and the Ukrainian and Belarusian ones.
  constexpr std::string_view kExtraLetters = "\xA5\xB4\xA8\xB8\xAA\xBA\xAF\xBF\xB2\xB3\xA1\xA2";
  return std::isalnum(c) || c == '_' || c >= 0xC0 || kExtraLetters.find(char(c)) != std::string_view::npos;
}

constexpr std::array kPairs = {":=", "==", "!=", "<>", "<=", ">=", "//", "**", "+=", "-=", "*=", "/=", "%=", ".."};

bool Is(const TextPiece& piece, std::string_view text) { return piece.kind == TextPiece::Symbol && piece.text == text; }
bool IsWord(const TextPiece& piece, std::string_view lower) {
  return piece.kind == TextPiece::Word && LowerCase(piece.text) == lower;
}

// A word that was an operator in the other spelling stands apart from its operands.
TextPiece Spaced(std::string text, TextPiece::Kind kind = TextPiece::Symbol) { return {kind, std::move(text), true}; }

void Replace(std::vector<TextPiece>& pieces, std::size_t at, TextPiece with) {
  const bool apart = with.spaceBefore || pieces[at].spaceBefore;
  pieces[at] = std::move(with);
  pieces[at].spaceBefore = apart;
  if (pieces[at].kind == TextPiece::Word && at + 1 < pieces.size()) pieces[at + 1].spaceBefore = true;
}

// "name =" right after "(" or ",": an argument passed by name, not a comparison.
bool NamesArgument(const std::vector<TextPiece>& pieces, std::size_t at) {
  return at >= 2 && pieces[at - 1].kind == TextPiece::Word && (Is(pieces[at - 2], "(") || Is(pieces[at - 2], ","));
}

// A Python string in Pascal's quotes; a Pascal one stays.
std::string PascalString(const std::string& text) {
  if (text.size() < 2 || text.front() != '"') return text;
  std::string out = "'";
  for (std::size_t i = 1; i + 1 < text.size(); ++i) {
    char c = text[i];
    if (c == '\\' && i + 2 < text.size()) c = text[++i];
    out += c == '\'' ? std::string("''") : std::string(1, c);
  }
  return out + "'";
}

// A Pascal string with a doubled quote in Python's double quotes.
std::string PythonString(const std::string& text) {
  const std::size_t doubled = text.find("''", 1);
  if (text.size() < 2 || text.front() != '\'' || doubled == std::string::npos || doubled + 2 >= text.size())
    return text;
  std::string out = "\"";
  for (std::size_t i = 1; i + 1 < text.size(); ++i) {
    if (text[i] == '\'' && text[i + 1] == '\'') ++i;
    if (text[i] == '"' || text[i] == '\\') out += '\\';
    out += text[i];
  }
  return out + "\"";
}

// Operators outside the assignment, from Python's spelling to Pascal's.
void ValuesToPascal(std::vector<TextPiece>& pieces, std::size_t from) {
  for (std::size_t i = from; i < pieces.size(); ++i) {
    const TextPiece& p = pieces[i];
    if (Is(p, "=="))
      Replace(pieces, i, Spaced("="));
    else if (Is(p, "!="))
      Replace(pieces, i, Spaced("<>"));
    else if (Is(p, "//"))
      Replace(pieces, i, Spaced("div", TextPiece::Word));
    else if (Is(p, "%"))
      Replace(pieces, i, Spaced("mod", TextPiece::Word));
    else if (p.kind == TextPiece::Word && (p.text == "True" || p.text == "False"))
      Replace(pieces, i, {TextPiece::Word, LowerCase(p.text), false});
    else if (p.kind == TextPiece::String)
      pieces[i].text = PascalString(p.text);
  }
}

void ValuesToPython(std::vector<TextPiece>& pieces, std::size_t from, TextRole role) {
  for (std::size_t i = from; i < pieces.size(); ++i) {
    const TextPiece& p = pieces[i];
    if (Is(p, "=") && !(role == TextRole::Values && NamesArgument(pieces, i)))
      Replace(pieces, i, Spaced("=="));
    else if (Is(p, "<>"))
      Replace(pieces, i, Spaced("!="));
    else if (IsWord(p, "div"))
      Replace(pieces, i, Spaced("//"));
    else if (IsWord(p, "mod"))
      Replace(pieces, i, Spaced("%"));
    else if (IsWord(p, "true"))
      Replace(pieces, i, {TextPiece::Word, "True", false});
    else if (IsWord(p, "false"))
      Replace(pieces, i, {TextPiece::Word, "False", false});
    else if (IsWord(p, "and") || IsWord(p, "or") || IsWord(p, "not"))
      pieces[i].text = LowerCase(p.text);
    else if (p.kind == TextPiece::String)
      pieces[i].text = PythonString(p.text);
  }
}

// Pascal's "and" and "or" bind before comparisons: "a = 1 and b > 2" becomes
// "(a = 1) and (b > 2)".
void ComparisonsBracketed(std::vector<TextPiece>& pieces, std::size_t from) {
  std::vector<std::pair<std::size_t, std::size_t>> parts;  // [first, last) between "and" and "or"
  bool joined = false;
  int depth = 0;
  std::size_t start = from;
  for (std::size_t i = from; i <= pieces.size(); ++i) {
    if (i < pieces.size()) {
      if (Is(pieces[i], "(") || Is(pieces[i], "[")) ++depth;
      if (Is(pieces[i], ")") || Is(pieces[i], "]")) --depth;
      if (depth != 0 || !(IsWord(pieces[i], "and") || IsWord(pieces[i], "or"))) continue;
      joined = true;
    }
    parts.emplace_back(start, i);
    start = i + 1;
  }
  if (!joined) return;
  for (auto part = parts.rbegin(); part != parts.rend(); ++part) {
    int level = 0;
    bool compares = false;
    for (std::size_t i = part->first; i < part->second; ++i) {
      if (Is(pieces[i], "(") || Is(pieces[i], "[")) ++level;
      if (Is(pieces[i], ")") || Is(pieces[i], "]")) --level;
      compares = compares || (level == 0 && (Is(pieces[i], "=") || Is(pieces[i], "<>") || Is(pieces[i], "<") ||
                                             Is(pieces[i], ">") || Is(pieces[i], "<=") || Is(pieces[i], ">=")));
    }
    if (!compares || part->first == part->second) continue;
    pieces.insert(pieces.begin() + std::ptrdiff_t(part->second), {TextPiece::Symbol, ")", false});
    pieces.insert(pieces.begin() + std::ptrdiff_t(part->first),
                  {TextPiece::Symbol, "(", pieces[part->first].spaceBefore});
    pieces[part->first + 1].spaceBefore = false;
  }
}

// "x += e" as "x := x + (e)".
void SpelledOut(std::vector<TextPiece>& pieces, std::size_t at) {
  const std::string op = pieces[at].text.substr(0, 1);
  std::vector<TextPiece> out(pieces.begin(), pieces.begin() + std::ptrdiff_t(at));
  out.push_back(Spaced(":="));
  for (std::size_t i = 0; i < at; ++i) out.push_back(pieces[i]);
  out[at + 1].spaceBefore = true;
  out.push_back(Spaced(op == "/" ? "/" : op));
  out.push_back(Spaced("("));
  for (std::size_t i = at + 1; i < pieces.size(); ++i) out.push_back(pieces[i]);
  out[out.size() - (pieces.size() - at - 1)].spaceBefore = false;
  out.push_back({TextPiece::Symbol, ")", false});
  pieces = std::move(out);
}

}  // namespace

std::vector<TextPiece> TextPieces(std::string_view text) {
  std::vector<TextPiece> pieces;
  std::size_t i = 0;
  while (i < text.size()) {
    bool space = false;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i, space = true;
    if (i >= text.size()) break;
    const std::size_t start = i;
    const auto c = static_cast<unsigned char>(text[i]);
    TextPiece::Kind kind = TextPiece::Symbol;
    if (c == '\'' || c == '"') {
      kind = TextPiece::String;
      for (++i; i < text.size() && text[i] != char(c); ++i)
        if (c == '"' && text[i] == '\\') ++i;
      i = std::min(i + 1, text.size());
    } else if (std::isdigit(c)) {
      kind = TextPiece::Number;
      while (i < text.size() && (IsWordByte(static_cast<unsigned char>(text[i])) ||
                                 (text[i] == '.' && i + 1 < text.size() && text[i + 1] != '.')))
        ++i;
    } else if (IsWordByte(c)) {
      kind = TextPiece::Word;
      while (i < text.size() && IsWordByte(static_cast<unsigned char>(text[i]))) ++i;
    } else {
      const std::string_view two = text.substr(i, 2);
      i += std::any_of(kPairs.begin(), kPairs.end(), [&](const char* pair) { return two == pair; }) ? 2 : 1;
    }
    pieces.push_back({kind, std::string(text.substr(start, i - start)), space});
  }
  return pieces;
}

std::string Spelled(const std::vector<TextPiece>& pieces) {
  std::string text;
  for (const TextPiece& piece : pieces) text += (piece.spaceBefore && !text.empty() ? " " : "") + piece.text;
  return text;
}

std::size_t AssignmentAt(const std::vector<TextPiece>& pieces) {
  int depth = 0;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const TextPiece& p = pieces[i];
    if (Is(p, "(") || Is(p, "[")) ++depth;
    if (Is(p, ")") || Is(p, "]")) --depth;
    const bool assigns = Is(p, ":=") || Is(p, "=") || Is(p, "+=") || Is(p, "-=") || Is(p, "*=") || Is(p, "/=");
    if (depth == 0 && assigns) return i;
  }
  return pieces.size();
}

std::string InPascal(std::string_view text, TextRole role) {
  std::vector<TextPiece> pieces = TextPieces(text);
  const std::vector<TextPiece> before = pieces;
  std::size_t from = 0;
  if (role == TextRole::Statement) {
    const std::size_t at = AssignmentAt(pieces);
    if (at < pieces.size()) {
      if (Is(pieces[at], "="))
        Replace(pieces, at, Spaced(":="));
      else if (!Is(pieces[at], ":="))
        SpelledOut(pieces, at);
      from = AssignmentAt(pieces) + 1;
    }
  }
  ValuesToPascal(pieces, from);
  ComparisonsBracketed(pieces, from);
  return Spelled(pieces) == Spelled(before) ? std::string(text) : Spelled(pieces);
}

std::string InPython(std::string_view text, TextRole role) {
  std::vector<TextPiece> pieces = TextPieces(text);
  const std::vector<TextPiece> before = pieces;
  std::size_t from = 0;
  if (role == TextRole::Statement) {
    const std::size_t at = AssignmentAt(pieces);
    if (at < pieces.size() && Is(pieces[at], ":=")) Replace(pieces, at, Spaced("="));
    // A Python assignment already: its "=" stays, the value after it is converted.
    from = at < pieces.size() ? at + 1 : 0;
  }
  ValuesToPython(pieces, from, role);
  return Spelled(pieces) == Spelled(before) ? std::string(text) : Spelled(pieces);
}

}  // namespace quobrix
