// Random school programs in Pascal and Python, for the property tests of
// the flowchart layout: nested decisions and loops of every kind, jumps,
// routines and their calls, Cyrillic names, and now and then an expression
// long enough to widen or wrap its symbol.
#pragma once

#include <random>
#include <string>
#include <vector>

namespace quobrix::test {

class RandomProgram {
 public:
  explicit RandomProgram(unsigned seed) : rng_(seed) {}

  std::string Python() {
    routines_ = Names("func", Int(0, 2));
    std::string out;
    for (const std::string& routine : routines_) {
      out += "def " + routine + "(a, b):\n";
      PythonBlock(out, 1, 1, false, true);
      out += "\n";
    }
    PythonBlock(out, 0, 0, false, false);
    return out;
  }

  std::string Pascal() {
    routines_ = Names("Proc", Int(0, 2));
    std::string out = "program Random;\nvar a, b, i, j: integer;\n";
    for (const std::string& routine : routines_) {
      out += "procedure " + routine + "(var a: integer; b: real);\nbegin\n";
      PascalBlock(out, 1, 1, false);
      out += "end;\n\n";
    }
    out += "begin\n";
    PascalBlock(out, 0, 1, false);
    return out + "end.\n";
  }

 private:
  std::mt19937 rng_;
  std::vector<std::string> routines_;
  static constexpr int kMaxDepth = 3;

  int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
  bool Chance(int percent) { return Int(1, 100) <= percent; }

  static std::vector<std::string> Names(const std::string& stem, int count) {
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i) names.push_back(stem + std::to_string(i));
    return names;
  }

  std::string Variable() {
    static const char* names[] = {"a", "b", "x1", "сумма", "Счёт", "a[i]", "total_count", "j"};
    return names[Int(0, 7)];
  }

  std::string Expression() {
    static const char* ops[] = {" + ", " - ", " * ", " / "};
    const int terms = Chance(10) ? Int(8, 30) : Int(1, 4);
    std::string e = Variable();
    for (int i = 1; i < terms; ++i) e += ops[Int(0, 3)] + (Chance(50) ? Variable() : std::to_string(Int(0, 99)));
    return e;
  }

  std::string Condition() { return Variable() + (Chance(50) ? " > " : " < ") + Expression(); }

  static std::string Indent(int level) { return std::string(static_cast<std::size_t>(level) * 4, ' '); }

  // One to three statements at `level`; a jump may end a block inside a loop.
  void PythonBlock(std::string& out, int depth, int level, bool inLoop, bool inDef) {
    const int count = Int(1, 3);
    for (int i = 0; i < count; ++i) PythonStatement(out, depth, level, inLoop, inDef);
    if (inLoop && Chance(15)) out += Indent(level) + (Chance(50) ? "break\n" : "continue\n");
    if (inDef && Chance(20)) out += Indent(level) + "return " + Expression() + "\n";
  }

  void PythonStatement(std::string& out, int depth, int level, bool inLoop, bool inDef) {
    const std::string pad = Indent(level);
    const int kind = depth < kMaxDepth ? Int(0, 9) : Int(0, 4);
    switch (kind) {
      case 0:
      case 1:
        out += pad + Variable() + " = " + Expression() + "\n";
        break;
      case 2:
        out += pad + Variable() + " = int(input())\n";
        break;
      case 3:
        out += pad + "print(\"Итог:\", " + Expression() + ")\n";
        break;
      case 4:
        if (routines_.empty()) return PythonStatement(out, kMaxDepth, level, inLoop, inDef);
        out += pad + routines_[static_cast<std::size_t>(Int(0, static_cast<int>(routines_.size()) - 1))] + "(" +
               Expression() + ", 1)\n";
        break;
      case 5:
      case 6:
        out += pad + "if " + Condition() + ":\n";
        PythonBlock(out, depth + 1, level + 1, inLoop, inDef);
        while (Chance(30)) {
          out += pad + "elif " + Condition() + ":\n";
          PythonBlock(out, depth + 1, level + 1, inLoop, inDef);
        }
        if (Chance(50)) {
          out += pad + "else:\n";
          PythonBlock(out, depth + 1, level + 1, inLoop, inDef);
        }
        break;
      case 7:
        out += pad + "while " + Condition() + ":\n";
        PythonBlock(out, depth + 1, level + 1, true, inDef);
        break;
      default:
        out += pad + "for i in range(" + (Chance(50) ? "n" : "1, n + 1") + "):\n";
        PythonBlock(out, depth + 1, level + 1, true, inDef);
        break;
    }
  }

  // Statements separated by ";" up to and including the block's last line.
  void PascalBlock(std::string& out, int depth, int level, bool inLoop) {
    const int count = Int(1, 3);
    for (int i = 0; i < count; ++i) {
      PascalStatement(out, depth, level, inLoop);
      out += ";\n";
    }
  }

  void PascalCompound(std::string& out, int depth, int level, bool inLoop) {
    out += Indent(level) + "begin\n";
    PascalBlock(out, depth, level + 1, inLoop);
    out += Indent(level) + "end";
  }

  void PascalStatement(std::string& out, int depth, int level, bool inLoop) {
    const std::string pad = Indent(level);
    const int kind = depth < kMaxDepth ? Int(0, 10) : Int(0, 4);
    switch (kind) {
      case 0:
      case 1:
        out += pad + Variable() + " := " + Expression();
        break;
      case 2:
        out += pad + "readln(" + Variable() + ", " + Variable() + ")";
        break;
      case 3:
        out += pad + "writeln('Итог: ', " + Expression() + ":8:2)";
        break;
      case 4:
        if (routines_.empty()) return PascalStatement(out, kMaxDepth, level, inLoop);
        out += pad + routines_[static_cast<std::size_t>(Int(0, static_cast<int>(routines_.size()) - 1))] + "(a, " +
               Expression() + ")";
        break;
      case 5:
        // A jump only ever stands in a branch, so every loop's condition stays reachable.
        out += pad + "if " + Condition() + " then\n";
        if (inLoop && Chance(30)) {
          out += pad + "  " + (Chance(50) ? "break" : "continue");
        } else {
          PascalCompound(out, depth + 1, level + 1, inLoop);
        }
        if (Chance(50)) {
          out += "\n" + pad + "else\n";
          PascalCompound(out, depth + 1, level + 1, inLoop);
        }
        break;
      case 6:
        out += pad + "while " + Condition() + " do\n";
        PascalCompound(out, depth + 1, level + 1, true);
        break;
      case 7:
        out += pad + "for i := 1 to n do\n";
        PascalCompound(out, depth + 1, level + 1, true);
        break;
      case 8:
        out += pad + "repeat\n";
        PascalBlock(out, depth + 1, level + 1, true);
        out += pad + "until " + Condition();
        break;
      case 9:
        out += pad + "case " + Variable() + " of\n" + pad + "  1: " + Variable() + " := 1;\n" + pad + "  2, 3:\n";
        PascalCompound(out, depth + 1, level + 1, inLoop);
        out += (Chance(50) ? "\n" + pad + "else\n" + pad + "  writeln(j)\n" : "\n") + pad + "end";
        break;
      default:
        out += pad + "begin\n";
        PascalBlock(out, depth + 1, level + 1, inLoop);
        out += pad + "end";
        break;
    }
  }
};

}  // namespace quobrix::test
