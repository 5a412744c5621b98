#include "chart/wizards/ProgramWriter.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <set>

#include "chart/Cp1251.h"
#include "chart/wizards/ChartStructure.h"
#include "chart/wizards/ProgramDialect.h"
#include "chart/wizards/ProgramTokens.h"

namespace quobrix {

namespace {

bool Is(const TextPiece& piece, std::string_view text) { return piece.kind == TextPiece::Symbol && piece.text == text; }
bool IsWord(const TextPiece& piece, std::string_view lower) {
  return piece.kind == TextPiece::Word && LowerCase(piece.text) == lower;
}

std::vector<TextPiece> Slice(const std::vector<TextPiece>& pieces, std::size_t from, std::size_t to) {
  return {pieces.begin() + std::ptrdiff_t(from), pieces.begin() + std::ptrdiff_t(std::min(to, pieces.size()))};
}

// The parts between top-level commas.
std::vector<std::vector<TextPiece>> Split(const std::vector<TextPiece>& pieces) {
  std::vector<std::vector<TextPiece>> parts(1);
  int depth = 0;
  for (const TextPiece& p : pieces) {
    if (Is(p, "(") || Is(p, "[")) ++depth;
    if (Is(p, ")") || Is(p, "]")) --depth;
    if (depth == 0 && Is(p, ",")) {
      parts.emplace_back();
      continue;
    }
    parts.back().push_back(p);
  }
  return parts;
}

// ----- counted loops

// "i := 1, n", "i = n, 1, -1", "i := 1 to n", "x in list", as loop symbols say them.
struct LoopHeader {
  std::string variable, first, last, step = "1";
  std::string items;  // for a loop over a list
};

std::optional<LoopHeader> ReadLoopHeader(const std::string& text) {
  const std::vector<TextPiece> pieces = TextPieces(text);
  const std::size_t at = AssignmentAt(pieces);
  if (at == pieces.size()) {
    const auto in = std::find_if(pieces.begin(), pieces.end(), [](const TextPiece& p) { return IsWord(p, "in"); });
    if (in == pieces.begin() || in == pieces.end()) return std::nullopt;
    const std::size_t i = std::size_t(in - pieces.begin());
    return LoopHeader{Spelled(Slice(pieces, 0, i)), "", "", "1", Spelled(Slice(pieces, i + 1, pieces.size()))};
  }
  LoopHeader header{Spelled(Slice(pieces, 0, at)), "", "", "1", ""};
  const std::vector<TextPiece> range = Slice(pieces, at + 1, pieces.size());
  const auto word = std::find_if(range.begin(), range.end(), [](const TextPiece& p) {
    return IsWord(p, "to") || IsWord(p, "downto") || Is(p, "..");
  });
  std::vector<std::vector<TextPiece>> parts;
  if (word != range.end()) {
    const std::size_t i = std::size_t(word - range.begin());
    parts = {Slice(range, 0, i), Slice(range, i + 1, range.size())};
    if (IsWord(*word, "downto")) parts.push_back({{TextPiece::Number, "-1", false}});
  } else {
    parts = Split(range);
  }
  if (parts.size() < 2 || parts.size() > 3 || header.variable.empty()) return std::nullopt;
  header.first = Spelled(parts[0]);
  header.last = Spelled(parts[1]);
  if (parts.size() == 3) header.step = Spelled(parts[2]);
  if (header.first.empty() || header.last.empty()) return std::nullopt;
  return header;
}

std::optional<long long> Integer(const std::string& text) {
  if (text.empty()) return std::nullopt;
  std::size_t used = 0;
  try {
    const long long value = std::stoll(text, &used);
    return used == text.size() ? std::optional<long long>(value) : std::nullopt;
  } catch (...) {
    return std::nullopt;
  }
}

// The bound Python's range stops before, for the last value it should reach.
std::string RangeBound(const std::string& last, long long step) {
  const long long beyond = step > 0 ? 1 : -1;
  long long sum = 0;
  if (const auto value = Integer(last); value && !__builtin_add_overflow(*value, beyond, &sum))
    return std::to_string(sum);
  const std::vector<TextPiece> pieces = TextPieces(last);
  const std::size_t n = pieces.size();
  if (n >= 3 && (Is(pieces[n - 2], "+") || Is(pieces[n - 2], "-"))) {
    const auto addend = Integer(pieces[n - 1].text);
    if (addend && !__builtin_add_overflow(Is(pieces[n - 2], "+") ? *addend : -*addend, beyond, &sum)) {
      const std::string rest = Spelled(Slice(pieces, 0, n - 2));
      if (sum == 0) return rest;
      const auto size = sum > 0 ? static_cast<unsigned long long>(sum) : 0ULL - static_cast<unsigned long long>(sum);
      return rest + (sum > 0 ? " + " : " - ") + std::to_string(size);
    }
  }
  return last + (step > 0 ? " + 1" : " - 1");
}

// ----- declarations

constexpr std::array kKnownWords = {
    "and",  "or",      "not",     "div",    "mod",    "in",      "xor",   "shl",    "shr",       "true",     "false",
    "nil",  "writeln", "write",   "readln", "read",   "sqrt",    "sqr",   "abs",    "round",     "trunc",    "length",
    "ord",  "chr",     "odd",     "inc",    "dec",    "exit",    "halt",  "random", "randomize", "pi",       "maxint",
    "sin",  "cos",     "ln",      "exp",    "arctan", "frac",    "int",   "succ",   "pred",      "upcase",   "copy",
    "pos",  "concat",  "integer", "real",   "string", "boolean", "char",  "result", "break",     "continue", "return",
    "none", "is",      "len",     "range",  "float",  "str",     "input", "print",  "min",       "max"};

bool IsKnownWord(const TextPiece& piece) {
  return std::any_of(kKnownWords.begin(), kKnownWords.end(), [&](const char* w) { return IsWord(piece, w); });
}

// The type a value suggests.
std::string TypeOf(const std::vector<TextPiece>& value) {
  const auto has = [&](auto predicate) { return std::any_of(value.begin(), value.end(), predicate); };
  if (has([](const TextPiece& p) { return p.kind == TextPiece::String && p.text.size() != 3; })) return "string";
  if (has([](const TextPiece& p) {
        return IsWord(p, "true") || IsWord(p, "false") || Is(p, "=") || Is(p, "<") || Is(p, ">") || Is(p, "<=") ||
               Is(p, ">=") || Is(p, "<>");
      }))
    return "boolean";
  if (has([](const TextPiece& p) {
        return Is(p, "/") || (p.kind == TextPiece::Number && p.text.find('.') != std::string::npos) ||
               IsWord(p, "sqrt") || IsWord(p, "pi") || IsWord(p, "sin") || IsWord(p, "cos") || IsWord(p, "ln") ||
               IsWord(p, "exp");
      }))
    return "real";
  return "integer";
}

struct Variable {
  std::string name, type = "integer";
  bool indexed = false;
};

// The variables of one chart, in the order they are first met.
class Variables {
 public:
  void Assign(const std::vector<TextPiece>& target, const std::vector<TextPiece>& value) {
    if (target.empty() || target.front().kind != TextPiece::Word) return;
    Variable& v = Add(target.front().text);
    v.indexed = v.indexed || (target.size() > 1 && Is(target[1], "["));
    const std::string type = value.empty() ? "integer" : TypeOf(value);
    if (!assigned_.count(LowerCase(v.name)) || (v.type == "integer" && type == "real")) v.type = type;
    assigned_.insert(LowerCase(v.name));
  }

