// The main window's menu bar and its three tool bars. Tool-bar buttons run
// the menu command of the same job and are enabled as that command is.
#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "app/TMainForm.h"
#include "app/ToolBarPictures.h"
#include "view/MenuBuilder.h"

namespace quobrix {

namespace {

struct ToolButtonSpec {
  const char* name;  // null: a divider
  const char* hint;
  const char* command;  // the menu item it stands for, or null for one of its own
};

}  // namespace

void TMainForm::BuildMainMenu1() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  MenuSpec newSymbol{"mNewSymbol", "Новый символ", {}, 0, true};
  newSymbol.items = NewSymbolItems(true);
  const MenuSpec menus[] = {
      Menu("mFile", "Файл",
           {Item("mNew"), Item("mNewFromTemplate"), Item("mOpen"), Item("mSave"), Item("mSaveAs"), Item("mSaveAll"),
            Item("mClose"), Item("mCloseAll"), Separator(), Item("mPreview"), Item("mSheetProp"),
            Item("mSheetProp2"), Item("mPrint"), Separator(), Item("mSettings"), Separator(), Item("mExit")}),
      Menu("mEdit", "Правка",
           {Item("mUndo"), Separator(), Item("mCut"), Item("mCopy"), Item("mPaste"), Item("mDelete"), Separator(),
            Item("mSearch"), MenuSpec{"mLine", "Линия", {}, 2, true},
            MenuSpec{"mMLine", "Последовательность линий", {}, 0, true}, newSymbol,
            MenuSpec{"mNewTextField", "Текстовое поле", {}, 30, true}, Separator(), Item("mGroup"),
            Item("mUngroup"), Item("mBringToFront"), Item("mSendToBack"), Separator(), Item("mShemeInfo")}),
      Menu("mView", "Вид",
           {Item("mRulers", true), Item("mStatus", true), Item("mColor", true), Separator(), ZoomMenu(), Separator(),
            Item("mInspector"), Item("mLibrary"), Item("mUserLib"), Item("mColorForm"), Separator(),
            Item("mPosGrid"), Item("mShowGrid"), Separator(),
            MenuSpec{"mStayOnTop", "Поверх остальных окон", {}, 0, false, true}}),
      FormatMenu(true),
      Menu("mWizards", "Мастера",
           {Item("mWizard1"), MenuSpec{"mWizard4", "Мастер блок-схемы процесса"}, Separator(), Item("mWizard2"),
            Item("mWizard3")}),
      Menu("mHelp", "?",
           {Item("mShowHelp"),
            Menu("mLessons", "Уроки", {{"mLesson1", "Начнем пожалуй!"}, {"mLesson2", "Иструментарий"}}),
            Item("mVisitWeb"), Separator(), Item("mAbout")}),
  };
  for (const MenuSpec& menu : menus) AddMenuItem(*bar, menu);

  // The recent files come right after "Открыть".
  QMenu* file = bar->findChild<QMenu*>(QStringLiteral("mFile"));
  mOpenHistory = new QMenu(QStringLiteral("Открыть недавние"), file);
  mOpenHistory->setObjectName(QStringLiteral("mOpenHistory"));
  file->insertMenu(Command(QStringLiteral("mSave")), mOpenHistory);
}

void TMainForm::BuildToolBars() {
  static const ToolButtonSpec bars[3][14] = {
      {{"tbNew", "Создать новую схему", "mNew"},
       {"tbOpen", "Открыть схему", "mOpen"},
       {"tbSave", "Сохранить", "mSave"},
       {"tbClose", "Закрыть схему", "mClose"},
       {},
       {"tbSaveAll", "Сохранить все", "mSaveAll"},
       {"tbCloseAll", "Закрыть все", "mCloseAll"},
       {},
       {"tbPreview", "Предварительный просмотр", "mPreview"},
       {"tbSheetParams", "Параметры страницы", "mSheetProp"},
       {"tbPrint", "Печать", "mPrint"},
       {},
       {"tbExit", "Выход из программы", "mExit"}},
      {{"tbCut", "Вырезать", "mCut"},
       {"tbCopy", "Копировать", "mCopy"},
       {"tbPaste", "Вставить", "mPaste"},
       {"tbDelete", "Удалить", "mDelete"},
       {},
       {"tbSearch", "Поиск", "mSearch"},
       {},
       {"tbGroup", "Группировать", "mGroup"},
       {"tbUnGroup", "Разгруппировать", "mUngroup"},
       {"tbBringToFront", "Поместить выше всех", "mBringToFront"},
       {"tbSendToBack", "Поместить ниже всех", "mSendToBack"},
       {},
       {"tbHelp", "Вызов справки", "mShowHelp"}},
      {{"tbZoomMinus", "Уменьшение", nullptr},
       {"tbZoomPlus", "Увеличение", nullptr},
       {},
       {"tbLibrary", "Библиотека", "mLibrary"},
       {"tbInspector", "Редактор свойств", "mInspector"},
       {},
       {"tbAlignLeft", "Выровнять по левому краю", "mAlignLeft"},
       {"tbAlignRight", "Выровнять по правому краю", "mAlignRight"},
       {"btAlignTop", "Выровнять по верхнему краю", "mAlignTop"},
       {"tbAlignBottom", "Выровнять по нижнему краю", "mAlignBottom"},
       {},
       {"tbSheetColor", "Цвет страницы", "mSheetColor"},
       {"tbShemeInfo", "Описание схемы", "mShemeInfo"}},
  };
  for (int i = 0; i < 3; ++i) {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar%1").arg(i + 1));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(16, 16));
    bar->layout()->setContentsMargins(0, 0, 0, 0);
    bar->layout()->setSpacing(0);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    if (i > 0) addToolBarBreak();
    addToolBar(Qt::TopToolBarArea, bar);
    bool divider = false;
    for (const ToolButtonSpec& entry : bars[i]) {
      if (!entry.name) {
        divider = true;
        continue;
      }
      if (divider) bar->addSeparator();
      divider = false;
      auto* button = new QAction(ToolBarPicture(entry.name), QString(), bar);
      button->setObjectName(QString::fromLatin1(entry.name));
      button->setToolTip(QString::fromUtf8(entry.hint));
      bar->addAction(button);
      bar->widgetForAction(button)->setFixedSize(27, 26);
      if (!entry.command) continue;
      QAction* command = Command(QString::fromLatin1(entry.command));
      // The menu item shows the picture of its button.
      command->setIcon(button->icon());
      button->setEnabled(command->isEnabled());
      connect(command, &QAction::enabledChanged, button, &QAction::setEnabled);
      connect(button, &QAction::triggered, command, [command] { command->trigger(); });
    }
  }
}

}  // namespace quobrix
