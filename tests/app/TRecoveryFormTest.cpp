// The charts a killed program left unsaved, offered by a real main window:
// restoring opens them with unsaved changes under their own names, deleting
// discards them, and what is left alone is offered again.
#include <QImage>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <memory>

#include "app/TMainForm.h"
#include "app/TRecoveryForm.h"
#include "chart/RecoveryFolder.h"
#include "platform/LanguageTable.h"
#include "support/ModalAnswer.h"
#include "support/ProgramHome.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

using namespace quobrix;

namespace {

namespace fs = std::filesystem;

std::string ChartWithBlocks(int count) {
  BlocksHolderModel chart;
  for (int i = 0; i < count; ++i) chart.AddDefaultBlock(btRectangle, 2000, 2000 + 3000 * i, 4000, 2000);
  return chart.ChartFileText();
}

QString BlocksText(int count) { return LanguageText(TextKey::RECOVERY_BLOCKS).arg(count); }

bool HasInk(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) return true;
  return false;
}

struct Program {
  Program() {
    plan = home.dir.File("plan.qbs");
    test::WriteBytes(plan, ChartWithBlocks(1));
    // What a killed program left: its lock, free now, and two copies.
    fs::create_directories(leftOver);
    test::WriteBytes(leftOver + "/lock", "");
    test::WriteBytes(leftOver + "/chart-1.qbs", ChartWithBlocks(2));
    test::WriteBytes(leftOver + "/chart-1.path", plan);
    test::WriteBytes(leftOver + "/chart-2.qbs", ChartWithBlocks(3));
    test::WriteBytes(leftOver + "/chart-2.path", "Untitled");
    main = std::make_unique<TMainForm>(home.context);
  }
  // Offers the copies and lets `use` act in the dialog.
  void InDialog(const std::function<void(TRecoveryForm&)>& use) {
    bool shown = false;
    // Message boxes the dialog shows are answered by a timer of their own.
    test::ModalAnswer ok(QMessageBox::Ok);
    test::ModalAnswer answer([&](QWidget& modal) {
      auto* dialog = qobject_cast<TRecoveryForm*>(&modal);
      QVERIFY(dialog);
      shown = true;
      use(*dialog);
      if (dialog->isVisible()) dialog->close();
    });
    main->OfferRecoveredCharts();
    QVERIFY(shown);
    messages = ok.texts;
  }
  static void Choose(TRecoveryForm& dialog, const QString& containing) {
    for (int i = 0; i < dialog.lbCharts->count(); ++i) {
      QListWidgetItem* entry = dialog.lbCharts->item(i);
      entry->setSelected(entry->text().contains(containing));
    }
  }

  test::ProgramHome home;
  std::string plan;
  std::string leftOver = home.dir.File("recovery/abcdef");
  std::unique_ptr<TMainForm> main;
  QStringList messages;
};

}  // namespace

class TRecoveryFormTest : public QObject {
  Q_OBJECT

 private slots:
  void restoredChartsHaveUnsavedChangesAndSaveToTheirOwnFile() {
    Program p;
    p.InDialog([&](TRecoveryForm& d) {
      QCOMPARE(d.windowTitle(), LanguageText(TextKey::RECOVERY_TITLE));
      QCOMPARE(d.lbCharts->count(), 2);
      QCOMPARE(d.lbCharts->selectedItems().size(), 2);
      Program::Choose(d, QString::fromStdString(p.plan));
      d.bRestore->click();
      QCOMPARE(d.lbCharts->count(), 1);
      QVERIFY(d.lbCharts->item(0)->text().startsWith(QString::fromUtf8("Без имени")));
      d.lbCharts->item(0)->setSelected(true);
      d.bDelete->click();
      QVERIFY(!d.isVisible());
    });

    QCOMPARE(p.main->ChartWindows().size(), size_t(1));
    THolderForm* w = p.main->ActiveChartWindow();
    QCOMPARE(w->windowTitle(), QStringLiteral("Quobrix - [ plan.qbs ][*]"));
    QVERIFY(w->isWindowModified());
    QCOMPARE(w->bh->Model().BlockCount(), qint64(2));
    QVERIFY(p.main->Save());
    QCOMPARE(test::ReadBytes(p.plan), ChartWithBlocks(2));
    QVERIFY(!fs::exists(p.leftOver));
  }

  // Copies of charts of the same name tell apart by their size and picture.
  void entriesShowEachCopysBlockCountAndFirstPage() {
    Program p;
    test::WriteBytes(p.leftOver + "/chart-3.qbs", "not a chart");
    test::WriteBytes(p.leftOver + "/chart-3.path", "Untitled");
    p.InDialog([](TRecoveryForm& d) {
      QCOMPARE(d.lbCharts->count(), 3);
      int counted = 0;
      for (int i = 0; i < d.lbCharts->count(); ++i) {
        const QListWidgetItem& entry = *d.lbCharts->item(i);
        const QImage picture = entry.icon().pixmap(d.lbCharts->iconSize()).toImage();
        if (entry.text().contains(QStringLiteral("plan.qbs    ") + BlocksText(2)) ||
            entry.text().startsWith(QString::fromUtf8("Без имени    ") + BlocksText(3))) {
          QVERIFY(HasInk(picture));
          ++counted;
        } else {
          // The copy that cannot be read still shows, without a count or a picture.
          QVERIFY2(!entry.text().contains(BlocksText(0).chopped(1)), qPrintable(entry.text()));
          QVERIFY(picture.isNull());
        }
      }
      QCOMPARE(counted, 2);
    });
  }

  void copiesLeftAloneAreOfferedAgain() {
    Program p;
    p.InDialog([](TRecoveryForm& d) { d.bClose->click(); });
    QVERIFY(p.main->ChartWindows().empty());
    QCOMPARE(LeftOverCopies(p.home.dir.File("recovery")).Charts().size(), size_t(2));
  }

  void aCopyThatCannotBeReadIsReportedAndStaysOnOffer() {
    Program p;
    test::WriteBytes(p.leftOver + "/chart-1.qbs", "not a chart");
    p.InDialog([](TRecoveryForm& d) {
      Program::Choose(d, QStringLiteral("plan.qbs"));
      d.bRestore->click();
      QCOMPARE(d.lbCharts->count(), 2);
    });
    QCOMPARE(p.messages, QStringList{LanguageText(TextKey::FILE_OPEN_ERROR_MSG)});
    QVERIFY(p.main->ChartWindows().empty());
    QVERIFY(fs::exists(p.leftOver + "/chart-1.qbs"));
  }

  void withNothingLeftOverNoDialogShows() {
    test::ProgramHome home;
    TMainForm main(home.context);
    test::ModalAnswer fail([](QWidget& modal) {
      modal.close();
      QFAIL("a dialog showed");
    });
    main.OfferRecoveredCharts();
  }
};

QTEST_MAIN(TRecoveryFormTest)
#include "TRecoveryFormTest.moc"
