// The control flow a flowchart draws: its symbols, and which symbol the flow
// goes to from each. A line belongs to a symbol when its end lies inside the
// symbol's box widened a little; lines whose ends touch make one path. The
// way along a path comes from its arrow heads and, where they leave it open,
// from the way flow is drawn: into a symbol's top, out of its bottom or a
// decision's corners. Connectors with the same label are one place.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "chart/BlocksHolderModel.h"

namespace quobrix {

enum class FlowSymbol : std::uint8_t { Terminal, Process, Input, Output, InOut, Call, Decision, Loop, Jump };

enum class FlowSide : std::uint8_t { Top, Bottom, Left, Right };

struct FlowExit {
  int to = -1;        // the vertex the flow goes to
  std::string label;  // the text of the line leaving the symbol (code page 1251)
  FlowSide side = FlowSide::Bottom;
};

struct FlowVertex {
  const TBlock* block = nullptr;
  FlowSymbol kind = FlowSymbol::Process;
  std::vector<FlowExit> exits;
  std::vector<int> entries;  // the vertices whose exits lead here, once each
  int jumpTo = -1;           // a Jump: the vertex the connector of the same label leads to
};

// Why a chart has no program, and the symbol where that shows.
enum class ChartFlowFault : std::uint8_t {
  NoBegin,           // no terminal the flow leaves
  NoWayOut,          // the flow stops at a symbol that is not an end
  TwoWaysOut,        // more than one way out of a symbol that is no decision
  DecisionWays,      // a decision or a loop without two ways out that tell yes from no
  TerminalInAndOut,  // a terminal the flow both enters and leaves
  UnclearDirection,  // a path whose way neither arrows nor the drawing tell
  ConnectorNowhere,  // a connector whose label continues nowhere, or in two places
  Unstructured,      // the flow comes back or jumps in where no structured statement can
  LeavesTwoLoops,    // a jump out of more than the innermost loop
  TooDeep,           // statements nested deeper than a program can be read back
  LoopStep,          // a counted loop's step the program's language has no loop for
};

struct ChartFlowError {
  ChartFlowFault fault = ChartFlowFault::Unstructured;
  const TBlock* symbol = nullptr;

  // "the flow comes back to a symbol where no loop or decision can".
  std::string Message() const;
};

struct ChartFlow {
  std::vector<FlowVertex> vertices;
};

std::variant<ChartFlow, ChartFlowError> ReadChartFlow(const BlocksHolderModel& chart);

}  // namespace quobrix
