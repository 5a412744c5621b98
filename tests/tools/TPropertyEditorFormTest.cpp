// The property inspector on a real chart window: what it shows of the
// active block, what each editor writes back, and how it follows the active
// chart window.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "platform/ProfileFile.h"
#include "support/FakeChartHost.h"
#include "support/TempDir.h"
#include "tools/ColorBox.h"
#include "tools/TPropertyEditorForm.h"
#include "view/AppContext.h"
#include "view/CodePageEdits.h"
#include "view/ProgramSettings.h"
#include "view/PropertyPictures.h"
#include "view/PropertyValues.h"
#include "view/THolderForm.h"

using namespace quobrix;

namespace {

// A chart window with the inspector following it.
struct Inspected {
  Inspected() { inspector = new TInspectorForm(owner, window.host.table, registry, window.context); }
  ~Inspected() { delete inspector; }
  BlocksHolderModel& chart() { return window.model(); }
  // A rectangle at (10 mm, 20 mm), 30 x 15 mm, made the active block.
  std::int64_t AddActiveRectangle() {
    const std::int64_t n = chart().AddDefaultBlock(btRectangle, 1000, 2000, 3000, 1500);
    chart().GoToBlock(n);
    return n;
  }
  int UndoPoints() { return chart().History().FUndoCount(); }

  test::ChartWindow window;
  QWidget owner;
  ToolWindowRegistry registry;
  TInspectorForm* inspector = nullptr;
};

void Type(QLineEdit& edit, const QString& text) {
  edit.selectAll();
  if (text.isEmpty())
    QTest::keyClick(&edit, Qt::Key_Delete);
  else
    QTest::keyClicks(&edit, text);
}

void Enter(QLineEdit& edit) { QTest::keyClick(&edit, Qt::Key_Return); }

void Click(QWidget& canvas, QPoint at) {
  QTest::mousePress(&canvas, Qt::LeftButton, {}, at);
  QTest::mouseRelease(&canvas, Qt::LeftButton, {}, at);
}

void Leave(QWidget& editor) {
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(&editor, &out);
}

// Chooses an item of a list as the user does.
void Choose(QComboBox& list, int index) {
  list.setCurrentIndex(index);
  emit list.activated(index);
}

}  // namespace

class TPropertyEditorFormTest : public QObject {
  Q_OBJECT

 private slots:
  void rowsComeInOrderWithTheirNames() {
    Inspected t;
    const char* const panels[] = {"Panel1", "Panel2", "Panel3",  "Panel4",    "Panel5",  "Panel6",  "Panel7",
                                  "Panel8", "Panel9", "Panel10", "PanelText", "Panel12", "Panel13", "Panel14"};
    const char* const captions[] = {"Позиция X:",    "Позиция Y:",     "Ширина:",     "Высота:",       "Цвет фона:",
                                    "Стиль фона:",   "Цвет линии:",    "Стиль линии:", "Размер линии:", "Стрелки линии:",
                                    "Текст:",        "Шрифт текста:",  "Выравн. текста:", "Позиция текста:"};
    auto* rows = qobject_cast<QVBoxLayout*>(t.inspector->Scroll->widget()->layout());
    for (int i = 0; i < 14; ++i) {
      QWidget* row = rows->itemAt(i)->widget();
      QCOMPARE(row->objectName(), QString::fromLatin1(panels[i]));
      QCOMPARE(row->findChild<QLabel*>(QStringLiteral("Label%1").arg(i + 1))->text(), QString::fromUtf8(captions[i]));
    }
    QCOMPARE(t.inspector->windowTitle(), QStringLiteral("Редактор свойств"));
    QCOMPARE(t.inspector->cbFS->count(), 8);
    QCOMPARE(t.inspector->cbBS->count(), 4);
    QCOMPARE(t.inspector->cbBW->count(), 20);
    QCOMPARE(t.inspector->cbLineArrows->count(), 13);
    QCOMPARE(t.inspector->cbTA->count(), 3);
    QCOMPARE(t.inspector->cbTP->count(), 3);
    QVERIFY(t.inspector->mStayOnTop->isChecked());
    QVERIFY(t.inspector->cbLineArrows->itemData(1, Qt::AccessibleTextRole).toString().contains(QStringLiteral("Стрелка")));
  }

