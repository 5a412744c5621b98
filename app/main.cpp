#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/ProgramStart.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (auto code = quobrix::RunCommandLine(args)) return *code;
  QStringList charts;
  for (const std::string& arg : args) charts.append(QString::fromLocal8Bit(arg));
  return quobrix::RunEditor(argc, argv, charts);
}