  // Names the text reads that nothing assigns: calls and known words aside.
  void Read(const std::vector<TextPiece>& pieces) {
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      const TextPiece& p = pieces[i];
      const bool called = i + 1 < pieces.size() && Is(pieces[i + 1], "(");
      const bool field = i > 0 && Is(pieces[i - 1], ".");
      if (p.kind != TextPiece::Word || called || field || IsKnownWord(p)) continue;
      Add(p.text).indexed |= i + 1 < pieces.size() && Is(pieces[i + 1], "[");
    }
  }

  bool Has(const std::string& name) const { return index_.count(LowerCase(name)) > 0; }
  const std::vector<Variable>& All() const { return list_; }

  void Forget(const std::string& name) {
    const auto found = index_.find(LowerCase(name));
    if (found == index_.end()) return;
    list_.erase(list_.begin() + std::ptrdiff_t(found->second));
    index_.clear();
    for (std::size_t i = 0; i < list_.size(); ++i) index_[LowerCase(list_[i].name)] = i;
  }

 private:
  std::vector<Variable> list_;
  std::map<std::string, std::size_t> index_;
  std::set<std::string> assigned_;

  Variable& Add(const std::string& name) {
    const auto [found, added] = index_.emplace(LowerCase(name), list_.size());
    if (added) list_.push_back({name, "integer", false});
    return list_[found->second];
  }
};

// ----- assignments of several variables at once

using Tuple = std::vector<std::pair<std::vector<TextPiece>, std::vector<TextPiece>>>;

// The variables and their values of "a, b := b, a"; nothing for any other statement.
Tuple TupleAssignment(const std::vector<TextPiece>& pieces) {
  const std::size_t at = AssignmentAt(pieces);
  if (at == pieces.size() || !Is(pieces[at], ":=")) return {};
  const auto targets = Split(Slice(pieces, 0, at)), values = Split(Slice(pieces, at + 1, pieces.size()));
  if (targets.size() < 2 || targets.size() != values.size()) return {};
  Tuple tuple;
  for (std::size_t i = 0; i < targets.size(); ++i) {
    if (targets[i].empty() || values[i].empty()) return {};
    tuple.emplace_back(targets[i], values[i]);
  }
  return tuple;
}

std::string TupleTemporary(std::size_t i) { return "tuple_" + std::to_string(i + 1); }

// ----- writing

std::string Utf8(const std::string& cp1251) { return Cp1251ToUtf8(cp1251); }

struct RoutineHeader {
  std::string name;
  std::vector<std::string> parameters;
};

RoutineHeader ReadRoutineHeader(const std::string& header) {
  const std::vector<TextPiece> pieces = TextPieces(header);
  RoutineHeader out{pieces.empty() ? "routine" : pieces.front().text, {}};
  const auto open = std::find_if(pieces.begin(), pieces.end(), [](const TextPiece& p) { return Is(p, "("); });
  if (open == pieces.end()) return out;
  const std::size_t from = std::size_t(open - pieces.begin()) + 1;
  const std::size_t to = pieces.size() - (Is(pieces.back(), ")") ? 1 : 0);
  for (const auto& part : Split(Slice(pieces, from, to)))
    if (!part.empty()) out.parameters.push_back(Spelled(part));
  return out;
}

std::string Listed(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
  return text;
}

class Writer {
 public:
  explicit Writer(CodeLanguage language) : pascal_(language == CodeLanguage::Pascal) {}

