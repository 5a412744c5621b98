// The about window, opened from the menu and as the start-up splash.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include "app/TAboutForm.h"
#include "app/TMainForm.h"
#include "support/ModalAnswer.h"
#include "support/ProgramHome.h"

using namespace quobrix;

class TAboutFormTest : public QObject {
  Q_OBJECT

 private slots:
  void cyrillicTextsForRussianAndUkrainian_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("cyrillic");
    QTest::newRow("Russian file") << QString::fromUtf8("/opt/quobrix/lang/Русский.lng") << true;
    QTest::newRow("Ukrainian name, as at the splash") << QString::fromUtf8("Украинский") << true;
    QTest::newRow("built-in texts") << QString() << false;
  }

  void cyrillicTextsForRussianAndUkrainian() {
    QFETCH(QString, language);
    QFETCH(bool, cyrillic);
    TAboutForm about(nullptr, language);
    QCOMPARE(about.Label2->text(),
             cyrillic ? QString::fromUtf8("построитель схем") : QStringLiteral("flow-charts builder"));
    QCOMPARE(about.Label1->text().contains(QString::fromUtf8("Разработчики")), cyrillic);
    QCOMPARE(about.Label3->text(), QStringLiteral("1.5.0.0"));
  }

  // A borderless picture in the middle of the screen, gone at a click.
  void theMenuOpensItAndAClickClosesIt() {
    test::ProgramHome home;
    TMainForm main(home.context);
    QRect shown;
    Qt::WindowFlags flags;
    test::ModalAnswer click([&](QWidget& about) {
      shown = about.geometry();
      flags = about.windowFlags();
      QTest::mouseClick(about.findChild<QLabel*>(QStringLiteral("Image1")), Qt::LeftButton);
    });
    QAction& item = main.Commands().Action(CommandId::About);
    QVERIFY(item.isEnabled());
    item.trigger();
    QCOMPARE(shown.size(), QSize(404, 252));
    QCOMPARE(shown.center(), QGuiApplication::primaryScreen()->availableGeometry().center());
    QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
    QVERIFY(!QApplication::activeModalWidget());
  }

  void aClickEndsTheSplash() {
    QTimer click;
    QObject::connect(&click, &QTimer::timeout, [] {
      for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* splash = qobject_cast<TAboutForm*>(window); splash && splash->isVisible())
          QTest::mouseClick(splash, Qt::LeftButton);
    });
    click.start(5);
    PlaySplash(QString());
    for (QWidget* window : QApplication::topLevelWidgets()) QVERIFY(!qobject_cast<TAboutForm*>(window));
  }
};

QTEST_MAIN(TAboutFormTest)
#include "TAboutFormTest.moc"
