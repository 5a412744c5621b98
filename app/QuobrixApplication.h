#pragma once

#include <QApplication>

namespace quobrix {

// The application object of the editor. An exception that escapes an event
// handler is dropped without a message, so the editor goes on running.
class QuobrixApplication : public QApplication {
  Q_OBJECT

 public:
  QuobrixApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace quobrix