  ProgramListing Write(const FlowProgram& program) {
    if (pascal_) {
      Line("program FromChart;", nullptr);
      Declare(MainVariables(program), "");
      for (const FlowRoutine& routine : program.routines) PascalRoutine(routine);
      Line("begin", nullptr);
      Block(program.main, 1);
      Line("end.", nullptr);
    } else {
      for (const FlowRoutine& routine : program.routines) {
        Line("def " + Text(routine.header, TextRole::Values) + ":", routine.symbol);
        Block(routine.body, 1);
        Line("", nullptr);
      }
      inRoutine_ = false;
      Block(program.main, 0);
    }
    return std::move(listing_);
  }

 private:
  bool pascal_;
  bool inRoutine_ = true;
  int indent_ = 0;
  ProgramListing listing_;

  void Line(const std::string& text, const TBlock* symbol) {
    listing_.lines.push_back({std::string(std::size_t(indent_) * (pascal_ ? 2 : 4), ' ') + Utf8(text), symbol});
  }

  std::string Text(const std::string& text, TextRole role) const {
    return pascal_ ? InPascal(text, role) : InPython(text, role);
  }

  // ----- Pascal's frame

  static void Collect(const FlowSequence& body, Variables& vars) {
    for (const FlowNode& node : body) {
      const std::vector<TextPiece> pieces =
          TextPieces(node.kind == FlowKind::Process ? InPascal(node.text, TextRole::Statement)
                                                    : InPascal(node.text, TextRole::Values));
      if (node.kind == FlowKind::Process) {
        const std::size_t at = AssignmentAt(pieces);
        const auto tuple = TupleAssignment(pieces);
        for (std::size_t i = 0; i < tuple.size(); ++i) {
          vars.Assign(tuple[i].first, tuple[i].second);
          vars.Assign({{TextPiece::Word, TupleTemporary(i), false}}, tuple[i].second);
        }
        if (tuple.empty() && at < pieces.size())
          vars.Assign(Slice(pieces, 0, at), Slice(pieces, at + 1, pieces.size()));
      } else if (node.kind == FlowKind::Input) {
        for (const auto& target : Split(pieces)) vars.Assign(target, {});
      } else if (node.kind == FlowKind::For) {
        if (const auto header = ReadLoopHeader(node.text)) vars.Assign(TextPieces(header->variable), {});
      }
      Collect(node.body, vars);
      Collect(node.orElse, vars);
    }
  }

