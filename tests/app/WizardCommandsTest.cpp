// The wizards menu of the main window: each command runs its dialog and
// opens the chart it describes in a new chart window.
#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <new>
#include <utility>

#include "app/TMainForm.h"
#include "platform/LanguageTable.h"
#include "support/ModalAnswer.h"
#include "support/TempDir.h"
#include "view/AppContext.h"
#include "view/CodePageEdits.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"
#include "wizards/CodeChartPreview.h"
#include "wizards/LanguageWords.h"
#include "wizards/TWizCodeForm.h"
#include "wizards/TWizLSForm.h"

using namespace quobrix;

namespace {

const char kTemplate[] =
    "[Quobrix Sheme v.1.0]\r\n[SHEME DATA]\r\nAuthor=\r\nDescription=\r\nOrganization=\r\nDocumentPages=2\r\n"
    "SheetColor=16777215\r\nSheetWidth=21000\r\nSheetHeight=29700\r\nZoomPercents=100\r\n[END]\r\n[BLOCK DATA]\r\n"
    "X=1000\r\nY=2000\r\nW=3000\r\nH=1500\r\nBT=7\r\nMC=16777215\r\nSC=0\r\nFS=0\r\nGF=0\r\nBC=0\r\nBW=1\r\nBS=0\r\n"
    "Text=frame\r\nTF=Arial|-16777208|10|0000\r\nTA=2\r\nTP=0\r\nCompl=0\r\nOwner=0\r\nHyperlink=\r\nLineArrows=0\r\n"
    "[END]\r\n[SHEME END]\r\n";

// Answers the wizard dialog that shows up modally.
class WizardAnswer {
 public:
  explicit WizardAnswer(std::function<void(WizardDialog&)> answer) {
    QObject::connect(&timer_, &QTimer::timeout, [this, answer] {
      auto* dialog = qobject_cast<WizardDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      titles.append(dialog->windowTitle());
      classes.append(QString::fromLatin1(dialog->metaObject()->className()));
      answer(*dialog);
    });
    timer_.start(5);
  }
  QStringList titles;
  QStringList classes;

 private:
  QTimer timer_;
};

struct Program {
  Program() {
    qputenv("QUOBRIX_HOME", home.Path().string().c_str());
    context.Settings().SetLastChartPlacement(ChartPlacement{30, 40, 500, 400, 150});
    main = std::make_unique<TMainForm>(context);
  }
  QAction& Command(CommandId id) const { return main->Commands().Action(id); }

  test::TempDir home;
  AppContext context;
  std::unique_ptr<TMainForm> main;
};

void AppendOneBlock(BlocksHolderModel& chart) { chart.AddDefaultBlock(btRectangle, 0, 0, 100, 100); }

// Each block as its type, place, size and text, in list order.
QStringList ChartBlocks(const BlocksHolderModel& chart) {
  QStringList blocks;
  for (std::int64_t n = 1; n <= chart.BlockCount(); ++n) {
    const TBlock& b = chart.Blocks(n);
    blocks << QStringLiteral("%1 %2,%3 %4x%5 ").arg(b.BT).arg(b.X).arg(b.Y).arg(b.W).arg(b.H) +
                  QString::fromLatin1(b.Text.data(), static_cast<qsizetype>(b.Text.size()));
  }
  return blocks;
}

}  // namespace

class WizardCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void wizardsMenuListsItsItemsEnabled() {
    Program p;
    QMenu* menu = p.main->menuBar()->findChild<QMenu*>(QStringLiteral("mWizards"));
    QVERIFY(menu && menu->menuAction()->isEnabled());
    QStringList items;
    for (const QAction* action : menu->actions()) {
      items << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
      QVERIFY(action->isEnabled());
    }
    QCOMPARE(items, (QStringList{"mWizard1", "mWizard4", "-", "mWizard2", "mWizard3", "-", "mWizard5"}));
  }

  void eachCommandShowsItsDialogUnderItsCaption() {
    Program p;
    WizardAnswer answer([](WizardDialog& dialog) { dialog.bCancel->click(); });
    for (CommandId id : {CommandId::LinearWizard, CommandId::BranchWizard, CommandId::ForLoopWizard,
                         CommandId::ProcessWizard, CommandId::CodeWizard})
      p.Command(id).trigger();
    QCOMPARE(answer.classes, (QStringList{"quobrix::TWizLSForm", "quobrix::TWizIFForm", "quobrix::TWizForForm",
                                          "quobrix::TWizProcForm", "quobrix::TWizCodeForm"}));
    QCOMPARE(answer.titles, (QStringList{"Мастер линейных блок-схем", "Мастер блок-схем с условием",
                                         "Мастер блок-схем с циклом \"ДЛЯ\" (FOR)", "Мастер блок-схемы процесса",
                                         "Блок-схема по тексту программы"}));
    QVERIFY(p.main->ChartWindows().empty());  // cancelled: no chart
  }

  void linearWizardOpensItsChartInANewUntitledWindow() {
    Program p;
    WizardAnswer answer([](WizardDialog& dialog) {
      auto& form = static_cast<TWizLSForm&>(dialog);
      form.edInput->setText(QStringLiteral("A"));
      form.chProcess->setChecked(false);
      form.bOK->click();
    });
    p.Command(CommandId::LinearWizard).trigger();
    QCOMPARE(p.main->ChartWindows().size(), size_t(1));
    THolderForm* window = p.main->ActiveChartWindow();
    const BlocksHolderModel& chart = window->bh->Model();
    QCOMPARE(window->windowTitle(), QString::fromUtf8("Без имени[*]"));
    QCOMPARE(chart.FileName(), std::string("Untitled"));
    QCOMPARE(chart.BlockCount(), std::int64_t{7});
    QCOMPARE(chart.Blocks(3).Text, std::string("\xC2\xE2\xEE\xE4\r\nA"));  // "Ввод", CR LF, the input
    QCOMPARE(window->size(), QSize(500, 400));
    QCOMPARE(chart.ZoomPercents(), std::int64_t{150});
    QVERIFY(chart.FModified());
  }

  void codeWizardOpensTheChartItsPreviewShowed() {
    Program p;
    const QString program = QStringLiteral(
        "program p;\nvar a, b: integer;\nbegin\n  readln(a);\n  if a > 0 then b := a else b := -a;\n  "
        "writeln(b)\nend.\n");
    QStringList previewed;
    bool typed = false;
    WizardAnswer answer([&](WizardDialog& dialog) {
      if (std::exchange(typed, true)) return;  // the wait below lets the answer's timer fire again
      auto& form = static_cast<TWizCodeForm&>(dialog);
      for (const QString& line : program.split(u'\n', Qt::SkipEmptyParts)) {
        QTest::keyClicks(form.mProgram, line);
        QTest::keyClick(form.mProgram, Qt::Key_Return);
      }
      QCOMPARE(form.mProgram->toPlainText(), program);
      if (QTest::qWaitFor([&form] { return form.Preview->Chart() != nullptr; }))
        previewed = ChartBlocks(*form.Preview->Chart());
      form.bOK->click();
    });
    p.Command(CommandId::CodeWizard).trigger();

    BlocksHolderModel expected;
    expected.ApplyChartWindowValues();
    CodeChartOptions options;
    options.words = CodeChartWordsOfLanguage();
    QVERIFY(!AppendCodeChart(expected, program.toStdString(), options));
    QVERIFY(expected.BlockCount() > 10);
    QCOMPARE(previewed, ChartBlocks(expected));
    QCOMPARE(p.main->ChartWindows().size(), size_t(1));
    THolderForm* window = p.main->ActiveChartWindow();
    QCOMPARE(window->windowTitle(), QString::fromUtf8("Без имени[*]"));
    QCOMPARE(ChartBlocks(window->bh->Model()), ChartBlocks(expected));
    QVERIFY(window->bh->Model().FModified());
  }

  void templateComesFirstAndTheChartStaysUntitled() {
    Program p;
    test::WriteBytes(p.home.File("frame.qbs"), kTemplate);
    THolderForm* window = p.main->CreateWizardChart(QString::fromStdString(p.home.File("frame.qbs")), AppendOneBlock);
    const BlocksHolderModel& chart = window->bh->Model();
    QCOMPARE(chart.BlockCount(), std::int64_t{2});
    QCOMPARE(chart.Blocks(1).Text, std::string("frame"));
    QCOMPARE(chart.DocumentPages(), 2);
    QCOMPARE(chart.FileName(), std::string("Untitled"));
    QCOMPARE(window->windowTitle(), QString::fromUtf8("Без имени[*]"));
  }

  void aTemplatePathNamingNoFileIsIgnored() {
    Program p;
    QStringList titles{QString::fromUtf8("Без имени[*]"), QString::fromUtf8("Без имени 2[*]"), QString::fromUtf8("Без имени 3[*]")};
    for (const std::string& path : {p.home.File("missing.qbs"), p.home.Path().string(), std::string()}) {
      THolderForm* window = p.main->CreateWizardChart(QString::fromStdString(path), AppendOneBlock);
      QCOMPARE(window->bh->Model().BlockCount(), std::int64_t{1});
      QCOMPARE(window->bh->Model().FileName(), std::string("Untitled"));
      QCOMPARE(window->windowTitle(), titles.takeFirst());
    }
  }

  // A wizard that failed half-way used to leave its window without a word.
  void aFailureWhileBuildingKeepsWhatWasBuiltAndSaysSo() {
    Program p;
    test::ModalAnswer answer(QMessageBox::Ok);
    THolderForm* window = p.main->CreateWizardChart(QString(), [](BlocksHolderModel& chart) {
      AppendOneBlock(chart);
      throw std::bad_alloc();
    });
    QVERIFY(window->isVisible());
    QCOMPARE(window->bh->Model().BlockCount(), std::int64_t{1});
    QCOMPARE(answer.texts, QStringList{LanguageText(TextKey::WIZARD_BUILD_ERROR)});
  }
};

QTEST_MAIN(WizardCommandsTest)
#include "WizardCommandsTest.moc"
