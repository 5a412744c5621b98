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

// The drawing tools as the menus show them: the line, the chain of lines,
// the symbols and the text field.
std::vector<MenuSpec> DrawingItems(const char* symbolMenu) {
  using enum CommandId;
  return {Command(InsertSymbol, btLine), Command(InsertPolyline), Menu(symbolMenu, "Новый символ", NewSymbolItems()),
          Command(InsertSymbol, btTextRegion)};
}

std::vector<MenuSpec> operator+(std::vector<MenuSpec> front, const std::vector<MenuSpec>& back) {
  front.insert(front.end(), back.begin(), back.end());
  return front;
}

}  // namespace

void THolderForm::BuildPopMenu() {
  using enum CommandId;
  CommandTable& commands = host_.Commands();
  PopMenu = new QMenu(this);
  PopMenu->setObjectName(QStringLiteral("PopMenu"));
  const std::vector<MenuSpec> items =
      std::vector<MenuSpec>{
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
               {Command(Group), Command(Ungroup), Command(Connect), Command(BringToFront), Command(SendToBack)}, true),
          Separator(),
      } +
      DrawingItems("mpNewSymbol") + std::vector<MenuSpec>{Separator(), Command(Inspector), Command(Library), Command(Palette)};
  for (const MenuSpec& item : items) AddMenuItem(*PopMenu, item, commands);
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

  // The three view switches act on this window only; their marks follow
  // what the window shows (SetRulersVisible and the others set them).
  const auto viewSwitch = [this](const char* name, const char* caption, void (THolderForm::*show)(bool)) {
    auto* item = new QAction(QString::fromUtf8(caption), this);
    item->setObjectName(QString::fromLatin1(name));
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, show);
    return Shown(*item);
  };
  const MenuSpec menus[] = {
      Menu("mFile", "Файл",
           {Command(New), Command(NewFromTemplate), Command(Open), Shown(*host_.RecentFilesMenu().menuAction()),
            Command(Save), Command(SaveAs), Command(Close), Separator(), Command(Preview), Command(PageSetup),
            Command(SheetSize), Command(Print), Separator(), Command(EditSettings), Separator(), Command(Exit)}),
      Menu("mEdit", "Правка",
           std::vector<MenuSpec>{Command(Undo), Command(Redo), Separator(), Command(Cut), Command(Copy), Command(Paste),
                                 Command(Delete), Separator(), Command(Search), Command(Replace), Separator()} +
               DrawingItems("mNewSymbol") +
               std::vector<MenuSpec>{Separator(), Command(Group), Command(Ungroup), Command(Connect), Command(BringToFront),
                                     Command(SendToBack), Separator(), Command(ChartInfo)}),
      Menu("mView", "Вид",
           {viewSwitch("mRulers", "Линейки", &THolderForm::SetRulersVisible),
            viewSwitch("mStatus", "Строка статуса", &THolderForm::SetStatusVisible),
            viewSwitch("mColor", "Строка выбора цвета", &THolderForm::SetColorStripVisible), Separator(), ZoomMenu(),
            Separator(), Command(Library), Command(UserLibrary), Command(Inspector), Command(Palette), Separator(),
            Command(UseGrid), Command(ShowGrid)}),
      FormatMenu(false),
      Menu("mWizards", "Мастера", {Command(LinearWizard), Command(BranchWizard), Command(ForLoopWizard)}, true),
      Menu("mHelp", "?", {Command(Help), Command(VisitWeb), Separator(), Command(About)}),
  };
  for (const MenuSpec& menu : menus) AddMenuItem(*MainMenu2, menu, commands);
}

void THolderForm::MarkViewSwitch(const char* name, bool shown) {
  if (auto* item = findChild<QAction*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly)) item->setChecked(shown);
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
