// The about window, which is also the start-up splash: the program's
// picture with its name, what it is, its version and its authors, without a
// border, in the middle of the screen. A click closes it.
#pragma once

#include <QDialog>

class QLabel;

namespace quobrix {

class TAboutForm : public QDialog {
  Q_OBJECT

 public:
  // `language` is the interface language's name or its file's path: Russian
  // and Ukrainian show the Cyrillic texts.
  TAboutForm(QWidget* owner, const QString& language);

  QLabel* Image1;
  QLabel* Label1;  // the authors
  QLabel* Label2;
  QLabel* Label3;

 protected:
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
};

// Fades the about window in and keeps it a moment, while the program starts.
// A click ends it early.
void PlaySplash(const QString& language);

}  // namespace quobrix
