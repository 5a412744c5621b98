// Printing and page setup from their commands on a real chart window, with
// the toolkit's dialogs answered as a user would: the printout goes to a PDF
// file, which independent readers check.
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>

#include "support/ChartPrintingFixture.h"

using namespace quobrix;

namespace {

using test::Find;
using test::Printing;
using test::Run;

bool HavePoppler() { return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }

}  // namespace

class ChartPrintingTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (!HavePoppler()) QSKIP("poppler-utils are not installed");
  }

  void everyPageComesOutOnceInOrderUnderTheFilesName() {
    Printing p;
    const QString pdf = QString::fromStdString(p.dir.File("all.pdf"));
    p.Print(pdf, [](QWidget&) {});
    QCOMPARE(p.Pages(pdf), (QStringList{"PAGEONE", "PAGETWO", "PAGETHREE"}));
    QVERIFY(Run(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression("Title: +report.qbs")));
  }

  void copiesOfARangeComePageByPage() {
    Printing p;
    const QString pdf = QString::fromStdString(p.dir.File("range.pdf"));
    p.Print(pdf, [](QWidget& dialog) {
      Find<QRadioButton>(dialog, "printRange").setChecked(true);
      Find<QSpinBox>(dialog, "from").setValue(2);
      Find<QSpinBox>(dialog, "to").setValue(3);
      Find<QSpinBox>(dialog, "copies").setValue(2);
    });
    QCOMPARE(p.Pages(pdf), (QStringList{"PAGETWO", "PAGETWO", "PAGETHREE", "PAGETHREE"}));
    // The printer remembers the copies for the next time, and prints them no second time.
    QCOMPARE(p.printing.Printer().copyCount(), 2);
  }

  // A chart never printed starts from the last printout; after that each
  // chart's dialog comes back with its own choices, whatever another chart
  // was printed with in between.
  void eachChartKeepsWhatItWasPrintedWith() {
    Printing p;
    const QString first = QString::fromStdString(p.dir.File("first.pdf"));
    const QString second = QString::fromStdString(p.dir.File("second.pdf"));
    p.Print(first, [](QWidget& dialog) { Find<QSpinBox>(dialog, "copies").setValue(2); });
    QString shownFile;
    int shownCopies = 0;
    auto look = [&](QWidget& dialog) {
      shownFile = Find<QLineEdit>(dialog, "filename").text();
      shownCopies = Find<QSpinBox>(dialog, "copies").value();
    };
    THolderForm other(p.w.host, p.w.context);
    other.show();
    other.FormActivate();
    p.PrintThroughDialog([&](QWidget& dialog) {
      look(dialog);
      Find<QLineEdit>(dialog, "filename").setText(second);
      Find<QSpinBox>(dialog, "copies").setValue(1);
    });
    QCOMPARE(shownFile, first);
    QCOMPARE(shownCopies, 2);
    QVERIFY(QFile::exists(second));

    p.w.form->FormActivate();
    p.PrintThroughDialog(look);
    QCOMPARE(shownFile, first);
    QCOMPARE(shownCopies, 2);
    other.FormActivate();
    p.PrintThroughDialog(look);
    QCOMPARE(shownFile, second);
    QCOMPARE(shownCopies, 1);
  }

  void theRangeOffersOnlyTheChartsPages() {
    Printing p;
    int largest = 0;
    test::ModalAnswer answer([&largest](QWidget& dialog) {
      largest = Find<QSpinBox>(dialog, "to").maximum();
      QMetaObject::invokeMethod(&dialog, "reject");
    });
    p.w.host.table.Action(CommandId::Print).trigger();
    QCOMPARE(largest, 3);
  }

  void aPrintoutOnlyADamagedPageCountAsksForIsRefusedAndSaidSo() {
    Printing p;
    p.Chart().SetDocumentPages(200000);
    const QString pdf = QString::fromStdString(p.dir.File("long.pdf"));
    QStringList said;
    test::ModalAnswer answer([&](QWidget& dialog) {
      if (qobject_cast<QPrintDialog*>(&dialog)) {
        Find<QLineEdit>(dialog, "filename").setText(pdf);
        QMetaObject::invokeMethod(&dialog, "accept");
      } else if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        said.append(box->text());
        box->accept();
      }
    });
    p.w.host.table.Action(CommandId::Print).trigger();
    QCOMPARE(said, QStringList{QString::fromUtf8("Не удалось напечатать схему.")});
    QVERIFY(!QFile::exists(pdf));
  }

  void pageSetupShowsTheSheetAndTakesWhatIsConfirmed() {
    Printing p;
    p.Chart().SetSheetWidth(25000);
    p.Chart().SetSheetHeight(20000);
    double shownWidth = 0, shownTop = 0;
    test::ModalAnswer answer([&](QWidget& dialog) {
      shownWidth = Find<QDoubleSpinBox>(dialog, "pageWidth").value();
      shownTop = Find<QDoubleSpinBox>(dialog, "topMargin").value();
      Find<QDoubleSpinBox>(dialog, "topMargin").setValue(25);
      QMetaObject::invokeMethod(&dialog, "accept");
    });
    p.w.host.table.Action(CommandId::PageSetup).trigger();
    QCOMPARE(shownWidth, 250.0);
    QCOMPARE(shownTop, 10.0);
    QCOMPARE(p.Chart().SheetWidth(), 25000);
    QCOMPARE(p.Chart().SheetHeight(), 20000);
    QCOMPARE(p.Chart().FSheetMargins().Top, 2500);
    QCOMPARE(p.Chart().FSheetMargins().Left, 1000);
    QCOMPARE(p.Chart().History().FUndoCount(), 1);
  }

  void aNamedPaperSizeTurnedSidewaysKeepsItsName() {
    Printing p;
    p.Chart().SetSheetWidth(29700);
    p.Chart().SetSheetHeight(21000);
    QString shown;
    test::ModalAnswer answer([&](QWidget& dialog) {
      shown = Find<QComboBox>(dialog, "pageSizeCombo").currentText();
      Find<QRadioButton>(dialog, "portrait").click();
      QMetaObject::invokeMethod(&dialog, "accept");
    });
    p.w.host.table.Action(CommandId::PageSetup).trigger();
    QCOMPARE(shown, QStringLiteral("A4"));
    QCOMPARE(p.Chart().SheetWidth(), 21000);
    QCOMPARE(p.Chart().SheetHeight(), 29700);
  }

  void cancellingPageSetupChangesNothing() {
    Printing p;
    test::ModalAnswer answer([](QWidget& dialog) { QMetaObject::invokeMethod(&dialog, "reject"); });
    p.w.host.table.Action(CommandId::PageSetup).trigger();
    QCOMPARE(p.Chart().History().FUndoCount(), 0);
    QCOMPARE(p.Chart().SheetWidth(), 21000);
  }
};

QTEST_MAIN(ChartPrintingTest)
#include "ChartPrintingTest.moc"
