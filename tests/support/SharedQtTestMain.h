// The test classes of a program made of several Qt Test files.
#pragma once

#include <span>

namespace quobrix_test {

struct TestClass {
  const char* name;  // the file's name without .cpp
  int (*main)(int argc, char** argv);
};

extern const std::span<const TestClass> kTestClasses;

}  // namespace quobrix_test
