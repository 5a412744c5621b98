// Cut, copy and paste through the real X11 clipboard: a second process puts
// blocks (or foreign data) on the clipboard of a virtual display and keeps
// serving them while this process pastes. The program runs itself again
// under xvfb-run when it has no display of its own.
#include <unistd.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QProcess>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <vector>

#include "chart/BlocksHolderModel.h"
#include "platform/QtChartClipboard.h"

using namespace quobrix;

namespace {

constexpr const char* kUnderXvfb = "QUOBRIX_X11_CLIPBOARD_UNDER_XVFB";
constexpr int kWaitMs = 30000;

// The serving side: puts its contents on the clipboard, says "ready" and
// serves until its standard input closes (or, should the test die, a minute).
int Serve(int argc, char** argv) {
  const QStringList args{argv[1], argv[2], argv[3]};
  QGuiApplication app(argc, argv);
  QtChartClipboard clipboard;
  BlocksHolderModel chart;
  if (args[0] == "--serve-copy") {
    if (!chart.LoadFromFile(args[1].toStdString())) return 2;
    chart.SetActiveBlock(args[2].toLongLong());
    if (!chart.CopyToClipboard(clipboard)) return 3;
  } else {
    auto* data = new QMimeData;
    data->setData(args[1], args[2].toUtf8());
    QGuiApplication::clipboard()->setMimeData(data);
  }
  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, [&] {
    char buf[64];
    if (::read(STDIN_FILENO, buf, sizeof buf) <= 0) app.quit();
  });
  QTimer::singleShot(60000, &app, &QGuiApplication::quit);
  (void)!::write(STDOUT_FILENO, "ready\n", 6);
  return app.exec();
}

// Runs this program again on a virtual display; returns only when that fails.
void RunUnderXvfb(int argc, char** argv) {
  setenv(kUnderXvfb, "1", 1);
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  // No server reset between the test's clients: a client connecting while
  // the server resets is refused.
  std::vector<char*> args{const_cast<char*>("xvfb-run"), const_cast<char*>("-a"), const_cast<char*>("-s"),
                          const_cast<char*>("-noreset")};
  args.insert(args.end(), argv, argv + argc);
  args.push_back(nullptr);
  ::execvp("xvfb-run", args.data());
}

}  // namespace

