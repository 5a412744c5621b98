#include "app/TAboutForm.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "app/AboutPicture.h"

namespace quobrix {

namespace {

constexpr QSize kClientSize(404, 252);

bool SpeaksCyrillic(const QString& language) {
  return language.contains(QString::fromUtf8("Русский")) || language.contains(QString::fromUtf8("Украинский"));
}

QLabel* Caption(QWidget& parent, const char* name, const QString& text, int pixelSize, const QColor& color,
                const QRect& place) {
  auto* label = new QLabel(text, &parent);
  label->setObjectName(QString::fromLatin1(name));
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(pixelSize);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, color);
  label->setPalette(palette);
  label->setGeometry(place);
  return label;
}

}  // namespace

TAboutForm::TAboutForm(QWidget* owner, const QString& language) : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("AboutForm"));
  setWindowTitle(QStringLiteral("Quobrix"));
  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setPixmap(QPixmap::fromImage(AboutPicture()));
  Image1->setGeometry(QRect(QPoint(0, 0), kClientSize));
  const bool cyrillic = SpeaksCyrillic(language);
  const QColor white(Qt::white), tint(196, 212, 236);
  Label2 =
      Caption(*this, "Label2", cyrillic ? QString::fromUtf8("построитель схем") : QStringLiteral("flow-charts builder"),
              17, white, QRect(202, 108, 196, 24));
  Label3 = Caption(*this, "Label3", QStringLiteral("1.5.0.0"), 13, tint, QRect(202, 134, 196, 20));
  Label1 = Caption(*this, "Label1",
                   cyrillic ? QString::fromUtf8("© Разработчики Quobrix") : QStringLiteral("© The Quobrix developers"),
                   12, tint, QRect(202, 222, 196, 18));
}

void TAboutForm::showEvent(QShowEvent* event) {
  setFixedSize(kClientSize);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  QDialog::showEvent(event);
}

void TAboutForm::mousePressEvent(QMouseEvent*) { accept(); }

void PlaySplash(const QString& language) {
  constexpr int kSteps = 10;
  constexpr int kStepMs = 100;
  constexpr int kHoldMs = 500;
  TAboutForm splash(nullptr, language);
  splash.setWindowOpacity(0);
  splash.show();
  QEventLoop wait;
  QTimer fade;
  int step = 0;
  QObject::connect(&fade, &QTimer::timeout, &wait, [&] {
    ++step;
    splash.setWindowOpacity(step * 25 / 255.0);
    if (step < kSteps) return;
    fade.stop();
    QTimer::singleShot(kHoldMs, &wait, &QEventLoop::quit);
  });
  QObject::connect(&splash, &QDialog::finished, &wait, &QEventLoop::quit);
  fade.start(kStepMs);
  wait.exec();
}

}  // namespace quobrix
