// The search window on a real chart window: what it finds, what it selects
// and how its results follow the chart.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "chart/ChartEdit.h"
#include "platform/Cp1251Codec.h"
#include "support/ChartBuilder.h"
#include "support/FakeChartHost.h"
#include "support/ModalAnswer.h"
#include "tools/TSearchForm.h"
#include "view/TBlocksHolder.h"

using namespace quobrix;

namespace {

// A block with a text in the chart's code page, given in UTF-8.
std::int64_t AddText(BlocksHolderModel& chart, const char* utf8, std::int64_t y) {
  const std::int64_t n = test::AddRect(chart, 1000, y);
  chart.Blocks(n).Text = *UnicodeToCp1251(QString::fromUtf8(utf8));
  return n;
}

struct Search {
  BlocksHolderModel& Chart() { return w.model(); }
  void Show() { w.host.table.Action(CommandId::Search).trigger(); }
  void Find(const char* utf8) {
    form.edText->setText(QString::fromUtf8(utf8));
    form.bSearch->click();
  }
  QStringList Lines() const {
    QStringList lines;
    for (int i = 0; i < form.List->count(); ++i) lines.append(form.List->item(i)->text());
    return lines;
  }
  void Go(int row) {
    form.List->setCurrentRow(row);
    form.bGo->click();
  }

  test::ChartWindow w;
  QWidget owner;
  ToolWindowRegistry registry;
  TSearchForm form{owner, w.host.table, registry};
};

}  // namespace

class TSearchFormTest : public QObject {
  Q_OBJECT

 private slots:
  void showingGivesTheSearchFieldAloneThenResultsOpenTheList() {
    Search s;
    AddText(s.Chart(), "Конец", 1000);
    s.Show();
    QVERIFY(s.form.isVisible());
    QCOMPARE(s.form.height(), 100);
    QCOMPARE(s.form.Label1->text(), QString::fromUtf8("Введите фрагмент текста для поиска и нажмите кнопку \"Поиск\""));
    s.Find("нец");
    QCOMPARE(s.Lines(), QStringList{QString::fromUtf8("1 - Конец")});
    QCOMPARE(s.form.height(), 285);
    s.form.bClose->click();
    s.Show();
    QCOMPARE(s.form.height(), 100);
  }

  void theSearchTellsCapitalsApartAndQuotesWhatWasNotFound() {
    Search s;
    AddText(s.Chart(), "Конец", 1000);
    s.Show();
    test::ModalAnswer answer(QMessageBox::Ok);
    s.Find("НЕЦ");
    QCOMPARE(answer.texts, QStringList{QString::fromUtf8("Не найдено ни одного блока, содержащего текст \"НЕЦ\"")});
    QCOMPARE(s.form.height(), 100);
    QCOMPARE(s.form.List->count(), 0);
  }

  void anEmptyChartAndNoChartWindowFindNothing() {
    Search s;
    s.Show();
    test::ModalAnswer answer(QMessageBox::Ok);
    s.Find("a");
    delete s.w.form.data();
    // The command works without a chart window too.
    QVERIFY(s.w.host.table.Action(CommandId::Search).isEnabled());
    s.Find("a");
    QCOMPARE(answer.texts.size(), 2);
  }

  void theLastBlockFoundEndsActiveAndIsAnnounced() {
    Search s;
    for (std::int64_t y : {1000, 5000, 9000}) AddText(s.Chart(), "да", y);
    AddText(s.Chart(), "нет", 13000);
    s.Show();
    s.w.host.inspected.clear();
    s.Find("да");
    QCOMPARE(s.Chart().ActiveBlock(), 3);
    // The inspector and the status line hear of it.
    QCOMPARE(s.w.host.inspected, std::vector<std::int64_t>{3});
    QCOMPARE(s.Lines(),
             (QStringList{QString::fromUtf8("1 - да"), QString::fromUtf8("2 - да"), QString::fromUtf8("3 - да")}));
  }

  void aTextOfSeveralLinesTakesOneLine() {
    Search s;
    AddText(s.Chart(), "x := 1\r\ny := 2\nz", 1000);
    s.Show();
    s.Find(":=");
    QCOMPARE(s.Lines(), QStringList{QStringLiteral("1 - x := 1 y := 2 z")});
  }