class X11ClipboardTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir;
  QtChartClipboard clipboard;
  QProcess server;

  // The chart file of three rectangles and a line, with `container` (a
  // multi-selection or group) over the first `members` blocks when given.
  QString SourceChart(std::uint8_t container, int members) {
    BlocksHolderModel chart;
    for (int i = 0; i < 3; ++i) chart.AddDefaultBlock(btRectangle, 1000 + 3000 * i, 2000, 2000, 1000);
    chart.AddDefaultBlock(btLine, 500, 5000, 4000, -1000);
    if (members > 0) {
      std::vector<std::int64_t> numbers;
      for (int n = 1; n <= members; ++n) numbers.push_back(n);
      chart.MakeMultiSelection(0, 0, 12000, 4000, numbers);
      chart.Blocks(chart.BlockCount()).Compl = container;
    }
    const QString path = dir.filePath(QString("source%1-%2.qbs").arg(container).arg(members));
    chart.SaveToFile(path.toStdString());
    return path;
  }

  void StartServer(const QStringList& args) {
    server.start(QCoreApplication::applicationFilePath(), args);
    QVERIFY(server.waitForStarted(kWaitMs));
    while (!server.canReadLine()) QVERIFY(server.waitForReadyRead(kWaitMs));
    QCOMPARE(server.readLine().trimmed(), QByteArray("ready"));
  }

  void StopServer() {
    server.closeWriteChannel();
    QVERIFY(server.waitForFinished(kWaitMs));
    QCOMPARE(server.exitCode(), 0);
  }

  // What another client of the display sees offered.
  static QByteArray XclipOutput(const QString& target) {
    QProcess xclip;
    xclip.start("xclip", {"-selection", "clipboard", "-t", target, "-o"});
    if (!xclip.waitForFinished(kWaitMs)) return {};
    return xclip.readAllStandardOutput();
  }

 private slots:
  void initTestCase() {
    QVERIFY(dir.isValid());
    QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
  }

  void cleanup() {
    if (server.state() != QProcess::NotRunning) {
      server.kill();
      server.waitForFinished(kWaitMs);
    }
  }

  void copiedMultiSelectionOfTwoPastesAsThreeBlocks() {
    const QString path = SourceChart(ckMultiSelection, 2);
    BlocksHolderModel source;
    source.LoadFromFile(path.toStdString());
    StartServer({"--serve-copy", path, "5"});

    BlocksHolderModel target;
    QVERIFY(target.PasteFromClipboard(clipboard));
    StopServer();

    QCOMPARE(target.BlockCount(), 3);
    const TBlock& container = target.Blocks(3);
    QCOMPARE(container.Compl, std::uint8_t{ckMultiSelection});
    QCOMPARE(container.Members, (std::vector<TBlock*>{&target.Blocks(1), &target.Blocks(2)}));
    QCOMPARE(target.ActiveBlock(), 3);
    for (int n = 1; n <= 3; ++n) QCOMPARE(target.Blocks(n).X, source.Blocks(n == 3 ? 5 : n).X + 1000);
  }

  void copiedGroupOfThreePastesAsFourBlocksOneGridStepAway() {
    const QString path = SourceChart(ckGroup, 3);
    BlocksHolderModel source;
    source.LoadFromFile(path.toStdString());
    StartServer({"--serve-copy", path, "5"});

    BlocksHolderModel target;
    QVERIFY(target.PasteFromClipboard(clipboard));
    StopServer();

    QCOMPARE(target.BlockCount(), 4);
    QCOMPARE(target.Blocks(4).Compl, std::uint8_t{ckGroup});
    QCOMPARE(target.Blocks(4).Members.size(), std::size_t{3});
    for (int n = 1; n <= 4; ++n) {
      const TBlock& from = source.Blocks(n == 4 ? 5 : n);
      QCOMPARE(target.Blocks(n).X, from.X + 1000);
      QCOMPARE(target.Blocks(n).Y, from.Y + 1000);
    }
  }

  void singleBlockPastedTwiceLandsTwiceAtTheSameOffset() {
    StartServer({"--serve-copy", SourceChart(ckNone, 0), "2"});
    // Another client sees the fragment and both pictures offered.
    if (!QStandardPaths::findExecutable("xclip").isEmpty()) {
      const QByteArray targets = XclipOutput("TARGETS");
      QVERIFY(targets.contains(kFragmentMimeType));
      QVERIFY(targets.contains("image/png"));
      QVERIFY(targets.contains("image/x-emf"));
      QVERIFY(!QImage::fromData(XclipOutput("image/png"), "PNG").isNull());
    }

    BlocksHolderModel target;
    QVERIFY(target.PasteFromClipboard(clipboard));
    QVERIFY(target.PasteFromClipboard(clipboard));
    StopServer();

    QCOMPARE(target.BlockCount(), 2);
    for (int n = 1; n <= 2; ++n) {
      QCOMPARE(target.Blocks(n).X, 4000 + 1000);
      QCOMPARE(target.Blocks(n).Y, 2000 + 1000);
    }
  }

  void foreignClipboardContentsChangeNothing_data() {
    QTest::addColumn<QString>("mimeType");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain text") << "text/plain"
                                << "[Quobrix Sheme v.1.0]";
    QTest::newRow("fragment type, not a fragment") << kFragmentMimeType << "hello";
  }

  void foreignClipboardContentsChangeNothing() {
    QFETCH(QString, mimeType);
    QFETCH(QString, text);
    StartServer({"--serve-data", mimeType, text});

    BlocksHolderModel target;
    target.AddDefaultBlock(btRectangle, 0, 0, 1000, 1000);
    target.SetModified(false);
    QVERIFY(!target.PasteFromClipboard(clipboard));
    StopServer();

    QCOMPARE(target.BlockCount(), 1);
    QVERIFY(!target.FModified());
  }
};

int main(int argc, char** argv) {
  if (argc >= 4 && std::strncmp(argv[1], "--serve-", 8) == 0) return Serve(argc, argv);
  if (!getenv(kUnderXvfb)) {
    RunUnderXvfb(argc, argv);
    std::puts("FAIL: xvfb-run is not installed (scripts/setup.sh installs what these tests need)");
    return 1;
  }
  QGuiApplication app(argc, argv);
  X11ClipboardTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "X11ClipboardTest.moc"
