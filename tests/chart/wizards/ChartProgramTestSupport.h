// Shared by the tests of programs written from flowcharts.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "chart/Cp1251.h"
#include "chart/wizards/ProgramWriter.h"

namespace quobrix::test {

inline std::string WrittenProgram(const BlocksHolderModel& chart, CodeLanguage language) {
  auto listing = ChartProgramText(chart, language);
  if (const auto* error = std::get_if<ChartFlowError>(&listing)) {
    ADD_FAILURE() << "refused: fault " << int(error->fault) << " at "
                  << (error->symbol ? Cp1251ToUtf8(error->symbol->Text) : std::string("nothing"));
    return "";
  }
  return std::get<ProgramListing>(listing).Text();
}

// A sequence ends in a jump or a return on every way through it.
inline bool Closed(const FlowSequence& body) {
  if (body.empty()) return false;
  const FlowNode& last = body.back();
  if (last.kind == FlowKind::Break || last.kind == FlowKind::Continue || last.kind == FlowKind::Return) return true;
  return last.kind == FlowKind::If && Closed(last.body) && Closed(last.orElse);
}

// The statements as an indented outline, in a form that a flowchart keeps
// of them: where one branch of an if ends in a jump or a return, what
// follows the if goes into the other branch ("if c then break; x" and
// "if c then break else x" are one chart); an if with only an else part as
// its negation, and a negated one with both as the plain one; runs of inputs as one; no bare return at the very end.
inline void OutlineOf(const FlowSequence& body, int depth, std::string& out, bool whole) {
  FlowSequence nodes = body;
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    FlowNode& node = nodes[i];
    if (node.kind == FlowKind::If && Closed(node.body) != Closed(node.orElse) && i + 1 < nodes.size()) {
      FlowSequence& open = Closed(node.body) ? node.orElse : node.body;
      open.insert(open.end(), nodes.begin() + std::ptrdiff_t(i) + 1, nodes.end());
      nodes.erase(nodes.begin() + std::ptrdiff_t(i) + 1, nodes.end());
    }
    if (nodes[i].kind == FlowKind::If && nodes[i].body.empty() && !nodes[i].orElse.empty()) {
      nodes[i].text = "not (" + nodes[i].text + ")";
      std::swap(nodes[i].body, nodes[i].orElse);
    }
    const std::string& text = nodes[i].text;
    if (nodes[i].kind == FlowKind::If && !nodes[i].orElse.empty() && text.rfind("not (", 0) == 0 &&
        text.back() == ')') {
      nodes[i].text = text.substr(5, text.size() - 6);
      std::swap(nodes[i].body, nodes[i].orElse);
    }
    if (node.kind == FlowKind::Input && i + 1 < nodes.size() && nodes[i + 1].kind == FlowKind::Input) {
      node.text += ", " + nodes[i + 1].text;
      nodes.erase(nodes.begin() + std::ptrdiff_t(i) + 1);
      --i;
      continue;
    }
  }
  if (whole && !nodes.empty() && nodes.back().kind == FlowKind::Return && nodes.back().text.empty()) nodes.pop_back();
  for (const FlowNode& node : nodes) {
    out += std::string(std::size_t(depth) * 2, ' ') + std::to_string(int(node.kind)) + " " + Cp1251ToUtf8(node.text) +
           "\n";
    OutlineOf(node.body, depth + 1, out, false);
    if (!node.orElse.empty()) {
      out += std::string(std::size_t(depth) * 2, ' ') + "else\n";
      OutlineOf(node.orElse, depth + 1, out, false);
    }
  }
}

inline std::string Outline(const FlowProgram& program) {
  std::string out;
  OutlineOf(program.main, 0, out, true);
  for (const FlowRoutine& routine : program.routines) {
    out += "routine " + Cp1251ToUtf8(routine.header) + "\n";
    OutlineOf(routine.body, 1, out, true);
  }
  return out;
}

}  // namespace quobrix::test
