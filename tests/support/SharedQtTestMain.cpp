// The main of a shared widget-test program:
//   program NAME [Qt Test options]   runs the class of NAME.cpp (ctest runs each this way)
//   program [Qt Test options]        runs every class, each in a process of its own
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "support/SharedQtTest.h"

namespace {

std::map<QString, quobrix_test::TestObjectFactory>& Registry() {
  static std::map<QString, quobrix_test::TestObjectFactory> registry;
  return registry;
}

// What QTEST_MAIN does in a program of its own.
int RunClass(quobrix_test::TestObjectFactory create, int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setAttribute(Qt::AA_Use96Dpi, true);
  const std::unique_ptr<QObject> test = create();
  return QTest::qExec(test.get(), argc, argv);
}

// Each class gets a fresh process and application object, as under ctest.
// Returns whether the class passed.
bool RunInChild(quobrix_test::TestObjectFactory create, int argc, char** argv) {
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child == 0) std::exit(RunClass(create, argc, argv));
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

bool quobrix_test::RegisterTestClass(const char* sourceFile, TestObjectFactory create) {
  Registry().emplace(QFileInfo(QString::fromUtf8(sourceFile)).completeBaseName(), create);
  return true;
}

int main(int argc, char** argv) {
  if (argc > 1 && argv[1][0] != '-') {
    const auto found = Registry().find(QString::fromLocal8Bit(argv[1]));
    if (found == Registry().end()) {
      std::fprintf(stderr, "%s: no test class from %s.cpp\n", argv[0], argv[1]);
      return 2;
    }
    argv[1] = argv[0];  // the class sees the program's name, then its options
    return RunClass(found->second, argc - 1, argv + 1);
  }

  int failed = 0;
  for (const auto& [name, create] : Registry())
    if (!RunInChild(create, argc, argv)) ++failed;
  return failed;
}
