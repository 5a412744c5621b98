// The widget tests of a folder make one program. Each file still ends with
// QTEST_MAIN(Class), as a standalone Qt test does; the shared programs
// precompile this header after <QTest>, so there the macro files the class
// with the shared main (SharedQtTestMain.cpp) instead of defining a main.
#pragma once

#include <QObject>
#include <QTest>
#include <memory>

namespace quobrix_test {

using TestObjectFactory = std::unique_ptr<QObject> (*)();

// Files the class under the name of its source file, which is how ctest asks
// for it. Returns true so that it can initialise a static.
bool RegisterTestClass(const char* sourceFile, TestObjectFactory create);

}  // namespace quobrix_test

#define QUOBRIX_REGISTER_TEST_CLASS(TestObject)                                 \
  [[maybe_unused]] static const bool registered##TestObject =                   \
      quobrix_test::RegisterTestClass(__FILE__, []() -> std::unique_ptr<QObject> { \
        return std::make_unique<TestObject>();                                  \
      });

#undef QTEST_MAIN
#undef QTEST_GUILESS_MAIN
#undef QTEST_APPLESS_MAIN
#define QTEST_MAIN(TestObject) QUOBRIX_REGISTER_TEST_CLASS(TestObject)
#define QTEST_GUILESS_MAIN(TestObject) QUOBRIX_REGISTER_TEST_CLASS(TestObject)
#define QTEST_APPLESS_MAIN(TestObject) QUOBRIX_REGISTER_TEST_CLASS(TestObject)
