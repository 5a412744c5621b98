// An exception thrown by an event handler never ends the editor.
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "app/QuobrixApplication.h"

class Thrower : public QObject {
 public:
  int handled = 0;

 protected:
  bool event(QEvent* event) override {
    if (event->type() != QEvent::User) return QObject::event(event);
    ++handled;
    throw std::runtime_error("escaped from a handler");
  }
};

class AppExceptionTest : public QObject {
  Q_OBJECT

 private slots:
  void anExceptionReachingTheEventLoopIsDropped() {
    Thrower thrower;
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    QCOMPARE(thrower.handled, 2);  // the second event still arrived
  }
};

int main(int argc, char** argv) {
  quobrix::QuobrixApplication app(argc, argv);
  AppExceptionTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "AppExceptionTest.moc"