  void showsTheActiveBlockInWholeMillimetres() {
    Inspected t;
    t.chart().AddDefaultBlock(btRectangle, 1099, 2050, 3000, 1500);
    TBlock& b = t.chart().Blocks(1);
    b.BW = 50;
    b.LineArrows = blaBothDots;
    b.Text = "Two\r\nlines";
    b.TA = taRightJustify;
    b.TP = btpUnder;
    t.chart().GoToBlock(1);
    QCOMPARE(t.inspector->edPosX->text(), QStringLiteral("10"));
    QCOMPARE(t.inspector->edPosY->text(), QStringLiteral("20"));
    QCOMPARE(t.inspector->edW->text(), QStringLiteral("30"));
    QCOMPARE(t.inspector->edH->text(), QStringLiteral("15"));
    QCOMPARE(t.inspector->cbBW->currentIndex(), -1);
    QCOMPARE(t.inspector->cbBW->placeholderText().remove(u',').remove(u'.'), QStringLiteral("05"));
    QCOMPARE(t.inspector->cbLineArrows->currentIndex(), int(blaBothDots));
    QCOMPARE(t.inspector->mText->toPlainText(), QStringLiteral("Two\nlines"));
    QCOMPARE(t.inspector->cbTA->currentIndex(), int(taRightJustify));
    QCOMPARE(t.inspector->cbTP->currentIndex(), int(btpUnder));
    QCOMPARE(t.inspector->cbMC->Selected(), TColor(clWhite));
  }

  // Filling the editors is no edit: no undo point, nothing unsaved.
  void selectingABlockChangesNothing() {
    Inspected t;
    t.chart().AddDefaultBlock(btRectangle, 1000, 2000, 3000, 1500);
    t.chart().Blocks(1).Text = "text";
    t.chart().SetModified(false);
    t.chart().GoToBlock(1);
    QCOMPARE(t.UndoPoints(), 0);
    QVERIFY(!t.chart().FModified());
  }

  // A click announces itself more than once (the selection, the new active
  // block); the editors are filled once, and not again while nothing changes.
  void oneClickFillsTheEditorsOnce() {
    Inspected t;
    t.chart().AddDefaultBlock(btRectangle, 1000, 1000, 2000, 1000);  // its middle at (57, 57)
    QSignalSpy refreshes(t.inspector, &TInspectorForm::Refreshed);
    TBlocksHolder& canvas = *t.window.form->bh;

    Click(canvas, QPoint(57, 57));
    QCOMPARE(t.chart().ActiveBlock(), qint64(1));
    QCOMPARE(refreshes.count(), 1);
    QCOMPARE(t.inspector->edPosX->text(), QStringLiteral("10"));

    Click(canvas, QPoint(57, 57));
    QCOMPARE(refreshes.count(), 1);

    t.chart().SetBlockX(2000);
    QCOMPARE(refreshes.count(), 2);
    QCOMPARE(t.inspector->edPosX->text(), QStringLiteral("20"));
  }

  void typedPositionMovesTheBlock() {
    Inspected t;
    t.AddActiveRectangle();
    Type(*t.inspector->edPosX, QStringLiteral("12"));
    Enter(*t.inspector->edPosX);
    QCOMPARE(t.chart().Blocks(1).X, std::int64_t(1200));
    QCOMPARE(t.UndoPoints(), 1);
    Type(*t.inspector->edPosY, QStringLiteral("-5"));
    Leave(*t.inspector->edPosY);
    QCOMPARE(t.chart().Blocks(1).Y, std::int64_t(-500));
    QCOMPARE(t.UndoPoints(), 2);
  }

