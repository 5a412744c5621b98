#include "app/QuobrixApplication.h"

namespace quobrix {

QuobrixApplication::QuobrixApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool QuobrixApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    return false;
  }
}

}  // namespace quobrix