  static void CollectReads(const FlowSequence& body, Variables& vars) {
    for (const FlowNode& node : body) {
      vars.Read(TextPieces(node.text));
      CollectReads(node.body, vars);
      CollectReads(node.orElse, vars);
    }
  }

  static Variables MainVariables(const FlowProgram& program) {
    Variables vars;
    Collect(program.main, vars);
    CollectReads(program.main, vars);
    for (const FlowRoutine& routine : program.routines) {
      Variables own = RoutineVariables(routine);
      Variables reads;
      CollectReads(routine.body, reads);
      for (const Variable& v : reads.All())
        if (!own.Has(v.name) && !IsParameter(routine, v.name)) vars.Read({{TextPiece::Word, v.name, false}});
    }
    for (const FlowRoutine& routine : program.routines) vars.Forget(ReadRoutineHeader(routine.header).name);
    return vars;
  }

  static bool IsParameter(const FlowRoutine& routine, const std::string& name) {
    const auto params = ReadRoutineHeader(routine.header).parameters;
    return std::any_of(params.begin(), params.end(),
                       [&](const std::string& p) { return LowerCase(p) == LowerCase(name); });
  }

  static Variables RoutineVariables(const FlowRoutine& routine) {
    Variables vars;
    Collect(routine.body, vars);
    for (const std::string& p : ReadRoutineHeader(routine.header).parameters) vars.Forget(p);
    return vars;
  }

  void Declare(const Variables& vars, const std::string& pad) {
    if (vars.All().empty()) return;
    Line(pad + "var", nullptr);
    for (const Variable& v : vars.All())
      Line(pad + "  " + v.name + ": " + (v.indexed ? "array[0..1000] of " + v.type : v.type) + ";", nullptr);
  }

  static void Returns(const FlowSequence& body, std::vector<std::string>& values) {
    for (const FlowNode& node : body) {
      if (node.kind == FlowKind::Return && !ReturnValue(node.text).empty()) values.push_back(ReturnValue(node.text));
      Returns(node.body, values);
      Returns(node.orElse, values);
    }
  }

