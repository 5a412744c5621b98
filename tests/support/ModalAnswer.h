// Answers the modal dialogs a widget test provokes: as soon as a message box
// or a file dialog is shown modally, it is answered and what it said is
// recorded. The answer stays armed until the object goes.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <functional>

namespace quobrix::test {

class ModalAnswer {
 public:
  // Clicks `button` on every message box that shows up.
  explicit ModalAnswer(QMessageBox::StandardButton button) {
    Arm([this, button](QWidget& modal) {
      auto* box = qobject_cast<QMessageBox*>(&modal);
      if (!box) return false;
      texts.append(box->text());
      titles.append(box->windowTitle());
      box->button(button)->click();
      return true;
    });
  }
  // Chooses `path` in every file dialog that shows up; an empty path cancels.
  explicit ModalAnswer(const QString& path) {
    Arm([this, path](QWidget& modal) {
      auto* dialog = qobject_cast<QFileDialog*>(&modal);
      if (!dialog) return false;
      titles.append(dialog->windowTitle());
      if (path.isEmpty()) {
        dialog->reject();
      } else {
        // The name goes into the dialog's name box, as a user would type it.
        // Typing deselects the file the dialog offered, which would otherwise
        // win over the typed name.
        const QFileInfo file(path);
        dialog->setDirectory(file.absolutePath());
        for (auto* view : dialog->findChildren<QAbstractItemView*>()) view->clearSelection();
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
          name->setText(file.fileName());
        else
          dialog->selectFile(file.fileName());
        QMetaObject::invokeMethod(dialog, "accept");
      }
      return true;
    });
  }
  // Runs `act`, which closes it, on every other modal window that shows up.
  explicit ModalAnswer(std::function<void(QWidget&)> act) {
    Arm([act](QWidget& modal) {
      act(modal);
      return true;
    });
  }
  ModalAnswer(const ModalAnswer&) = delete;
  ModalAnswer& operator=(const ModalAnswer&) = delete;

  QStringList texts;   // message box texts, in order
  QStringList titles;  // window titles of everything answered

 private:
  void Arm(std::function<bool(QWidget&)> answer) {
    QObject::connect(&timer_, &QTimer::timeout, [answer] {
      if (QWidget* modal = QApplication::activeModalWidget()) answer(*modal);
    });
    timer_.start(5);
  }
  QTimer timer_;
};

}  // namespace quobrix::test
