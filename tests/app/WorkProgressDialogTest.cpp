// Long work in the editor shows a progress dialog whose Cancel stops it: a
// printout or picture cancelled leaves the file it would replace as it was and
// nothing half written beside it.
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "app/WorkProgressDialog.h"
#include "platform/PictureFileExporter.h"
#include "platform/PrinterPrintDevice.h"
#include "support/ChartBuilder.h"
#include "support/TempDir.h"

using namespace quobrix;

namespace {

constexpr int kPages = 30;

// A chart of many pages with a block on each.
void FillPages(BlocksHolderModel& chart) {
  chart.SetDocumentPages(kPages);
  for (int page = 0; page < kPages; ++page) test::AddRect(chart, 2000, 2000 + page * 29700);
}

bool Write(const BlocksHolderModel& chart, const std::string& path, const QString& extension) {
  if (extension == QStringLiteral(".PDF")) return PrintToPdf(chart, path, 1, kPages, 1);
  PictureFileExporter exporter;
  return exporter.Export(chart, path, extension.toStdString());
}

}  // namespace

class WorkProgressDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void cancellingKeepsTheOldFileAndLeavesNoOther_data() {
    QTest::addColumn<QString>("extension");
    for (const char* extension : {".PDF", ".SVG", ".EMF"}) QTest::newRow(extension) << QString::fromLatin1(extension);
  }

  void cancellingKeepsTheOldFileAndLeavesNoOther() {
    QFETCH(QString, extension);
    test::TempDir dir;
    const std::string path = dir.File("chart" + extension.toLower().toStdString());
    test::WriteBytes(path, "the picture before");
    BlocksHolderModel chart;
    FillPages(chart);
    QWidget window;
    window.show();
    WorkProgressDialog progress(window, QStringLiteral("Writing..."));
    progress.Dialog().setMinimumDuration(0);
    // Cancel is pressed once the dialog is up and lets events through.
    QTimer::singleShot(0, &progress.Dialog(), &QProgressDialog::cancel);
    QVERIFY(!Write(chart, path, extension));
    QVERIFY(progress.Cancelled());
    QCOMPARE(test::ReadBytes(path), std::string("the picture before"));
    QCOMPARE(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
  }

  void workNotCancelledIsWrittenWhole() {
    test::TempDir dir;
    const std::string path = dir.File("chart.pdf");
    BlocksHolderModel chart;
    FillPages(chart);
    QWidget window;
    WorkProgressDialog progress(window, QStringLiteral("Printing..."));
    progress.Dialog().setMinimumDuration(0);
    QVERIFY(PrintToPdf(chart, path, 1, kPages, 1));
    QVERIFY(!progress.Cancelled());
    QCOMPARE(progress.Dialog().value(), progress.Dialog().maximum());
    QVERIFY(test::ReadBytes(path).starts_with("%PDF"));
  }
};

QTEST_MAIN(WorkProgressDialogTest)
#include "WorkProgressDialogTest.moc"
