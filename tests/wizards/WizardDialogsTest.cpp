// The wizard dialogs: their components and texts, what they hand over, the
// code-page guard of their text controls, the process wizard's list, and the
// program text wizard's faults and files.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTest>
#include <QTextBlock>
#include <functional>
#include <memory>
#include <vector>

#include "app/TranslateWindow.h"
#include "platform/LanguageTable.h"
#include "platform/ProfileFile.h"
#include "support/ModalAnswer.h"
#include "support/TempDir.h"
#include "view/CodePageEdits.h"
#include "wizards/CodeChartPreview.h"
#include "wizards/CodeErrorText.h"
#include "wizards/TWizCodeForm.h"
#include "wizards/TWizForForm.h"
#include "wizards/TWizIFForm.h"
#include "wizards/TWizLSForm.h"
#include "wizards/TWizProcForm.h"

using namespace quobrix;

namespace {

using DialogMaker = std::function<std::unique_ptr<WizardDialog>()>;

template <typename Dialog>
DialogMaker Maker() {
  return [] { return std::make_unique<Dialog>(); };
}

QString LanguageFile(const char* name) {
  return qEnvironmentVariable("QUOBRIX_SOURCE_DIR") + QStringLiteral("/lang/") + QString::fromUtf8(name) +
         QStringLiteral(".lng");
}

void Type(QWidget& widget, const char* utf8) {
  QTest::sendKeyEvent(QTest::KeyAction::Click, &widget, Qt::Key_unknown, QString::fromUtf8(utf8), Qt::NoModifier);
}

// The labels that name each control they are the buddy of.
QSet<const QWidget*> LabelledControls(const QWidget& dialog) {
  QSet<const QWidget*> labelled;
  for (const QLabel* label : dialog.findChildren<QLabel*>())
    if (label->buddy() && !label->text().isEmpty()) labelled.insert(label->buddy());
  return labelled;
}

// Whether anything darker than the sheet and the space around it is drawn inside `area`.
bool HasInk(const QImage& picture, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (qGray(picture.pixel(x, y)) < 100) return true;
  return false;
}

QString Shown(const QListWidget& list, int row) { return list.item(row)->text(); }

void AddSection(TWizProcForm& form, QPushButton* kind, const char* condition, const char* operation) {
  kind->click();
  form.edCondition->setText(QString::fromUtf8(condition));
  form.mOperation->setPlainText(QString::fromUtf8(operation));
  form.bSectionOK->click();
}

}  // namespace

Q_DECLARE_METATYPE(DialogMaker)

class WizardDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { LoadLanguageTable(QString()); }

  void eachDialog_data() {
    QTest::addColumn<DialogMaker>("make");
    QTest::newRow("WizLSForm") << Maker<TWizLSForm>();
    QTest::newRow("WizIFForm") << Maker<TWizIFForm>();
    QTest::newRow("WizForForm") << Maker<TWizForForm>();
    QTest::newRow("WizProcForm") << Maker<TWizProcForm>();
    QTest::newRow("WizCodeForm") << Maker<TWizCodeForm>();
  }

  void eachDialog() {
    QFETCH(DialogMaker, make);
    {
      auto used = make();
      for (QCheckBox* check : used->findChildren<QCheckBox*>()) check->setChecked(false);
    }
    auto dialog = make();
    for (const QCheckBox* check : dialog->findChildren<QCheckBox*>()) QVERIFY2(check->isChecked(), qPrintable(check->objectName()));
    QCOMPARE(dialog->bOK->text(), QStringLiteral("Готово"));
    QVERIFY(dialog->bOK->isDefault());
    QCOMPARE(dialog->bCancel->text(), QStringLiteral("Отмена"));
    QCOMPARE(dialog->LabelTemplate->text(), QStringLiteral("Шаблон для новой блок-схемы:"));
    QCOMPARE(dialog->bOpen->text(), QStringLiteral("..."));

    // A key of the language files that names no component would be ignored silently.
    const QString section = LanguageSection(*dialog);
    QSet<QString> names;
    for (const QObject* child : dialog->findChildren<QObject*>()) names.insert(child->objectName());
    for (const QString& key : ProfileFile(LanguageFile("Русский")).Keys(section))
      QVERIFY2(names.contains(key), qPrintable(section + u'.' + key));

    TranslateWindow(LanguageFile("English"), *dialog);
    QCOMPARE(dialog->bOK->text(), QStringLiteral("Done"));
    QCOMPARE(dialog->LabelTemplate->text(), QStringLiteral("Template for the new flowchart:"));

    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    const QSet<const QWidget*> labelled = LabelledControls(*dialog);
    for (const QWidget* control : dialog->findChildren<QWidget*>()) {
      if (control->focusPolicy() == Qt::NoFocus || control->isWindow() || !control->isVisibleTo(dialog.get())) continue;
      if (!qobject_cast<const QLineEdit*>(control) && !qobject_cast<const QPlainTextEdit*>(control) &&
          !qobject_cast<const QAbstractButton*>(control) && !qobject_cast<const QListWidget*>(control))
        continue;
      const auto* button = qobject_cast<const QAbstractButton*>(control);
      const bool named = (button && !button->text().isEmpty() && button->text() != QStringLiteral("...")) ||
                         !control->accessibleName().isEmpty() || labelled.contains(control) ||
                         !control->toolTip().isEmpty();
      QVERIFY2(named, qPrintable(control->objectName()));
    }
  }

  void linearDialogHandsOverItsTextsInTheChartsCodePage() {
    TWizLSForm form;
    form.edInput->setText(QString::fromUtf8("А, Б"));
    form.mProcess->setPlainText(QStringLiteral("x := 1\ny := 2"));
    form.chOutput->setChecked(false);
    form.edTemplate->setText(QStringLiteral("/tmp/t.qbs"));
    const LinearChartInput in = form.Input();
    QVERIFY(in.input.on);
    QCOMPARE(in.input.text, std::string("\xC0, \xC1"));
    QCOMPARE(in.process.text, std::string("x := 1\r\ny := 2"));
    QVERIFY(!in.output.on);
    QVERIFY(!form.edOutput->isEnabled());  // an unticked section's text is not used
    QCOMPARE(form.TemplatePath(), QStringLiteral("/tmp/t.qbs"));
  }

  void loopHeaderStaysEditableWhateverItsBoxSays() {
    TWizForForm form;
    form.chFor->setChecked(false);
    QVERIFY(form.edFor->isEnabled());
    form.edFor->setText(QStringLiteral("I:=1,N,1"));
    QCOMPARE(form.Input().loop, std::string("I:=1,N,1"));
  }

  void charactersOutsideTheCodePageAreRefusedAsTheyAreTyped() {
    TWizIFForm form;
    form.show();
    Type(*form.edIf, "ж");
    Type(*form.edIf, "ä");
    QCOMPARE(form.edIf->text(), QString::fromUtf8("ж"));
    Type(*form.mProcess1, "€");
    Type(*form.mProcess1, "ß");
    QCOMPARE(form.mProcess1->toPlainText(), QString::fromUtf8("€"));
    QApplication::clipboard()->setText(QString::fromUtf8("x ≠ y"));
    form.mProcess1->paste();
    form.edIf->paste();
    QCOMPARE(form.mProcess1->toPlainText(), QString::fromUtf8("€"));
    QCOMPARE(form.edIf->text(), QString::fromUtf8("ж"));
    QApplication::clipboard()->setText(QStringLiteral("y"));
    form.mProcess1->paste();
    QCOMPARE(form.Input().process1.text, std::string("\x88y"));
  }

  void templateButtonPutsTheChosenFileIntoTheRow() {
    test::TempDir dir;
    test::WriteBytes(dir.File("base.qbs"), "x");
    TWizLSForm form;
    test::ModalAnswer answer(QString::fromStdString(dir.File("base.qbs")));
    form.bOpen->click();
    QCOMPARE(form.edTemplate->text(), QString::fromStdString(dir.File("base.qbs")));
    QCOMPARE(answer.titles, QStringList{QStringLiteral("Открытие схемы")});
  }

  void processSectionsShowTheirKindAndTexts() {
    TWizProcForm form;
    form.show();
    form.bIf->click();
    QCOMPARE(form.PanelSection->title(), QStringLiteral("Операция по условию"));
    QVERIFY(form.LabelCondition->isVisible() && !form.LabelExpression->isVisible() && form.edCondition->isVisible());
    form.bSectionCancel->click();
    QVERIFY(!form.PanelSection->isVisible());
    QCOMPARE(form.LBox->count(), 0);

    AddSection(form, form.bIf, "a/b > 1", "c := a/b");
    AddSection(form, form.bCycle, "i := 1, n", "s := s + i");
    AddSection(form, form.bOperation, "", "x := 1\ny := 2");
    AddSection(form, form.bDelay, "", "1 s");
    AddSection(form, form.bInOut, "", "s");
    QCOMPARE(Shown(*form.LBox, 0), QString::fromUtf8("[Условие]    - /a/b > 1/  c := a/b"));
    QCOMPARE(Shown(*form.LBox, 1), QString::fromUtf8("[Цикл]       - /i := 1, n/  s := s + i"));
    QCOMPARE(Shown(*form.LBox, 2), QString::fromUtf8("[Операция]   - x := 1\ny := 2"));
    QCOMPARE(Shown(*form.LBox, 3), QString::fromUtf8("[Задержка]   - 1 s"));
    QCOMPARE(Shown(*form.LBox, 4), QString::fromUtf8("[Ввод/Вывод] - s"));

    const ProcessChartInput in = form.Input(21000, 29700);
    using K = ProcessSectionKind;
    QCOMPARE(in.sections, (std::vector<ProcessSection>{{K::Condition, "a/b > 1", "c := a/b"},
                                                       {K::Loop, "i := 1, n", "s := s + i"},
                                                       {K::Operation, "", "x := 1\r\ny := 2"},
                                                       {K::Delay, "", "1 s"},
                                                       {K::InputOutput, "", "s"}}));
    QCOMPARE(in.symbolWidth, std::int64_t{6000});
    QCOMPARE(in.symbolHeight, std::int64_t{2000});
  }

  void sectionsGoBeforeTheSelectedOneAndMoveWithIt() {
    TWizProcForm form;
    for (const char* text : {"a", "b", "c"}) AddSection(form, form.bOperation, "", text);
    form.LBox->setCurrentRow(1);
    AddSection(form, form.bDelay, "", "d");
    const auto order = [&form] {
      QStringList texts;
      for (const ProcessSection& section : form.Input(21000, 29700).sections)
        texts << QString::fromStdString(section.operation);
      return texts;
    };
    QCOMPARE(order(), (QStringList{"a", "d", "b", "c"}));
    QCOMPARE(form.LBox->currentRow(), 2);  // "b" stays selected

    form.bMoveDown->click();
    QCOMPARE(order(), (QStringList{"a", "d", "c", "b"}));
    QCOMPARE(form.LBox->selectedItems(), QList<QListWidgetItem*>{form.LBox->item(3)});
    form.bMoveDown->click();  // already last
    QCOMPARE(order(), (QStringList{"a", "d", "c", "b"}));
    form.LBox->setCurrentRow(0);
    form.bMoveUp->click();  // already first
    QCOMPARE(order(), (QStringList{"a", "d", "c", "b"}));
    form.LBox->setCurrentRow(2);
    form.bMoveUp->click();
    QCOMPARE(order(), (QStringList{"a", "c", "d", "b"}));
    QCOMPARE(form.LBox->currentRow(), 1);
    form.bDeleteSection->click();
    QCOMPARE(order(), (QStringList{"a", "d", "b"}));

    form.LBox->clearSelection();
    form.bMoveUp->click();
    form.bDeleteSection->click();
    QCOMPARE(order(), (QStringList{"a", "d", "b"}));
    AddSection(form, form.bInOut, "", "e");
    QCOMPARE(order(), (QStringList{"a", "d", "b", "e"}));
  }

  // Telling sections apart by the words in front of their texts broke when
  // a language gave two kinds the same word, or none.
  void sectionsKeepTheirKindWhateverTheLanguageCallsThem() {
    test::TempDir dir;
    test::WriteBytes(dir.File("same.lng"),
                     "[Wizards]\r\nWIZARD_OPERATION=\"\"\r\nWIZARD_DELAY=\"\"\r\nWIZARD_IF=\"\"\r\n"
                     "WIZARD_CYCLE=\"\"\r\nWIZARD_INOUT=\"\"\r\n");
    LoadLanguageTable(QString::fromStdString(dir.File("same.lng")));
    TWizProcForm form;
    AddSection(form, form.bDelay, "", "wait");
    AddSection(form, form.bCycle, "i", "x");
    AddSection(form, form.bInOut, "", "s");
    QCOMPARE(Shown(*form.LBox, 0), QStringLiteral(" - wait"));
    using K = ProcessSectionKind;
    QCOMPARE(form.Input(21000, 29700).sections,
             (std::vector<ProcessSection>{{K::Delay, "", "wait"}, {K::Loop, "i", "x"}, {K::InputOutput, "", "s"}}));
  }

  void symbolSizesThatMakeNoSymbolGiveTheDefaultSize() {
    TWizProcForm form;
    form.edSW->setText(QStringLiteral("0"));
    form.edSH->setText(QStringLiteral("500"));
    ProcessChartInput in = form.Input(21000, 29700);
    QCOMPARE(in.symbolWidth, std::int64_t{8000});
    QCOMPARE(in.symbolHeight, std::int64_t{3000});
    form.edSW->setText(QStringLiteral("abc"));
    form.edSH->setText(QStringLiteral("297"));
    in = form.Input(21000, 29700);
    QCOMPARE(in.symbolWidth, std::int64_t{8000});
    QCOMPARE(in.symbolHeight, std::int64_t{29700});
  }

  void aFaultInTheProgramNamesItsPlaceAndBlocksDone() {
    TWizCodeForm form;
    QVERIFY(!form.bOK->isEnabled());  // nothing typed yet
    QVERIFY(form.LabelStatus->text().isEmpty());
    form.cbLanguage->setCurrentIndex(form.cbLanguage->findText(QStringLiteral("Python")));
    form.mProgram->setPlainText(QStringLiteral("x = 1\nwhile x < 3\n    x = x + 1\n"));
    form.RefreshPreview();
    QCOMPARE(form.LabelStatus->text(), QString::fromUtf8("строка 2, столбец 12: ожидается «:», а стоит конец строки"));
    QVERIFY(!form.bOK->isEnabled());
    QVERIFY(!form.Preview->Chart());
    const QList<QTextEdit::ExtraSelection> marks = form.mProgram->extraSelections();
    QCOMPARE(marks.size(), 2);
    QCOMPARE(marks[0].cursor.blockNumber(), 1);
    QCOMPARE(marks[1].cursor.selectionStart(), form.mProgram->document()->findBlockByNumber(1).position() + 11);

    form.mProgram->setPlainText(QStringLiteral("x = 1\nwhile x < 3:\n    x = x + 1\n"));
    form.RefreshPreview();
    QVERIFY(form.LabelStatus->text().isEmpty());
    QVERIFY(form.mProgram->extraSelections().isEmpty());
    QVERIFY(form.bOK->isEnabled());
    QVERIFY(form.Preview->Chart() && form.Preview->Chart()->BlockCount() > 0);
  }

  // The English texts say what the readers' own messages say; the others
  // leave no English word and no place holder unfilled.
  void readerFaultsAreToldInTheInterfaceLanguage() {
    std::vector<CodeError> faults;
    for (int kind = 0; kind <= int(CodeErrorKind::TooManyBranches); ++kind)
      faults.push_back(CodeFault(CodeErrorKind(kind), 3, 7, kind % 2 ? "+" : "\xC2\xA0"));
    for (int what = 0; what <= int(CodeExpected::VariableBefore); ++what) {
      for (const std::string found : {"", "\n", "+"}) {
        CodeError fault = CodeFault(CodeErrorKind::Expected, 3, 7, found);
        fault.expected = CodeExpected(what);
        if (fault.expected == CodeExpected::Tokens) fault.tokens = {";", ")", ":="};
        if (fault.expected >= CodeExpected::ExpressionBefore) fault.tokens = {":="};
        faults.push_back(fault);
      }
    }
    LoadLanguageTable(LanguageFile("English"));
    for (const CodeError& fault : faults) QCOMPARE(CodeErrorText(fault), QString::fromStdString(fault.Describe()));
    const QRegularExpression english(QStringLiteral("[A-Za-z]{3,}"));
    for (const char* language : {"Русский", "Украинский"}) {
      LoadLanguageTable(LanguageFile(language));
      for (const CodeError& fault : faults) {
        const QString text = CodeErrorText(fault);
        QString words = text;
        for (const char* allowed : {"UTF", "case", "elif"}) words.remove(QString::fromLatin1(allowed));
        QVERIFY2(!english.match(words).hasMatch() && !text.contains(u'%'), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral(" 3, ")) && text.contains(QStringLiteral(" 7: ")), qPrintable(text));
      }
    }
  }

  // "Готово" pressed before the pause that redraws the preview used to take
  // a text that was never read.
  void previewShowsEveryPageOfALongChartScaledToItsWidth() {
    TWizCodeForm form;
    QString program = QStringLiteral("n = int(input())\n");
    for (int i = 0; i < 30; ++i) program += QStringLiteral("if n > %1:\n    print(%1)\n").arg(i);
    form.cbLanguage->setCurrentIndex(form.cbLanguage->findText(QStringLiteral("Python")));
    form.mProgram->setPlainText(program);
    form.RefreshPreview();
    const BlocksHolderModel* chart = form.Preview->Chart();
    QVERIFY(chart && chart->DocumentPages() >= 3);

    CodeChartPreview& preview = *form.Preview;
    const int width = 300;  // an A4 page 300 pixels wide is 424 high; the zoom is a whole percentage
    const int fullHeight = 424 * chart->DocumentPages();
    QVERIFY(preview.heightForWidth(width) <= fullHeight && preview.heightForWidth(width) > fullHeight * 96 / 100);
    preview.resize(width, preview.heightForWidth(width));
    const QImage picture = preview.grab().toImage();
    const int pageHeight = preview.height() / chart->DocumentPages();
    for (int page = 0; page < chart->DocumentPages(); ++page)
      QVERIFY2(
          HasInk(picture, QRect(width / 5, page * pageHeight + pageHeight / 10, width * 3 / 5, pageHeight * 8 / 10)),
          qPrintable(QString::number(page + 1)));
  }

  void doneRightAfterTypingAFaultKeepsTheDialogOpen() {
    TWizCodeForm form;
    form.show();
    form.mProgram->setPlainText(QStringLiteral("begin\n  x := 1\nend."));
    form.RefreshPreview();
    QVERIFY(form.bOK->isEnabled());
    form.mProgram->setPlainText(QStringLiteral("begin\n  x := \nend."));
    form.bOK->click();
    QVERIFY(form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QVERIFY(form.LabelStatus->text().startsWith(QString::fromUtf8("строка 3, столбец 1: ")));
  }

  void anOpenedFileBringsItsTextAndLanguage() {
    test::TempDir dir;
    test::WriteBytes(dir.File("sum.py"), "\xEF\xBB\xBFs = 0\nfor i in range(10):\n    s = s + i\nprint(s)\n");
    TWizCodeForm form;
    test::ModalAnswer answer(QString::fromStdString(dir.File("sum.py")));
    form.bOpenProgram->click();
    QCOMPARE(answer.titles, QStringList{QString::fromUtf8("Открытие текста программы")});
    QCOMPARE(form.cbLanguage->currentText(), QStringLiteral("Python"));
    QCOMPARE(form.mProgram->toPlainText(), QStringLiteral("s = 0\nfor i in range(10):\n    s = s + i\nprint(s)\n"));
    QVERIFY(form.bOK->isEnabled());
    QVERIFY(form.Preview->Chart());
  }

  void filesThatHoldNoProgramTextAreRefusedWithAReason() {
    test::TempDir dir;
    test::WriteBytes(dir.File("cp1251.pas"), "begin writeln('\xCF\xF0\xE8\xE2\xE5\xF2') end.");
    test::WriteBytes(dir.File("big.txt"), std::string(TWizCodeForm::kMaxProgramBytes + 1, ' '));
    test::WriteBytes(dir.File("fits.txt"), std::string(TWizCodeForm::kMaxProgramBytes, ' '));
    TWizCodeForm form;
    form.mProgram->setPlainText(QStringLiteral("kept"));
    test::ModalAnswer answer(QMessageBox::Ok);
    const auto open = [&](const char* name) { return form.OpenProgram(QString::fromStdString(dir.File(name))); };
    QVERIFY(!open("cp1251.pas"));
    QVERIFY(!open("big.txt"));
    QVERIFY(!open("missing.pas"));
    QCOMPARE(form.mProgram->toPlainText(), QStringLiteral("kept"));
    QCOMPARE(form.cbLanguage->currentText(), QStringLiteral("Pascal"));
    QCOMPARE(
        answer.texts,
        (QStringList{
            QString::fromUtf8("Файл %1 не является текстом в кодировке UTF-8.")
                .arg(QString::fromStdString(dir.File("cp1251.pas"))),
            QString::fromUtf8("Файл %1 больше 256 КБ: слишком длинный для блок-схемы.")
                .arg(QString::fromStdString(dir.File("big.txt"))),
            QString::fromUtf8("Не удалось прочитать файл %1.").arg(QString::fromStdString(dir.File("missing.pas")))}));
    QVERIFY(open("fits.txt"));
  }
};

QTEST_MAIN(WizardDialogsTest)
#include "WizardDialogsTest.moc"