  void goingSelectsTheChosenBlockAndDoubleClickingToo() {
    Search s;
    AddText(s.Chart(), "один", 1000);
    AddText(s.Chart(), "два", 5000);
    AddText(s.Chart(), "один раз", 90000);
    s.Show();
    s.Find("один");
    s.Go(0);
    QCOMPARE(s.Chart().ActiveBlock(), 1);
    QListWidgetItem* second = s.form.List->item(1);
    // A double click's first press picks the line, its second one goes.
    QApplication::processEvents();
    const QPoint line = s.form.List->visualItemRect(second).center();
    QTest::mouseClick(s.form.List->viewport(), Qt::LeftButton, {}, line);
    QTest::mouseDClick(s.form.List->viewport(), Qt::LeftButton, {}, line);
    QCOMPARE(s.Chart().ActiveBlock(), 3);
    // The block far down the sheet was scrolled into view.
    QVERIFY(s.w.form->bh->FOriginY() > 0);
  }

  void resultsFollowTheirBlocksThroughEdits() {
    Search s;
    AddText(s.Chart(), "прочее", 1000);
    AddText(s.Chart(), "цель А", 5000);
    AddText(s.Chart(), "цель Б", 9000);
    s.Show();
    s.Find("цель");
    QCOMPARE(s.Lines(), (QStringList{QString::fromUtf8("2 - цель А"), QString::fromUtf8("3 - цель Б")}));

    s.Chart().DeleteBlock(false, 1);
    QCOMPARE(s.Lines(), (QStringList{QString::fromUtf8("1 - цель А"), QString::fromUtf8("2 - цель Б")}));
    s.Go(1);
    QCOMPARE(s.Chart().ActiveBlock(), 2);

    s.Chart().DeleteBlock(false, 2);
    QCOMPARE(s.Lines(), QStringList{QString::fromUtf8("1 - цель А")});
    s.Go(0);
    QCOMPARE(s.Chart().ActiveBlock(), 1);
  }

  void aGoWithNothingLeftToGoToDoesNothing() {
    Search s;
    AddText(s.Chart(), "цель", 1000);
    AddText(s.Chart(), "прочее", 5000);
    s.Show();
    s.Find("цель");
    s.Chart().SetActiveBlock(2);
    s.form.List->setCurrentRow(-1);
    s.form.bGo->click();
    QCOMPARE(s.Chart().ActiveBlock(), 2);
  }

  void anUndoOrAnotherChartWindowEmptiesTheList() {
    Search s;
    AddText(s.Chart(), "цель", 1000);
    s.Show();
    ChartEdit(s.Chart()).Changing();
    AddText(s.Chart(), "цель", 5000);
    s.Find("цель");
    QCOMPARE(s.form.List->count(), 2);
    s.Chart().Undo();
    QCOMPARE(s.form.List->count(), 0);
    s.form.bGo->click();

    s.Find("цель");
    QCOMPARE(s.form.List->count(), 1);
    auto* other = new THolderForm(s.w.host);
    other->show();
    other->FormActivate();
    QCOMPARE(s.form.List->count(), 0);
    delete other;
  }

  void aDissolvedSelectionFoundByItsTextIsNoLongerAResult() {
    Search s;
    AddText(s.Chart(), "цель", 1000);
    AddText(s.Chart(), "прочее", 5000);
    s.Chart().MakeMultiSelection(0, 0, 10000, 10000, {1, 2});
    s.Chart().SetBlockText(*UnicodeToCp1251(QString::fromUtf8("цель выбора")));
    s.Show();
    s.Find("цель");
    QCOMPARE(s.form.List->count(), 2);
    // Adding a block dissolves the selection, and may place the new block where it was.
    test::AddRect(s.Chart(), 1000, 20000);
    QCOMPARE(s.Lines(), QStringList{QString::fromUtf8("1 - цель")});
  }

  void f3GoesToTheNextResultRoundAndRound() {
    Search s;
    for (std::int64_t y : {1000, 5000}) AddText(s.Chart(), "цель", y);
    s.Show();
    s.Find("цель");
    s.form.List->setCurrentRow(0);
    QTest::keyClick(&s.form, Qt::Key_F3);
    QCOMPARE(s.Chart().ActiveBlock(), 2);
    QTest::keyClick(&s.form, Qt::Key_F3);
    QCOMPARE(s.Chart().ActiveBlock(), 1);
  }

  void theChartWindowsButtonOpensIt() {
    Search s;
    s.w.form->bSearch->click();
    QVERIFY(s.form.isVisible());
  }
};

QTEST_MAIN(TSearchFormTest)
#include "TSearchFormTest.moc"
