// The main window's menu bar and its three tool bars. Both show the
// program's shared command actions; a tool-bar button is the action of its
// command, with the button's hint as the action's tool tip and status tip.
#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <span>

#include "app/TMainForm.h"
#include "app/ToolBarPictures.h"
#include "app/TranslateWindow.h"
#include "chart/BlockType.h"
#include "chart/BlocksHolderModel.h"
#include "view/MenuBuilder.h"

namespace quobrix {

namespace {

struct ToolButtonSpec {
  const char* name;  // null: a divider
  const char* hint;
  CommandKey command;
};

}  // namespace

void TMainForm::BuildMainMenu1() {
  using enum CommandId;
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  const MenuSpec menus[] = {
      Menu("mFile", "Файл",
           {Command(New), Command(NewFromTemplate), Command(Open), Command(Save), Command(SaveAs), Command(SaveAll),
            Command(Close), Command(CloseAll), Separator(), Command(Preview), Command(PageSetup), Command(SheetSize),
            Command(Print), Separator(), Command(EditSettings), Separator(), Command(Exit)}),
      Menu("mEdit", "Правка",
           {Command(Undo), Command(Redo), Separator(), Command(Cut), Command(Copy), Command(Paste), Command(Delete), Separator(),
            Command(Search), Command(Replace), Menu("mNewSymbol", "Новый символ", NewSymbolItems(), true), Separator(), Command(Group), Command(Ungroup), Command(Connect), Command(BringToFront), Command(SendToBack), Separator(),
            Command(ChartInfo)}),
      Menu("mView", "Вид",
           {Command(Rulers), Command(StatusLine), Command(ColorStrip), Separator(), ZoomMenu(), Separator(),
            Command(Inspector), Command(Library), Command(UserLibrary), Command(Palette), Command(ChartProgram),
            Separator(),
            Command(UseGrid), Command(ShowGrid), Separator(), Command(StayOnTop)}),
      FormatMenu(true),
      Menu("mWizards", "Мастера",
           {Command(LinearWizard), Command(ProcessWizard), Separator(), Command(BranchWizard),
            Command(ForLoopWizard), Separator(), Command(CodeWizard)}),
      Menu("mHelp", "?",
           {Command(Help), Menu("mLessons", "Уроки", {Command(Lesson, 1), Command(Lesson, 2)}), Command(VisitWeb),
            Separator(), Command(About)}),
  };
  QMenu* file = AddMenuItem(*bar, menus[0], commands_)->menu();
  for (const MenuSpec& menu : std::span(menus).subspan(1)) AddMenuItem(*bar, menu, commands_);

  // The recent files come right after "Открыть".
  mOpenHistory = new QMenu(QStringLiteral("Открыть недавние"), file);
  mOpenHistory->setObjectName(QStringLiteral("mOpenHistory"));
  file->insertMenu(&commands_.Action(Save), mOpenHistory);
}

void TMainForm::FollowUnsavedChanges() {
  QAction& save = commands_.Action(CommandId::Save);
  const QIcon saved = save.icon();
  const QIcon unsaved = WithUnsavedMark(saved);
  connect(&commands_, &CommandTable::Refreshed, this, [this, &save, saved, unsaved] {
    const BlocksHolderModel* chart = active_.Chart();
    const QIcon& picture = chart && chart->FModified() ? unsaved : saved;
    if (save.icon().cacheKey() != picture.cacheKey()) save.setIcon(picture);
  });
}

void TMainForm::BuildToolBars() {
  using enum CommandId;
  // The user works in a chart window and reaches over to the buttons: their
  // hints show although this window is not the active one.
  setAttribute(Qt::WA_AlwaysShowToolTips);
  static const ToolButtonSpec bars[3][16] = {
      {{"tbNew", "Создать новую схему", {New}},
       {"tbOpen", "Открыть схему", {Open}},
       {"tbSave", "Сохранить", {Save}},
       {"tbClose", "Закрыть схему", {Close}},
       {},
       {"tbSaveAll", "Сохранить все", {SaveAll}},
       {"tbCloseAll", "Закрыть все", {CloseAll}},
       {},
       {"tbPreview", "Предварительный просмотр", {Preview}},
       {"tbSheetParams", "Параметры страницы", {PageSetup}},
       {"tbPrint", "Печать", {Print}},
       {},
       {"tbExit", "Выход из программы", {Exit}}},
      {{"tbUndo", "Отменить", {Undo}},
       {"tbRedo", "Повторить", {Redo}},
       {},
       {"tbCut", "Вырезать", {Cut}},
       {"tbCopy", "Копировать", {Copy}},
       {"tbPaste", "Вставить", {Paste}},
       {"tbDelete", "Удалить", {Delete}},
       {},
       {"tbSearch", "Поиск", {Search}},
       {},
       {"tbGroup", "Группировать", {Group}},
       {"tbUnGroup", "Разгруппировать", {Ungroup}},
       {"tbBringToFront", "Поместить выше всех", {BringToFront}},
       {"tbSendToBack", "Поместить ниже всех", {SendToBack}},
       {},
       {"tbHelp", "Вызов справки", {Help}}},
      {{"tbZoomMinus", "Уменьшение", {ZoomOut}},
       {"tbZoomPlus", "Увеличение", {ZoomIn}},
       {},
       {"tbLibrary", "Библиотека", {Library}},
       {"tbInspector", "Редактор свойств", {Inspector}},
       {},
       {"tbAlignLeft", "Выровнять по левому краю", {Align, 0}},
       {"tbAlignRight", "Выровнять по правому краю", {Align, 1}},
       {"btAlignTop", "Выровнять по верхнему краю", {Align, 2}},
       {"tbAlignBottom", "Выровнять по нижнему краю", {Align, 3}},
       {},
       {"tbSheetColor", "Цвет страницы", {SheetColor}},
       {"tbShemeInfo", "Описание схемы", {ChartInfo}}},
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
      const QString name = QString::fromLatin1(entry.name);
      QAction& command = commands_.Action(entry.command.id, entry.command.tag);
      // The menu items show the pictures of their buttons.
      command.setIcon(ToolBarPicture(entry.name));
      command.setToolTip(QString::fromUtf8(entry.hint));
      command.setStatusTip(command.toolTip());
      if (command.objectName() != name) command.setProperty(kToolBarNameProperty, name);
      bar->addAction(&command);
      QWidget* button = bar->widgetForAction(&command);
      button->setObjectName(name);
      button->setFixedSize(27, 26);
    }
  }
}

}  // namespace quobrix
