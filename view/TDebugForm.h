// A window that lists the diagnostic texts of the chart canvases. It exists
// only when the program is started with QUOBRIX_DEBUG=1.
#pragma once

#include <QWidget>

class QListWidget;

namespace quobrix {

class TDebugForm : public QWidget {
  Q_OBJECT

 public:
  explicit TDebugForm(QWidget* parent = nullptr);

  // Appends the line and selects it.
  void AddMessage(const QString& message);
  QListWidget* List() const { return list_; }

  // Whether the environment asks for the debug window.
  static bool Requested();

 private:
  QListWidget* list_;
};

}  // namespace quobrix
