// The chart window's menus: the canvas's context menu, the menu bar that
// repeats the main window's commands, and the grid-step menu.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QToolButton>

#include "view/ArmDrawing.h"
#include "view/ChartWindowHost.h"
#include "view/MenuBuilder.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"
#include "view/TVRulerWnd2.h"

namespace quobrix {

namespace {

QKeySequence Ctrl(Qt::Key key) { return QKeySequence(Qt::CTRL | key); }

QAction* Find(const QWidget& root, const char* name) { return root.findChild<QAction*>(QString::fromLatin1(name)); }

// The picture of the first menu-bar item, which brings the main window up.
QIcon MainWindowPicture() {
  QPixmap picture(16, 16);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setPen(QColor(0, 0, 128));
  painter.setBrush(QColor(0, 0, 128));
  painter.drawRect(1, 2, 13, 3);
  painter.setBrush(QColor(230, 230, 230));
  painter.drawRect(1, 5, 13, 8);
  painter.setBrush(QColor(0, 128, 0));
  painter.drawRect(3, 7, 3, 3);
  painter.drawRect(9, 7, 3, 3);
  return picture;
}

}  // namespace

void THolderForm::BuildPopMenu() {
  PopMenu = new QMenu(this);
  PopMenu->setObjectName(QStringLiteral("PopMenu"));
  const MenuSpec items[] = {
      {"mpFile",
       "Файл",
       {},
       0,
       true,
       false,
       {{"mpSave", "Сохранить"},
        {"mpClose", "Закрыть"},
        {"mpPreview", "Предпросмотр"},
        {"mpSheetParams", "Параметры страницы"},
        {"mpPrint", "Печать..."}}},
      Separator(),
      {"mpRedo", "Повторить символ", Ctrl(Qt::Key_Return)},
      Separator(),
      {"pmUndo", "Отменить", Ctrl(Qt::Key_Z)},
      {"mpCut", "Вырезать", Ctrl(Qt::Key_X)},
      {"mpCopy", "Копировать", Ctrl(Qt::Key_C)},
      {"mpPaste", "Вставить", Ctrl(Qt::Key_V)},
      {"mpDelete", "Удалить", Ctrl(Qt::Key_Delete)},
      Separator(),
      {"mpInstrum",
       "Инструменты",
       {},
       0,
       true,
       false,
       {{"mpGroup", "Группировать"},
        {"mpUngroup", "Разгруппировать"},
        {"mpBringToFront", "Поместить выше всех"},
        {"mpSendToBack", "Поместить ниже всех"}}},
      Separator(),
      // Shown while the program has no symbol palette, the other way to draw.
      {"mLine1", "Линия", {}, 2},
      {"mMLine1", "Последовательность линий", {}, 0},
      {"mpNewSymbol", "Новый символ", {}, 0, false, false, NewSymbolItems(false)},
      {"mpTextField", "Текстовое поле", {}, 30},
      Separator(),
      {"mpInspector", "Редактор свойств"},
      {"mpLibrary", "Библиотека символов"},
      {"mpColorForm", "Палитра"},
  };
  for (const MenuSpec& item : items) AddMenuItem(*PopMenu, item);
  // The keypad's Enter repeats the symbol as well.
  Find(*PopMenu, "mpRedo")->setShortcuts({Ctrl(Qt::Key_Return), Ctrl(Qt::Key_Enter)});
  // Their shortcuts work wherever the window has the focus.
  addActions(PopMenu->actions());

  auto& m = bh->Model();
  ForwardToMainWindow(*Find(*PopMenu, "mpSave"), QStringLiteral("mSave"));
  ForwardToMainWindow(*Find(*PopMenu, "mpClose"), QStringLiteral("mClose"));
  ForwardToMainWindow(*Find(*PopMenu, "mpPreview"), QStringLiteral("mPreview"));
  ForwardToMainWindow(*Find(*PopMenu, "mpSheetParams"), QStringLiteral("mSheetProp"));
  ForwardToMainWindow(*Find(*PopMenu, "mpPrint"), QStringLiteral("mPrint"));
  connect(Find(*PopMenu, "mpRedo"), &QAction::triggered, this, [this] { RepeatSymbol(); });
  connect(Find(*PopMenu, "pmUndo"), &QAction::triggered, this, [&m] { m.Undo(); });
  connect(Find(*PopMenu, "mpCut"), &QAction::triggered, this, [&m] { m.CutToClipboard(); });
  connect(Find(*PopMenu, "mpCopy"), &QAction::triggered, this, [&m] { m.CopyToClipboard(); });
  connect(Find(*PopMenu, "mpPaste"), &QAction::triggered, this, [&m] { m.PasteFromClipboard(); });
  connect(Find(*PopMenu, "mpDelete"), &QAction::triggered, this, [&m] {
    // A deletion can be undone like any other edit.
    if (m.ActiveBlockPtr()) m.RecordUndoPoint();
    m.DeleteActiveBlock(true);
  });
  connect(Find(*PopMenu, "mpGroup"), &QAction::triggered, this, [&m] { m.GroupSelection(); });
  connect(Find(*PopMenu, "mpUngroup"), &QAction::triggered, this, [&m] { m.UngroupBlock(); });
  connect(Find(*PopMenu, "mpBringToFront"), &QAction::triggered, this, [&m] { m.BringToFront(m.ActiveBlock()); });
  connect(Find(*PopMenu, "mpSendToBack"), &QAction::triggered, this, [&m] { m.SendToBack(m.ActiveBlock()); });
  connect(Find(*PopMenu, "mMLine1"), &QAction::triggered, this, [&m] {
    m.RecordUndoPoint();
    m.SetDrawingMLineByHand(true);
  });
  for (QAction* insert : {Find(*PopMenu, "mLine1"), Find(*PopMenu, "mpTextField")})
    connect(insert, &QAction::triggered, this, [this, insert] { InsertSymbol(bh->Model(), MenuTag(*insert)); });
  for (QAction* symbol : PopMenu->findChild<QMenu*>(QStringLiteral("mpNewSymbol"))->actions())
    if (!symbol->isSeparator())
      connect(symbol, &QAction::triggered, this, [this, symbol] { InsertSymbol(bh->Model(), MenuTag(*symbol)); });
  ForwardToMainWindow(*Find(*PopMenu, "mpInspector"), QStringLiteral("mInspector"));
  ForwardToMainWindow(*Find(*PopMenu, "mpLibrary"), QStringLiteral("mLibrary"));
  ForwardToMainWindow(*Find(*PopMenu, "mpColorForm"), QStringLiteral("mColorForm"));

  bh->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(bh, &QWidget::customContextMenuRequested, this, [this](QPoint p) { PopMenu->popup(bh->mapToGlobal(p)); });
}

void THolderForm::BuildMainMenu2() {
  MainMenu2 = menuBar();
  MainMenu2->setObjectName(QStringLiteral("MainMenu2"));
  QAction* bringMe = AddMenuItem(*MainMenu2, {"mBringMe", ""});
  bringMe->setIcon(MainWindowPicture());
  connect(bringMe, &QAction::triggered, this, [this] { host_.BringMainWindowToFront(); });

  const MenuSpec menus[] = {
      Menu("mFile", "Файл",
           {Item("mNew"), Item("mNewFromTemplate"), Item("mOpen"), Item("mSave"), Item("mSaveAs"), Item("mClose"),
            Separator(), Item("mPreview"), Item("mSheetProp"), Item("mSheetProp2"), Item("mPrint"), Separator(),
            Item("mSettings"), Separator(), Item("mExit")}),
      Menu("mEdit", "Правка",
           {Item("mUndo"), Separator(), Item("mCut"), Item("mCopy"), Item("mPaste"), Item("mDelete"), Separator(),
            Item("mSearch"), Separator(), Item("mGroup"), Item("mUngroup"), Item("mBringToFront"),
            Item("mSendToBack"), Separator(), Item("mShemeInfo")}),
      Menu("mView", "Вид",
           {Item("mRulers"), Item("mStatus"), Item("mColor"), Separator(), ZoomMenu(), Separator(), Item("mLibrary"),
            Item("mUserLib"), Item("mInspector"), Item("mColorForm"), Separator(), Item("mPosGrid"),
            Item("mShowGrid")}),
      FormatMenu(false),
      Menu("mWizards", "Мастера", {Item("mWizard1"), Item("mWizard2"), Item("mWizard3")}, true),
      Menu("mHelp", "?", {Item("mShowHelp"), Item("mVisitWeb"), Separator(), Item("mAbout")}),
  };
  for (const MenuSpec& menu : menus) AddMenuItem(*MainMenu2, menu);

  // The three view switches act on this window only; everything else is the
  // main window's command of the same name.
  connect(Find(*MainMenu2, "mRulers"), &QAction::triggered, this,
          [this] { SetRulersVisible(!HorzRuler->isVisible()); });
  connect(Find(*MainMenu2, "mStatus"), &QAction::triggered, this,
          [this] { SetStatusVisible(BottomPanel->height() == 1); });
  connect(Find(*MainMenu2, "mColor"), &QAction::triggered, this,
          [this] { SetColorStripVisible(!ColorPanel->isVisible()); });
  const QStringList local = {"mBringMe", "mRulers", "mStatus", "mColor"};
  for (QAction* item : MainMenu2->findChildren<QAction*>()) {
    if (item->isSeparator() || item->menu() || item->objectName().isEmpty()) continue;
    if (local.contains(item->objectName())) continue;
    ForwardToMainWindow(*item, item->objectName());
    // The menu bar shows the pictures of the main window's menu.
    if (const QAction* command = host_.Command(item->objectName())) item->setIcon(command->icon());
  }
}

void THolderForm::BuildPosGridMenu() {
  PosGridMenu = new QMenu(this);
  PosGridMenu->setObjectName(QStringLiteral("PosGridMenu"));
  static const std::pair<const char*, int> steps[] = {{"1 мм", 100}, {"2 мм", 200}, {"3 мм", 300},
                                                      {"4 мм", 400}, {"5 мм", 500}, {"10 мм", 1000}};
  for (const auto& [caption, tag] : steps) {
    QAction* item = AddMenuItem(*PosGridMenu, {"", caption, {}, tag});
    connect(item, &QAction::triggered, this, [this, item] {
      bh->Model().SetPosGridSize(MenuTag(*item));
      bh->FUseGrid = true;
      bGrid->setChecked(true);
      bh->update();
    });
  }
}

// The item runs the main window's command and is enabled as long as that
// command is; without such a command it stays disabled.
void THolderForm::ForwardToMainWindow(QAction& item, const QString& command) {
  QAction* target = host_.Command(command);
  if (!target) {
    item.setEnabled(false);
    return;
  }
  item.setEnabled(target->isEnabled());
  connect(target, &QAction::enabledChanged, &item, &QAction::setEnabled);
  connect(&item, &QAction::triggered, target, [target] { target->trigger(); });
}

}  // namespace quobrix
