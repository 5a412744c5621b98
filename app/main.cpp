#include <iostream>
#include <string>
#include <vector>

#include "app/CommandLine.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (auto code = quobrix::RunCommandLine(args)) return *code;
  // The chart windows come next; until then a chart argument is described.
  if (args.empty()) return *quobrix::RunCommandLine({"--help"});
  return *quobrix::RunCommandLine({"--info", args[0]});
}
