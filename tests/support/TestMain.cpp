// Test programs that touch Qt need an application object; the core tests
// link no Qt and run with a plain main.
#include <gtest/gtest.h>

#include <cstdlib>

#if defined(QT_GUI_LIB)
#include <QGuiApplication>
#endif

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
#if defined(QT_GUI_LIB)
  // Test discovery runs without the test environment; never ask for a display.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
#endif
  return RUN_ALL_TESTS();
}