  void badTextChangesNothingAndShowsTheBlockAgain() {
    Inspected t;
    t.AddActiveRectangle();
    t.chart().SetModified(false);
    Type(*t.inspector->edW, QStringLiteral("abc"));
    Enter(*t.inspector->edW);
    QCOMPARE(t.chart().Blocks(1).W, std::int64_t(3000));
    QCOMPARE(t.inspector->edW->text(), QStringLiteral("30"));
    Type(*t.inspector->edPosX, QString());
    Leave(*t.inspector->edPosX);
    QCOMPARE(t.chart().Blocks(1).X, std::int64_t(1000));
    QCOMPARE(t.inspector->edPosX->text(), QStringLiteral("10"));
    Type(*t.inspector->edH, QStringLiteral("92233720368547759"));
    Enter(*t.inspector->edH);
    QCOMPARE(t.chart().Blocks(1).H, std::int64_t(1500));
    QCOMPARE(t.UndoPoints(), 0);
    QVERIFY(!t.chart().FModified());
  }

  void anEmptiedSizeChangesNothing() {
    Inspected t;
    t.AddActiveRectangle();
    Type(*t.inspector->edW, QString());
    Leave(*t.inspector->edW);
    QCOMPARE(t.chart().Blocks(1).W, std::int64_t(3000));
    QCOMPARE(t.UndoPoints(), 0);
  }

  // Passing through an edit, or confirming what it shows, records nothing.
  void anUnchangedEditRecordsNothing() {
    Inspected t;
    t.AddActiveRectangle();
    Leave(*t.inspector->edW);
    Enter(*t.inspector->edH);
    Type(*t.inspector->edW, QStringLiteral("30"));
    Leave(*t.inspector->edW);
    QCOMPARE(t.UndoPoints(), 0);
  }

  void aLineHasNoFill() {
    Inspected t;
    t.chart().AddDefaultBlock(btLine, 0, 0, 2000, 0);
    t.chart().GoToBlock(1);
    QVERIFY(!t.inspector->Panel5->isEnabled() && !t.inspector->Panel6->isEnabled());
    QVERIFY(t.inspector->Panel7->isEnabled() && t.inspector->Panel10->isEnabled());
    t.AddActiveRectangle();
    QVERIFY(t.inspector->Panel5->isEnabled() && t.inspector->Panel6->isEnabled());
  }

  void aSelectionShowsNoSizesAndMovesWithItsMembers() {
    Inspected t;
    t.chart().AddDefaultBlock(btRectangle, 1000, 1000, 1000, 1000);
    t.chart().AddDefaultBlock(btRectangle, 3000, 1000, 1000, 1000);
    t.chart().MakeMultiSelection(500, 500, 4000, 2000, {1, 2});
    QVERIFY(t.inspector->edW->text().isEmpty() && t.inspector->edH->text().isEmpty());
    QCOMPARE(t.inspector->edPosX->text(), QStringLiteral("5"));
    Type(*t.inspector->edPosX, QStringLiteral("15"));
    Enter(*t.inspector->edPosX);
    QCOMPARE(t.chart().Blocks(3).X, std::int64_t(1500));
    QCOMPARE(t.chart().Blocks(1).X, std::int64_t(2000));
    QCOMPARE(t.chart().Blocks(2).X, std::int64_t(4000));
    QCOMPARE(t.UndoPoints(), 1);
    // A size typed for a selection goes to every member.
    Type(*t.inspector->edW, QStringLiteral("7"));
    Enter(*t.inspector->edW);
    QCOMPARE(t.chart().Blocks(1).W, std::int64_t(700));
    QCOMPARE(t.chart().Blocks(2).W, std::int64_t(700));
  }