  // "return x", "exit(x)" and "x" all return x.
  static std::string ReturnValue(const std::string& text) {
    std::vector<TextPiece> pieces = TextPieces(text);
    if (!pieces.empty() &&
        (IsWord(pieces.front(), "return") || IsWord(pieces.front(), "exit") || IsWord(pieces.front(), "halt")))
      pieces.erase(pieces.begin());
    if (pieces.size() >= 2 && Is(pieces.front(), "(") && Is(pieces.back(), ")"))
      pieces = Slice(pieces, 1, pieces.size() - 1);
    return Spelled(pieces);
  }

  void PascalRoutine(const FlowRoutine& routine) {
    const RoutineHeader header = ReadRoutineHeader(routine.header);
    std::vector<std::string> values;
    Returns(routine.body, values);
    std::string line = (values.empty() ? "procedure " : "function ") + header.name;
    if (!header.parameters.empty()) line += "(" + Listed(header.parameters) + ": integer)";
    if (!values.empty()) line += ": " + TypeOf(TextPieces(InPascal(values.front(), TextRole::Values)));
    Line(line + ";", routine.symbol);
    Declare(RoutineVariables(routine), "");
    Line("begin", routine.symbol);
    Block(routine.body, 1);
    Line("end;", routine.symbol);
    Line("", nullptr);
  }

  // ----- statements

  void Block(const FlowSequence& body, int indent) {
    const int was = indent_;
    indent_ = indent;
    if (body.empty() && !pascal_) Line("pass", nullptr);
    for (const FlowNode& node : body) Statement(node);
    indent_ = was;
  }

  // Pascal's statements each end in ";", which Pascal allows before "end".
  void Simple(const std::string& text, const TBlock* symbol) { Line(text + (pascal_ ? ";" : ""), symbol); }

  void Nested(const FlowSequence& body) {
    if (pascal_) Line("begin", nullptr);
    Block(body, indent_ + 1);
    if (pascal_) Line("end", nullptr);
  }

  void Statement(const FlowNode& node) {
    const TBlock* symbol = node.symbol;
    switch (node.kind) {
      case FlowKind::Process:
        return Assignment(node);
      case FlowKind::Call:
        return Simple(Text(node.text, TextRole::Values), symbol);
      case FlowKind::Input:
        return Input(node);
      case FlowKind::Output:
        return Simple((pascal_ ? "writeln(" : "print(") + Text(node.text, TextRole::Values) + ")", symbol);
      case FlowKind::Return:
        return Return(node);
      case FlowKind::Break:
        return Simple("break", symbol);
      case FlowKind::Continue:
        return Simple("continue", symbol);
      case FlowKind::If:
        return If(node);
      case FlowKind::While:
        Line(pascal_ ? "while " + Text(node.text, TextRole::Condition) + " do"
                     : "while " + Text(node.text, TextRole::Condition) + ":",
             symbol);
        Nested(node.body);
        if (pascal_) listing_.lines.back().text += ";";
        return;
      case FlowKind::Repeat:
        return Repeat(node);
      case FlowKind::For:
        return For(node);
    }
  }

  // Pascal assigns one variable at a time: "a, b := b, a" goes through
  // temporaries, all values taken before any variable changes.
  void Assignment(const FlowNode& node) {
    const std::string text = Text(node.text, TextRole::Statement);
    const auto tuple = pascal_ ? TupleAssignment(TextPieces(text)) : Tuple{};
    if (tuple.empty()) return Simple(text, node.symbol);
    for (std::size_t i = 0; i < tuple.size(); ++i)
      Simple(TupleTemporary(i) + " := " + Spelled(tuple[i].second), node.symbol);
    for (std::size_t i = 0; i < tuple.size(); ++i)
      Simple(Spelled(tuple[i].first) + " := " + TupleTemporary(i), node.symbol);
  }

  void Input(const FlowNode& node) {
    const std::string targets = Text(node.text, TextRole::Values);
    if (pascal_) return Simple("readln(" + targets + ")", node.symbol);
    for (const auto& target : Split(TextPieces(targets))) Simple(Spelled(target) + " = int(input())", node.symbol);
  }

