// A program as a flowchart sees it: what either reader makes of the text and
// the layout draws. Texts are code page 1251, as the program spells them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quobrix {

struct TBlock;

enum class FlowKind : std::uint8_t {
  Process,   // text: one statement
  Input,     // text: the variables read, may be empty
  Output,    // text: what is written
  Call,      // text: a statement that calls a routine of the program
  Return,    // text: "return x", or empty where the routine just ends
  Break,     // leaves the innermost loop
  Continue,  // goes on with the innermost loop's next round
  If,        // text: the condition; body: when true; orElse: when false
  While,     // text: the condition checked before each round
  Repeat,    // text: the condition that ends the loop, checked after each round
  For,       // text: the counted loop's header, such as "i := 1, n"
};

struct FlowNode {
  FlowKind kind = FlowKind::Process;
  std::string text;
  std::vector<FlowNode> body;
  std::vector<FlowNode> orElse;
  // Names called as routines (lower case for a reader that ignores case),
  // so a statement that calls the program's own routine becomes a Call.
  std::vector<std::string> calls;
  // The chart symbol the node was read from, when it was read from a chart.
  const TBlock* symbol = nullptr;
};

using FlowSequence = std::vector<FlowNode>;

struct FlowRoutine {
  std::string header;  // the name and parameter names: "swap(a, b)"
  FlowSequence body;
  const TBlock* symbol = nullptr;  // the chart's begin symbol, when read from a chart
};

struct FlowProgram {
  FlowSequence main;
  std::vector<FlowRoutine> routines;
};

}  // namespace quobrix
