// The main window registers the chart file type only when it starts without
// a chart (tests/cli/desktop_end_to_end.sh sees it do so), and a registration
// that fails never keeps the chart from opening.
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/TMainForm.h"
#include "support/ProgramHome.h"
#include "view/TDebugForm.h"

using namespace quobrix;

namespace {

// Points the desktop's data folder somewhere else for one test.
struct DataHome {
  explicit DataHome(const QString& path) : saved(qgetenv("XDG_DATA_HOME")) { qputenv("XDG_DATA_HOME", path.toUtf8()); }
  ~DataHome() { qputenv("XDG_DATA_HOME", saved); }
  QByteArray saved;
};

QString DesktopEntry(const QString& dataHome) { return dataHome + QStringLiteral("/applications/quobrix.desktop"); }

}  // namespace

class FileTypeRegistrationTest : public QObject {
  Q_OBJECT

 private slots:
  // Opening a chart from the file manager is a start with a chart.
  void aStartWithAChartLeavesTheDesktopAlone() {
    test::ProgramHome home;
    QTemporaryDir data;
    DataHome use(data.path());
    const QString chart = home.File("loop.qbs");
    QVERIFY(QFile::copy(qEnvironmentVariable("QUOBRIX_SOURCE_DIR") + QStringLiteral("/Templates/Цикл.qbs"), chart));
    TMainForm main(home.context, {chart});
    main.show();
    QCOMPARE(main.ChartWindows().size(), std::size_t{1});
    QVERIFY(!QFileInfo::exists(DesktopEntry(data.path())));
  }

  void aFailedRegistrationIsReportedAndTheNewChartStillOpens() {
    test::ProgramHome home;
    const QString notAFolder = home.File("data");
    QFile file(notAFolder);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    DataHome use(notAFolder);
    TMainForm main(home.context);
    TDebugForm debug(&main);
    main.SetDebugForm(&debug);
    main.show();
    QCOMPARE(main.ChartWindows().size(), std::size_t{1});
    QVERIFY(debug.List()->count() >= 3);
    QVERIFY(debug.List()->item(0)->text().startsWith(QStringLiteral("Регистрация типа файлов схем: ")));
  }
};

QTEST_MAIN(FileTypeRegistrationTest)
#include "FileTypeRegistrationTest.moc"
