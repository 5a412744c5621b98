// Runs the independent readers the picture tests check files with.
#pragma once

#include <cstdlib>
#include <string>

namespace quobrix::test {

inline bool HaveTool(const std::string& name) {
  return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

// Runs a shell command line made of quoted paths; true when it exits 0.
inline bool RunTool(const std::string& commandLine) {
  return std::system((commandLine + " >/dev/null 2>&1").c_str()) == 0;
}

inline std::string Quoted(const std::string& path) { return "'" + path + "'"; }

// Converts a file with LibreOffice in a profile folder of its own; the
// converted file lands in `outDir`. LibreOffice exits 0 even when it cannot
// read the input, so callers check the output file.
inline void ConvertWithLibreOffice(const std::string& input, const std::string& format, const std::string& outDir) {
  RunTool("soffice -env:UserInstallation=file://" + outDir + "/profile --headless --convert-to " + format +
          " --outdir " + Quoted(outDir) + " " + Quoted(input));
}

}  // namespace quobrix::test