  void Return(const FlowNode& node) {
    const std::string value = Text(ReturnValue(node.text), TextRole::Values);
    if (pascal_) return Simple(value.empty() ? "exit" : "exit(" + value + ")", node.symbol);
    if (!inRoutine_) return Simple("exit()", node.symbol);
    Simple(value.empty() ? "return" : "return " + value, node.symbol);
  }

  void If(const FlowNode& node) {
    const bool negate = node.body.empty() && !node.orElse.empty();
    std::string condition = Text(node.text, TextRole::Condition);
    if (negate) condition = "not (" + condition + ")";
    const FlowSequence& yes = negate ? node.orElse : node.body;
    const FlowSequence& no = negate ? node.body : node.orElse;
    Line(pascal_ ? "if " + condition + " then" : "if " + condition + ":", node.symbol);
    Nested(yes);
    if (no.empty()) {
      if (pascal_) listing_.lines.back().text += ";";
      return;
    }
    if (!pascal_ && no.size() == 1 && no.front().kind == FlowKind::If && !no.front().body.empty()) {
      const std::size_t at = listing_.lines.size();
      If(no.front());
      listing_.lines[at].text.replace(listing_.lines[at].text.find("if "), 3, "elif ");
      return;
    }
    Line(pascal_ ? "else" : "else:", node.symbol);
    Nested(no);
    if (pascal_) listing_.lines.back().text += ";";
  }

  void Repeat(const FlowNode& node) {
    const std::string condition = Text(node.text, TextRole::Condition);
    if (pascal_) {
      Line("repeat", node.symbol);
      Block(node.body, indent_ + 1);
      return Line("until " + condition + ";", node.symbol);
    }
    Line("while True:", node.symbol);
    Block(node.body, indent_ + 1);
    ++indent_;
    Line("if " + condition + ":", node.symbol);
    ++indent_;
    Line("break", node.symbol);
    indent_ -= 2;
  }

  void For(const FlowNode& node) {
    const auto header = ReadLoopHeader(node.text);
    std::string line;
    if (!header) {
      line = "for " + Text(node.text, TextRole::Values);
    } else if (!header->items.empty()) {
      line = "for " + header->variable + " in " + Text(header->items, TextRole::Values);
    } else if (pascal_) {
      const auto step = Integer(header->step);
      if (!step || (*step != 1 && *step != -1)) throw ChartFlowError{ChartFlowFault::LoopStep, node.symbol};
      line = "for " + header->variable + " := " + InPascal(header->first, TextRole::Values) +
             (*step > 0 ? " to " : " downto ") + InPascal(header->last, TextRole::Values);
    } else {
      const long long step = Integer(header->step).value_or(1);
      const std::string bound = RangeBound(InPython(header->last, TextRole::Values), step);
      line = "for " + header->variable + " in range(" + InPython(header->first, TextRole::Values) + ", " + bound +
             (step == 1 ? "" : ", " + header->step) + ")";
    }
    Line(line + (pascal_ ? " do" : ":"), node.symbol);
    Nested(node.body);
    if (pascal_) listing_.lines.back().text += ";";
  }
};

}  // namespace

std::string ProgramListing::Text() const {
  std::string text;
  for (const ProgramLine& line : lines) text += line.text + "\n";
  return text;
}

std::variant<ProgramListing, ChartFlowError> WriteProgram(const FlowProgram& program, CodeLanguage language) {
  try {
    return Writer(language).Write(program);
  } catch (const ChartFlowError& error) {
    return error;
  }
}

std::variant<ProgramListing, ChartFlowError> ChartProgramText(const BlocksHolderModel& chart, CodeLanguage language) {
  auto program = ReadChartProgram(chart);
  if (const auto* error = std::get_if<ChartFlowError>(&program)) return *error;
  return WriteProgram(std::get<FlowProgram>(program), language);
}

}  // namespace quobrix
