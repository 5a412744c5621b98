// The search window on a real chart window: what it finds, what it selects
// and how its results follow the chart.
#include <QAccessible>
#include <QCheckBox>
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
#include "support/NoticeLog.h"
#include "tools/TSearchForm.h"
#include "view/TBlocksHolder.h"

using namespace quobrix;

namespace {

// The chart windows open, as the main window lists them.
std::vector<BlocksHolderModel*> OpenCharts() {
  std::vector<BlocksHolderModel*> charts;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (auto* form = qobject_cast<THolderForm*>(window)) charts.push_back(&form->bh->Model());
  return charts;
}

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
  void ShowReplace() { w.host.table.Action(CommandId::Replace).trigger(); }
  // Types the piece and its replacement as a user would, letters of any alphabet included.
  static void TypeInto(QLineEdit* field, const char* utf8) {
    field->clear();
    for (const QChar ch : QString::fromUtf8(utf8)) QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, ch, {});
  }
  void Type(const char* find, const char* replacement) {
    TypeInto(form.edText, find);
    TypeInto(form.edReplace, replacement);
  }
  QString Text(std::int64_t n) { return Cp1251ToUnicode(Chart().Blocks(n).Text); }
  void Go(int row) {
    form.List->setCurrentRow(row);
    form.bGo->click();
  }

  test::ChartWindow w;
  QWidget owner;
  ToolWindowRegistry registry;
  TSearchForm form{owner, w.host.table, registry, OpenCharts};
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
    test::NoticeLog log(s.Chart());
    s.Find("да");
    QCOMPARE(s.Chart().ActiveBlock(), 3);
    // The inspector and the status line hear of it.
    QCOMPARE(log.ActiveBlocks(), std::vector<std::int64_t>{3});
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
    {
      ChartEdit edit(s.Chart());
      AddText(s.Chart(), "цель", 5000);
    }
    s.Find("цель");
    QCOMPARE(s.form.List->count(), 2);
    s.Chart().Undo();
    QCOMPARE(s.form.List->count(), 0);
    s.form.bGo->click();

    s.Find("цель");
    QCOMPARE(s.form.List->count(), 1);
    auto* other = new THolderForm(s.w.host, s.w.context);
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

  void theReplacingPartOpensBelowTheSearchFieldWithEveryControlNamed() {
    Search s;
    AddText(s.Chart(), "Конец", 1000);
    s.ShowReplace();
    QVERIFY(s.form.isVisible() && s.form.ReplacePanel->isVisible());
    QCOMPARE(s.form.height(), 224);
    for (QWidget* control : std::initializer_list<QWidget*>{
             s.form.edReplace, s.form.cbWholeWord, s.form.cbMatchCase, s.form.cbRegExp, s.form.cbAllCharts,
             s.form.bReplace, s.form.bReplaceAll})
      QVERIFY2(!QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty(),
               qPrintable(control->objectName()));
    QCOMPARE(s.form.edReplace->accessibleName(), s.form.LabelReplace->text());
    s.Find("нец");
    QCOMPARE(s.form.height(), 285 + 124);
    // The list and its buttons lie below the replacing part.
    QVERIFY(s.form.List->geometry().top() > s.form.ReplacePanel->geometry().bottom());
    QVERIFY(s.form.bClose->geometry().bottom() < s.form.height());

    // Searching alone tells capitals apart whatever the hidden part says.
    s.form.cbMatchCase->setChecked(false);
    s.form.close();
    s.Show();
    QVERIFY(!s.form.ReplacePanel->isVisible());
    QCOMPARE(s.form.height(), 100);
    test::ModalAnswer answer(QMessageBox::Ok);
    s.Find("НЕЦ");
    QCOMPARE(answer.texts.size(), 1);
  }

  // The whole way a user goes: type, replace all, undo.
  void replacingAllIsOneUndoStepOfTheChart() {
    Search s;
    AddText(s.Chart(), "x := x + 1", 1000);
    AddText(s.Chart(), "вывод x", 5000);
    AddText(s.Chart(), "xy", 9000);
    AddText(s.Chart(), "y := X", 13000);
    s.ShowReplace();
    s.Type("x", "счёт");
    QTest::mouseClick(s.form.cbWholeWord, Qt::LeftButton);
    QTest::mouseClick(s.form.bReplaceAll, Qt::LeftButton);
    QCOMPARE(s.Text(1), QString::fromUtf8("счёт := счёт + 1"));
    QCOMPARE(s.Text(2), QString::fromUtf8("вывод счёт"));
    QCOMPARE(s.Text(3), QStringLiteral("xy"));
    QCOMPARE(s.Text(4), QStringLiteral("y := X"));
    QVERIFY(s.Chart().FModified());
    QCOMPARE(s.Chart().History().FUndoCount(), 1);
    // The replaced blocks are the results; the last one is active.
    QCOMPARE(s.Lines(), (QStringList{QString::fromUtf8("1 - счёт := счёт + 1"), QString::fromUtf8("2 - вывод счёт")}));
    QCOMPARE(s.Chart().ActiveBlock(), 2);

    s.w.host.table.Action(CommandId::Undo).trigger();
    QCOMPARE(s.Text(1), QStringLiteral("x := x + 1"));
    QCOMPARE(s.Text(2), QString::fromUtf8("вывод x"));
    QCOMPARE(s.Chart().History().FUndoCount(), 0);
  }

  void replacingOneChangesTheActiveBlockThenGoesToTheNext() {
    Search s;
    AddText(s.Chart(), "a1", 1000);
    AddText(s.Chart(), "b", 5000);
    AddText(s.Chart(), "a2 a3", 9000);
    s.ShowReplace();
    s.Type("a(\\d)", "<\\1>");
    s.form.cbRegExp->setChecked(true);
    s.Chart().SetActiveBlock(2);
    // The active block does not match: the next one that does is gone to.
    s.form.bReplace->click();
    QCOMPARE(s.Chart().ActiveBlock(), 3);
    QCOMPARE(s.Chart().History().FUndoCount(), 0);
    s.form.bReplace->click();
    QCOMPARE(s.Text(3), QStringLiteral("<2> <3>"));
    QCOMPARE(s.Chart().ActiveBlock(), 1);
    QCOMPARE(s.Lines(), QStringList{QStringLiteral("1 - a1")});
    test::ModalAnswer answer(QMessageBox::Ok);
    s.form.bReplace->click();
    QCOMPARE(s.Text(1), QStringLiteral("<1>"));
    QCOMPARE(s.Chart().History().FUndoCount(), 2);
    // Replacing the last match says nothing; a click with nothing left says so.
    QCOMPARE(answer.texts.size(), 0);
    s.form.bReplace->click();
    QCOMPARE(answer.texts.size(), 1);
    QVERIFY(answer.texts[0].endsWith(QStringLiteral("\"a(\\d)\"")));
  }

  void replacingAllOverEveryOpenChartGivesEachItsOwnUndoPoint() {
    Search s;
    AddText(s.Chart(), "да", 1000);
    auto* other = new THolderForm(s.w.host, s.w.context);
    other->show();
    BlocksHolderModel& second = other->bh->Model();
    AddText(second, "да или нет", 1000);
    AddText(second, "ДА", 5000);
    s.w.form->FormActivate();
    s.ShowReplace();
    s.Type("да", "yes");
    s.form.cbMatchCase->setChecked(false);
    s.form.bReplaceAll->click();
    // The active chart alone, as the scope says.
    QCOMPARE(s.Text(1), QStringLiteral("yes"));
    QCOMPARE(Cp1251ToUnicode(second.Blocks(1).Text), QString::fromUtf8("да или нет"));

    s.Chart().Undo();
    s.form.cbAllCharts->setChecked(true);
    s.form.bReplaceAll->click();
    QCOMPARE(s.Text(1), QStringLiteral("yes"));
    QCOMPARE(Cp1251ToUnicode(second.Blocks(1).Text), QString::fromUtf8("yes или нет"));
    QCOMPARE(Cp1251ToUnicode(second.Blocks(2).Text), QStringLiteral("yes"));
    QCOMPARE(second.History().FUndoCount(), 1);
    QVERIFY(second.FModified());
    // The other chart's blocks are not listed: the list is of the active chart.
    QCOMPARE(s.Lines(), QStringList{QStringLiteral("1 - yes")});
    second.Undo();
    QCOMPARE(Cp1251ToUnicode(second.Blocks(1).Text), QString::fromUtf8("да или нет"));
    QCOMPARE(Cp1251ToUnicode(second.Blocks(2).Text), QString::fromUtf8("ДА"));
    QCOMPARE(s.Text(1), QStringLiteral("yes"));
    delete other;
  }

  void aBrokenExpressionOrACharacterTheCodePageLacksChangesNothing() {
    Search s;
    AddText(s.Chart(), "a(b", 1000);
    auto* other = new THolderForm(s.w.host, s.w.context);
    other->show();
    AddText(other->bh->Model(), "a(b", 1000);
    s.w.form->FormActivate();
    s.ShowReplace();
    s.form.cbAllCharts->setChecked(true);
    test::ModalAnswer answer(QMessageBox::Ok);

    s.Type("a(b", "c");
    s.form.cbRegExp->setChecked(true);
    for (QPushButton* button : {s.form.bSearch, s.form.bReplace, s.form.bReplaceAll}) button->click();
    QCOMPARE(answer.texts.size(), 3);
    QVERIFY(answer.texts[0].startsWith(QString::fromUtf8("Ошибка в регулярном выражении у знака 4: ")));

    answer.texts.clear();
    s.form.cbRegExp->setChecked(false);
    s.Type("(", "→");
    // Whichever window the window system made the active one, its block is the one to replace.
    for (BlocksHolderModel* chart : {&s.Chart(), &other->bh->Model()}) chart->SetActiveBlock(1);
    for (QPushButton* button : {s.form.bReplace, s.form.bReplaceAll}) button->click();
    const QString refusal = QString::fromUtf8(
        "В замене есть знаки, которых нет в кодовой странице схемы (Windows-1251); тексты не изменены.");
    QCOMPARE(answer.texts, (QStringList{refusal, refusal}));
    for (BlocksHolderModel* chart : {&s.Chart(), &other->bh->Model()}) {
      QCOMPARE(chart->Blocks(1).Text, std::string("a(b"));
      QCOMPARE(chart->History().FUndoCount(), 0);
    }
    delete other;
  }

  void theChartWindowsButtonOpensIt() {
    Search s;
    s.w.form->bSearch->click();
    QVERIFY(s.form.isVisible());
  }
};

QTEST_MAIN(TSearchFormTest)
#include "TSearchFormTest.moc"
