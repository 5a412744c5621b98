// The main of a program made of several Qt Test files. Each file keeps its
// QTEST_MAIN; the build renames that main after the file (see
// tests/CMakeLists.txt) and lists the renamed functions in kTestClasses.
//   program NAME [Qt Test options]   runs the class of NAME.cpp (ctest runs each this way)
//   program [Qt Test options]        runs every class, each in a process of its own
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "support/SharedQtTestMain.h"

namespace {

const quobrix_test::TestClass* Find(std::string_view name) {
  for (const auto& test : quobrix_test::kTestClasses)
    if (name == test.name) return &test;
  return nullptr;
}

// A class runs in a child so that each gets a fresh application object, as
// under ctest. Returns the child's exit status, nonzero on any failure.
int RunInChild(const quobrix_test::TestClass& test, int argc, char** argv) {
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child == 0) std::exit(test.main(argc, argv));
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child) return 1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && argv[1][0] != '-') {
    const quobrix_test::TestClass* test = Find(argv[1]);
    if (!test) {
      std::fprintf(stderr, "%s: no test class from %s.cpp\n", argv[0], argv[1]);
      return 2;
    }
    argv[1] = argv[0];  // the class sees the program name, then its options
    return test->main(argc - 1, argv + 1);
  }

  int failed = 0;
  for (const auto& test : quobrix_test::kTestClasses)
    if (RunInChild(test, argc, argv) != 0) ++failed;
  return failed;
}
