#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/ProgramStart.h"
#include "chart/PictureExporter.h"
#include "platform/PictureFileExporter.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  // Saving under a picture extension exports, in the windows and the verbs alike.
  static quobrix::PictureFileExporter pictureExporter;
  quobrix::SetPictureExporter(&pictureExporter);
  if (auto code = quobrix::RunCommandLine(args)) return *code;
  return quobrix::RunEditor(argc, argv);
}