  void widthItemsSetTheirWidths_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<qint64>("width");
    QTest::newRow("0") << 0 << qint64(1);
    QTest::newRow("10") << 10 << qint64(100);
    QTest::newRow("19") << 19 << qint64(1000);
  }
  void widthItemsSetTheirWidths() {
    QFETCH(int, item);
    QFETCH(qint64, width);
    Inspected t;
    t.AddActiveRectangle();
    Choose(*t.inspector->cbBW, item);
    QCOMPARE(t.chart().Blocks(1).BW, width);
    // The list shows the number again, with no item chosen.
    QCOMPARE(t.inspector->cbBW->currentIndex(), -1);
  }

  // The width pictures kept the decimal point of the language the program started in.
  void widthPicturesFollowTheLanguagesDecimalSeparator() {
    Inspected t;
    const QLocale before;
    const auto picture = [&t] { return t.inspector->cbBW->itemIcon(1).pixmap(kLinePictureSize).toImage(); };
    QLocale::setDefault(QLocale(QLocale::English));
    t.window.context.Settings().SetLanguageFile(QStringLiteral("English.lng"));
    const QImage point = picture();
    QLocale::setDefault(QLocale(QLocale::Russian));
    t.window.context.Settings().SetLanguageFile(QStringLiteral("Russian.lng"));
    QVERIFY(picture() != point);
    QCOMPARE(picture(), LineWidthPicture(InspectorWidth(1)).toImage());
    t.window.context.Settings().SetLanguageFile(QString());
    QLocale::setDefault(before);
  }

  // The width showed in the grey of a placeholder, like a disabled box.
  void theWidthReadsAsAValueNotAsAPlaceholder() {
    Inspected t;
    t.AddActiveRectangle();
    t.inspector->show();
    QImage box = t.inspector->cbBW->grab().toImage();
    int darkest = 255;
    for (int y = 0; y < box.height(); ++y)
      for (int x = 0; x < box.width() / 2; ++x) darkest = std::min(darkest, qGray(box.pixel(x, y)));
    QVERIFY2(darkest < 80, qPrintable(QString::number(darkest)));
  }

  // The fill style pictures were always dark blue, whatever the block's fill.
  void fillStylesShowTheBlocksFillColour() {
    Inspected t;
    t.AddActiveRectangle();
    const auto middle = [&t](int style) {
      const QImage picture = t.inspector->cbFS->itemIcon(style).pixmap(kLinePictureSize).toImage();
      return picture.pixelColor(picture.width() / 2, picture.height() / 2);
    };
    t.inspector->cbMC->OnPick(0x00FFFF);  // yellow
    QCOMPARE(middle(bsSolid), QColor(Qt::yellow));
    // A colour set elsewhere shows too; white hatching shows on a ground that is not white.
    t.chart().SetBlockMC(clWhite);
    QCOMPARE(middle(bsSolid), QColor(Qt::white));
    const QImage hatched = t.inspector->cbFS->itemIcon(bsHorizontal).pixmap(kLinePictureSize).toImage();
    QSet<QRgb> colours;
    for (int y = 4; y < hatched.height() - 4; ++y) colours.insert(hatched.pixel(hatched.width() / 2, y));
    QVERIFY(colours.contains(QColor(Qt::white).rgb()) && colours.size() >= 2);
  }

  void picturesAndColoursApplyAtOnce() {
    Inspected t;
    t.AddActiveRectangle();
    Choose(*t.inspector->cbLineArrows, blaEndRect);
    Choose(*t.inspector->cbFS, bsCross);
    Choose(*t.inspector->cbTP, btpRightSide);
    t.inspector->cbMC->OnPick(0x00FF00);
    const TBlock& b = t.chart().Blocks(1);
    QCOMPARE(b.LineArrows, std::uint8_t(blaEndRect));
    QCOMPARE(b.FS, std::uint8_t(bsCross));
    QCOMPARE(b.TP, std::uint8_t(btpRightSide));
    QCOMPARE(b.MC, TColor(0x00FF00));
    QCOMPARE(t.UndoPoints(), 4);
  }

  // The text colour changes the active block's own font and nothing else of it.
  void textColourKeepsTheBlocksOwnFont() {
    Inspected t;
    t.AddActiveRectangle();
    t.chart().Blocks(1).TF.Name = "Courier New";
    t.chart().Blocks(1).TF.SetSize(20);
    t.chart().Blocks(1).TF.Italic = true;
    t.inspector->cbTC->OnPick(0x0000FF);
    const TBlockFont& font = t.chart().Blocks(1).TF;
    QCOMPARE(font.Name, std::string("Courier New"));
    QCOMPARE(font.Size(), 20);
    QVERIFY(font.Italic);
    QCOMPARE(font.Color, TColor(0x0000FF));
  }

  void theTextAppliesAsItIsTyped() {
    Inspected t;
    t.AddActiveRectangle();
    QTest::keyClicks(t.inspector->mText, QStringLiteral("ab"));
    QCOMPARE(t.chart().Blocks(1).Text, std::string("ab"));
    QTest::keyClick(t.inspector->mText, Qt::Key_Return);
    QTest::keyClicks(t.inspector->mText, QStringLiteral("c"));
    QCOMPARE(t.chart().Blocks(1).Text, std::string("ab\r\nc"));
    QVERIFY(t.chart().FModified());
  }

  // One stretch of typing is one undo point, so a long text typed into the
  // inspector does not push the earlier edits out of the history.
  void aStretchOfTypingIsOneUndoPoint() {
    Inspected t;
    t.AddActiveRectangle();
    t.chart().SetBlockX(500);
    QTest::keyClicks(t.inspector->mText, QStringLiteral("twelve chars"));
    QCOMPARE(t.UndoPoints(), 2);
    Leave(*t.inspector->mText);
    QTest::keyClicks(t.inspector->mText, QStringLiteral("!"));
    QCOMPARE(t.UndoPoints(), 3);
    // Another edit in between ends the stretch too.
    t.chart().SetBlockY(700);
    QTest::keyClicks(t.inspector->mText, QStringLiteral("?"));
    QCOMPARE(t.UndoPoints(), 5);
    t.chart().Undo();
    QCOMPARE(t.chart().Blocks(1).Text, std::string("twelve chars!"));
    t.chart().Undo();
    t.chart().Undo();
    QCOMPARE(t.chart().Blocks(1).Text, std::string("twelve chars"));
    t.chart().Undo();
    QCOMPARE(t.chart().Blocks(1).Text, std::string());
    QCOMPARE(t.chart().Blocks(1).X, std::int64_t(500));
  }

  void withoutAnActiveBlockSafeModeKeepsTheEditors() {
    Inspected t;
    t.AddActiveRectangle();
    t.chart().SetActiveBlock(0);
    t.chart().DoActiveBlockChanged();
    QVERIFY(t.inspector->edPosX->isEnabled());
    QCOMPARE(t.inspector->edPosX->text(), QStringLiteral("10"));
    // With nothing to edit, editing does nothing.
    Type(*t.inspector->edPosX, QStringLiteral("50"));
    Enter(*t.inspector->edPosX);
    QCOMPARE(t.chart().Blocks(1).X, std::int64_t(1000));

    t.window.context.Settings().ChangeOptions([](ProgramOptions& o) { o.InspectorSaveMode = false; });
    t.chart().GoToBlock(1);
    QVERIFY(t.inspector->edPosX->isEnabled());
    t.chart().SetActiveBlock(0);
    t.chart().DoActiveBlockChanged();
    QVERIFY(!t.inspector->edPosX->isEnabled() && !t.inspector->mText->isEnabled() && !t.inspector->cbTP->isEnabled());
  }

  // Deleting or undoing away the active block refreshes the inspector, which
  // then holds nothing of it; closing the last chart window empties it.
  void followsTheChartAndItsEnd() {
    Inspected t;
    t.AddActiveRectangle();
    t.chart().SetBlockX(4000);
    QCOMPARE(t.inspector->edPosX->text(), QStringLiteral("40"));
    t.chart().MoveActiveBlock(500, 0, false);
    QCOMPARE(t.inspector->edPosX->text(), QStringLiteral("45"));
    t.chart().SetModified(false);
    t.window.form->close();
    QVERIFY(t.inspector->edPosX->text().isEmpty() && t.inspector->mText->toPlainText().isEmpty());
    QVERIFY(!t.inspector->edPosX->isEnabled());
    // With no chart window, the editors do nothing.
    Choose(*t.inspector->cbLineArrows, 1);
    t.inspector->cbMC->OnPick(0x123456);
  }

  // Another chart window without an active block showed the values of the
  // chart before, as if they were its own.
  void anotherChartWithoutAnActiveBlockShowsNothingOfTheOneBefore() {
    Inspected t;
    t.AddActiveRectangle();
    QCOMPARE(t.inspector->edPosX->text(), QStringLiteral("10"));
    auto* other = new THolderForm(t.window.host, t.window.context);
    other->show();
    other->FormActivate();
    QCOMPARE(t.window.host.table.Active().Window(), other);
    QVERIFY(t.inspector->edPosX->text().isEmpty() && t.inspector->mText->toPlainText().isEmpty());
    QCOMPARE(t.inspector->cbFS->currentIndex(), -1);
    delete other;
  }

  // Showing the block gives the text the inspector's focus, but the keyboard
  // stays with the canvas the user works in.
  void theCanvasKeepsTheKeyboard() {
    Inspected t;
    t.inspector->show();
    t.window.form->activateWindow();
    t.window.form->bh->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(t.window.form));
    t.AddActiveRectangle();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(t.window.form->bh));
    QCOMPARE(t.inspector->focusWidget(), static_cast<QWidget*>(t.inspector->mText));
    QTest::keyClick(t.window.form->windowHandle(), 'x');
    QCOMPARE(t.chart().Blocks(1).Text, std::string("x"));
    QCOMPARE(t.inspector->mText->toPlainText(), QStringLiteral("x"));
  }

  // The inspector command refreshes, then shows or hides; its check mark follows.
  void theCommandTogglesTheWindow() {
    Inspected t;
    QAction& command = t.window.host.table.Action(CommandId::Inspector);
    QVERIFY(command.isEnabled());
    t.AddActiveRectangle();
    command.trigger();
    QVERIFY(t.inspector->isVisible() && command.isChecked());
    QCOMPARE(t.inspector->edPosX->text(), QStringLiteral("10"));
    command.trigger();
    QVERIFY(t.inspector->isHidden() && !command.isChecked());
  }

  void firstShownAtTheTopRightAndTheTextRowGrows() {
    Inspected t;
    t.owner.show();
    t.inspector->show();
    const QRect work = t.inspector->screen()->availableGeometry();
    QCOMPARE(t.inspector->frameGeometry().right(), work.right());
    QCOMPARE(t.inspector->frameGeometry().top(), work.top());
    // Every editor fits the window: nothing runs off its right edge.
    QApplication::sendPostedEvents();
    const QWidget* viewport = t.inspector->Scroll->viewport();
    for (const QWidget* editor : t.inspector->Scroll->widget()->findChildren<QWidget*>()) {
      if (!editor->isVisibleTo(t.inspector) || editor->parentWidget()->parentWidget() != t.inspector->Scroll->widget())
        continue;
      const int right = editor->mapTo(viewport, QPoint(editor->width(), 0)).x();
      QVERIFY2(right <= viewport->width(), qPrintable(editor->objectName()));
    }
    t.inspector->resize(t.inspector->width(), 600);
    QCOMPARE(t.inspector->PanelText->height(), 280);
    t.inspector->resize(t.inspector->width(), 700);
    QCOMPARE(t.inspector->PanelText->height(), 380);
  }

  void placementKeysGoThroughTheRegistry() {
    test::TempDir dir;
    const QString path = QString::fromStdString(dir.File("quobrix.ini"));
    {
      Inspected t;
      t.inspector->show();
      t.inspector->move(140, 90);
      ProfileFile settings(path);
      t.registry.SaveLayouts(settings);
      QVERIFY(settings.Save());
    }
    const ProfileFile saved(path);
    QCOMPARE(saved.ReadString(QStringLiteral("WinPos"), QStringLiteral("Inspector")).toInt(), 1);
    QCOMPARE(saved.ReadInteger(QStringLiteral("WinPos"), QStringLiteral("InspectorX"), 0), 140);
    Inspected t;
    t.registry.LoadLayouts(saved);
    QVERIFY(t.inspector->isVisible());
    QCOMPARE(t.inspector->pos(), QPoint(140, 90));
  }

  void stayOnTopAndTheEditMenu() {
    Inspected t;
    t.inspector->show();
    t.inspector->mStayOnTop->trigger();
    QVERIFY(!t.inspector->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(t.inspector->isVisible());
    t.inspector->mStayOnTop->trigger();
    QVERIFY(t.inspector->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QStringList captions;
    for (QAction* item : t.inspector->EditPopup->actions()) captions << item->text();
    QCOMPARE(captions, (QStringList{QStringLiteral("Вырезать"), QStringLiteral("Копировать"), QStringLiteral("Вставить")}));
  }
};

QTEST_MAIN(TPropertyEditorFormTest)
#include "TPropertyEditorFormTest.moc"
