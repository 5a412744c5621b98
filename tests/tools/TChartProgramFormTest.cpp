// The window of the active chart's program, on a real chart window: the
// program in either language, a line clicked selecting its symbol, edits
// followed as they are made, and a broken chart naming and selecting the
// symbol where it breaks.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "platform/LanguageTable.h"
#include "chart/ChartEdit.h"
#include "chart/Cp1251.h"
#include "chart/wizards/CodeChart.h"
#include "support/FakeChartHost.h"
#include "tools/TChartProgramForm.h"
#include "view/CommandTable.h"
#include "view/TBlocksHolder.h"

using namespace quobrix;

namespace {

struct ProgramWindow {
  ProgramWindow() {
    BlocksHolderModel& chart = w.model();
    CodeChartOptions options;
    options.words = {"Begin", "End", "Input", "Output", "Yes", "No"};
    ChartEdit edit(chart);
    AppendCodeChart(chart, "program P;\nbegin\n  readln(n);\n  while n > 0 do\n    n := n - 2;\n  writeln(n)\nend.\n",
                    options);
  }
  QStringList Lines() const {
    QStringList lines;
    for (int i = 0; i < form.lbProgram->count(); ++i) lines.append(form.lbProgram->item(i)->text());
    return lines;
  }
  // The number of the symbol whose text is `utf8`.
  std::int64_t SymbolWith(const char* utf8) {
    for (std::int64_t n = 1; n <= w.model().BlockCount(); ++n)
      if (Cp1251ToUtf8(w.model().Blocks(n).Text).find(utf8) != std::string::npos && w.model().Blocks(n).BT != btLine)
        return n;
    return 0;
  }

  test::ChartWindow w;
  QWidget owner;
  ToolWindowRegistry registry;
  TChartProgramForm form{owner, w.host.table, registry};
};

}  // namespace

class TChartProgramFormTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheProgramFollowsEditsAndSelectsSymbols() {
    ProgramWindow p;
    p.w.host.table.Action(CommandId::ChartProgram).trigger();
    QVERIFY(p.form.isVisible());
    QVERIFY(p.Lines().contains(QStringLiteral("  while n > 0 do")));
    QVERIFY(p.Lines().contains(QStringLiteral("    n := n - 2;")));

    p.form.cbLanguage->setCurrentIndex(1);
    QCOMPARE(p.Lines(), (QStringList{"n = int(input())", "while n > 0:", "    n = n - 2", "print(n)"}));

    // A line clicked selects the symbol it came from.
    p.form.lbProgram->setCurrentRow(2);
    QCOMPARE(p.w.model().ActiveBlock(), p.SymbolWith("n := n - 2"));

    // An edit of a symbol's text shows after a short pause.
    p.w.model().ReplaceBlockTexts({{p.SymbolWith("n := n - 2"), "\r\nn := n - 3"}});
    QTRY_COMPARE(p.Lines().value(2), QStringLiteral("    n = n - 3"));

    // The line out of the loop's body gone: the chart has no program, and
    // the window says so and selects the symbol where the flow stops.
    const std::int64_t body = p.SymbolWith("n := n - 3");
    const TBlock& symbol = p.w.model().Blocks(body);
    for (std::int64_t n = 1; n <= p.w.model().BlockCount(); ++n) {
      const TBlock& line = p.w.model().Blocks(n);
      if (line.BT == btLine && line.Y == symbol.Y + symbol.H && line.X == symbol.X + symbol.W / 2) {
        ChartEdit edit(p.w.model());
        p.w.model().DeleteBlock(false, n);
        break;
      }
    }
    QTRY_VERIFY(p.form.LabelFault->isVisible());
    QVERIFY2(p.form.LabelFault->text().startsWith(LanguageText(TextKey::CHART_PROGRAM_NO_WAY_OUT)),
             qPrintable(p.form.LabelFault->text()));
    QCOMPARE(p.Lines(), QStringList());
    QCOMPARE(p.w.model().ActiveBlock(), p.SymbolWith("n := n - 3"));

    p.w.model().Undo();
    QTRY_VERIFY(!p.form.LabelFault->isVisible());
    QCOMPARE(p.Lines().size(), 4);
  }
};

QTEST_MAIN(TChartProgramFormTest)
#include "TChartProgramFormTest.moc"
