// The chart window's menus: the canvas's context menu, the menu bar that
// repeats the main window's commands, and the grid-step menu. Their command
// items are the program's shared actions; only what acts on this window
// alone is made here.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QToolButton>

#include "platform/InterfacePicture.h"
#include "view/ChartWindowHost.h"
#include "view/CommandTable.h"
#include "view/MenuBuilder.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"
#include "view/TVRulerWnd2.h"

namespace quobrix {

namespace {

QAction* Find(const QWidget& root, const char* name) { return root.findChild<QAction*>(QString::fromLatin1(name)); }

// The picture of the first menu-bar item, which brings the main window up.
QIcon MainWindowPicture() {
  QPixmap picture = InterfacePixmap(QSize(16, 16));
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

// An item of this menu that runs a shared command that other menus hide,
// enabled while the command can run.
void RunsCommand(QAction& item, CommandTable& commands, CommandKey key) {
  const auto follow = [&item, &commands, key] { item.setEnabled(commands.CanRun(key)); };
  follow();
  QObject::connect(&commands, &CommandTable::Refreshed, &item, follow);
  QObject::connect(&item, &QAction::triggered, &commands.Action(key.id, key.tag), &QAction::trigger);
}

}  // namespace

void THolderForm::BuildPopMenu() {
  using enum CommandId;
  CommandTable& commands = host_.Commands();
  PopMenu = new QMenu(this);
  PopMenu->setObjectName(QStringLiteral("PopMenu"));
  const MenuSpec items[] = {
      Menu("mpFile", "Файл", {Command(Save), Command(Close), Command(Preview), Command(PageSetup), Command(Print)},
           true),
      Separator(),
      Command(RepeatSymbol),
      Separator(),
      Command(Undo),
      Command(Cut),
      Command(Copy),
      Command(Paste),
      Command(Delete),
      Separator(),
      Menu("mpInstrum", "Инструменты",
           {Command(Group), Command(Ungroup), Command(BringToFront), Command(SendToBack)}, true),
      Separator(),
      // Shown while the program has no symbol palette, the other way to
      // draw; the main menu keeps these commands hidden.
      OwnItem("mLine1", "Линия"),
      OwnItem("mMLine1", "Последовательность линий"),
      Menu("mpNewSymbol", "Новый символ", NewSymbolItems()),
      OwnItem("mpTextField", "Текстовое поле"),
      Separator(),
      Command(Inspector),
      Command(Library),
      Command(Palette),
  };
  for (const MenuSpec& item : items) AddMenuItem(*PopMenu, item, commands);
  RunsCommand(*Find(*PopMenu, "mLine1"), commands, {InsertSymbol, btLine});
  RunsCommand(*Find(*PopMenu, "mMLine1"), commands, {InsertPolyline});
  RunsCommand(*Find(*PopMenu, "mpTextField"), commands, {InsertSymbol, btTextRegion});
  // Their shortcuts work wherever the window has the focus.
  addActions(PopMenu->actions());

  bh->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(bh, &QWidget::customContextMenuRequested, this, [this](QPoint p) {
    // The menu's commands act on the active chart: this one.
    FormActivate();
    PopMenu->popup(bh->mapToGlobal(p));
  });
}

void THolderForm::BuildMainMenu2() {
  using enum CommandId;
  CommandTable& commands = host_.Commands();
  MainMenu2 = menuBar();
  MainMenu2->setObjectName(QStringLiteral("MainMenu2"));
  QAction* bringMe = AddMenuItem(*MainMenu2, OwnItem("mBringMe", "Главное окно"), commands);
  bringMe->setIcon(MainWindowPicture());
  connect(bringMe, &QAction::triggered, this, [this] { host_.BringMainWindowToFront(); });

  const MenuSpec menus[] = {
      Menu("mFile", "Файл",
           {Command(New), Command(NewFromTemplate), Command(Open), Command(Save), Command(SaveAs), Command(Close),
            Separator(), Command(Preview), Command(PageSetup), Command(SheetSize), Command(Print), Separator(),
            Command(EditSettings), Separator(), Command(Exit)}),
      Menu("mEdit", "Правка",
           {Command(Undo), Command(Redo), Separator(), Command(Cut), Command(Copy), Command(Paste), Command(Delete), Separator(),
            Command(Search), Command(Replace), Separator(), Command(Group), Command(Ungroup), Command(BringToFront),
            Command(SendToBack), Separator(), Command(ChartInfo)}),
      // The three view switches act on this window only.
      Menu("mView", "Вид",
           {OwnItem("mRulers", "Линейки"), OwnItem("mStatus", "Строка статуса"),
            OwnItem("mColor", "Строка выбора цвета"), Separator(), ZoomMenu(), Separator(), Command(Library),
            Command(UserLibrary), Command(Inspector), Command(Palette), Separator(), Command(UseGrid),
            Command(ShowGrid)}),
      FormatMenu(false),
      Menu("mWizards", "Мастера", {Command(LinearWizard), Command(BranchWizard), Command(ForLoopWizard)}, true),
      Menu("mHelp", "?", {Command(Help), Command(VisitWeb), Separator(), Command(About)}),
  };
  for (const MenuSpec& menu : menus) AddMenuItem(*MainMenu2, menu, commands);
  connect(Find(*MainMenu2, "mRulers"), &QAction::triggered, this,
          [this] { SetRulersVisible(!HorzRuler->isVisible()); });
  connect(Find(*MainMenu2, "mStatus"), &QAction::triggered, this,
          [this] { SetStatusVisible(BottomPanel->height() == 1); });
  connect(Find(*MainMenu2, "mColor"), &QAction::triggered, this,
          [this] { SetColorStripVisible(!ColorPanel->isVisible()); });
}

namespace {

constexpr int kPosGridSteps[] = {100, 200, 300, 400, 500, 1000};  // hundredths of a millimetre

}  // namespace

void THolderForm::BuildPosGridMenu() {
  PosGridMenu = new QMenu(this);
  PosGridMenu->setObjectName(QStringLiteral("PosGridMenu"));
  for (const int step : kPosGridSteps) {
    QAction* item = PosGridMenu->addAction(QString());
    connect(item, &QAction::triggered, this, [this, step] {
      bh->Model().SetPosGridSize(step);
      SetUseGrid(true);
    });
  }
  NamePosGridSteps();
}

void THolderForm::NamePosGridSteps() {
  const QList<QAction*> items = PosGridMenu->actions();
  for (std::size_t i = 0; i < std::size(kPosGridSteps); ++i)
    items[static_cast<qsizetype>(i)]->setText(QString::number(kPosGridSteps[i] / 100) + u' ' + host_.MillimetreText());
}

}  // namespace quobrix
