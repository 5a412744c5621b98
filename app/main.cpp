#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/ProgramStart.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (auto code = quobrix::RunCommandLine(args)) return *code;
  return quobrix::RunEditor(argc, argv);
}
