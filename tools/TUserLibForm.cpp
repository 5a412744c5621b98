#include "tools/TUserLibForm.h"

#include <QAction>
#include <QApplication>
#include <QFileSystemWatcher>
#include <QFontMetrics>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QScopeGuard>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/InterfacePicture.h"
#include "platform/LibraryThumbnail.h"
#include "platform/ProfileFile.h"
#include "platform/ProgramFolders.h"
#include "view/ActiveChart.h"
#include "view/CommandTable.h"
#include "view/FragmentDrag.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

namespace quobrix {

namespace {

const QString kSection = QStringLiteral("WinPos");
constexpr int ThumbnailRole = FragmentTextRole + 1;
constexpr int kIconSizes[] = {20, 40, 60, 80, 100, 120};
constexpr int kLargestIconSize = 256;

// Items have no caption; without one the selection shows on the picture alone.
class PictureOnlyDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    option->features &= ~QStyleOptionViewItem::HasDisplay;
  }
};

QIcon IconFor(const QImage& thumbnail, int size) { return QIcon(QPixmap::fromImage(IconOf(thumbnail, size))); }

// A plus to add and a minus to remove, in the tool bars' navy.
QIcon SignPicture(bool plus) {
  QPixmap picture = InterfacePixmap(QSize(16, 16));
  QPainter painter(&picture);
  painter.setPen(QPen(QColor(31, 58, 112), 3));
  painter.drawLine(3, 8, 13, 8);
  if (plus) painter.drawLine(8, 3, 8, 13);
  return QIcon(picture);
}

// Wide enough for the window manager to show `title` whole: the title in a
// bold face beside the window's icon and its three buttons.
int TitleBarWidth(const QString& title) {
  constexpr int kIconAndButtons = 120;
  QFont bold = QApplication::font();
  bold.setBold(true);
  return QFontMetrics(bold).horizontalAdvance(title) + kIconAndButtons;
}

}  // namespace

TUserLibForm::TUserLibForm(QWidget& owner, CommandTable& commands, ToolWindowRegistry& registry)
    : ToolWindow(owner, commands, CommandId::UserLibrary, registry),
      library_(UserLibraryDir()),
      watcher_(new QFileSystemWatcher(this)) {
  connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &TUserLibForm::FolderChanged);
  setObjectName(QStringLiteral("UserLibForm"));
  LvUserLib = new QListWidget(this);
  LvUserLib->setObjectName(QStringLiteral("LvUserLib"));
  LvUserLib->setAccessibleName(windowTitle());
  connect(this, &QWidget::windowTitleChanged, LvUserLib, &QWidget::setAccessibleName);
  LvUserLib->setViewMode(QListView::IconMode);
  LvUserLib->setResizeMode(QListView::Adjust);
  LvUserLib->setMovement(QListView::Static);
  LvUserLib->setSelectionMode(QAbstractItemView::SingleSelection);
  LvUserLib->setDragEnabled(true);
  LvUserLib->setDragDropMode(QAbstractItemView::DragOnly);
  LvUserLib->setDefaultDropAction(Qt::CopyAction);
  LvUserLib->setSpacing(2);
  LvUserLib->setItemDelegate(new PictureOnlyDelegate(LvUserLib));
  BuildToolBar();
  SetIconSize(80);
  resize(260, 320);
}

void TUserLibForm::BuildToolBar() {
  auto* bar = new QToolBar(this);
  bar->setObjectName(QStringLiteral("ToolBar1"));
  bar->setIconSize(QSize(16, 16));
  tbAdd = bar->addAction(SignPicture(true), QStringLiteral("Добавить"), this, &TUserLibForm::Add);
  tbAdd->setObjectName(QStringLiteral("tbAdd"));
  tbDel = bar->addAction(SignPicture(false), QStringLiteral("Удалить"), this, &TUserLibForm::Remove);
  tbDel->setObjectName(QStringLiteral("tbDel"));
  tbSize = new QToolButton(bar);
  tbSize->setObjectName(QStringLiteral("tbSize"));
  tbSize->setText(QStringLiteral("XxX"));
  tbSize->setAutoRaise(true);
  tbSize->setPopupMode(QToolButton::InstantPopup);
  auto* sizes = new QMenu(tbSize);
  for (int size : kIconSizes)
    sizes->addAction(QString::number(size), this, [this, size] { SetIconSize(size); });
  tbSize->setMenu(sizes);
  bar->addWidget(tbSize);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(bar);
  layout->addWidget(LvUserLib);
}

void TUserLibForm::Add() {
  const THolderForm* window = Commands().Active().Window();
  const BlocksHolderModel* chart = window ? &window->bh->Model() : nullptr;
  const TBlock* block = chart ? chart->ActiveBlockPtr() : nullptr;
  if (!block) return;
  const std::string fragment = chart->BlockToFragment(*block);
  if (fragment.empty() || fragment.front() != '[') return;
  if (!FitsOnLibraryLine(fragment)) {
    QApplication::beep();
    return;
  }
  const QImage thumbnail = ThumbnailOfBlock(*chart, *block);
  if (thumbnail.isNull()) return;
  Append({fragment, thumbnail});
  Changed();
}

void TUserLibForm::Append(const LibraryEntry& entry) {
  auto* item = new QListWidgetItem(IconFor(entry.Thumbnail, IconSize()), QString(), LvUserLib);
  item->setData(FragmentTextRole, QByteArray::fromStdString(entry.Fragment));
  item->setData(ThumbnailRole, entry.Thumbnail);
}

void TUserLibForm::Remove() {
  const QList<QListWidgetItem*> selected = LvUserLib->selectedItems();
  if (selected.isEmpty()) return;
  delete selected.first();
  Changed();
}

int TUserLibForm::IconSize() const { return LvUserLib->iconSize().width(); }

void TUserLibForm::SetIconSize(int size) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
  LvUserLib->setIconSize(QSize(size, size));
  for (int i = 0; i < LvUserLib->count(); ++i) {
    QListWidgetItem* item = LvUserLib->item(i);
    item->setIcon(IconFor(item->data(ThumbnailRole).value<QImage>(), size));
  }
}

std::vector<LibraryEntry> TUserLibForm::Entries() const {
  std::vector<LibraryEntry> entries;
  for (int i = 0; i < LvUserLib->count(); ++i) {
    const QListWidgetItem* item = LvUserLib->item(i);
    entries.push_back({item->data(FragmentTextRole).toByteArray().toStdString(),
                       item->data(ThumbnailRole).value<QImage>()});
  }
  return entries;
}

void TUserLibForm::Show(const std::vector<LibraryEntry>& entries) {
  LvUserLib->clear();
  for (const LibraryEntry& entry : entries) Append(entry);
}

bool TUserLibForm::LoadUserLibrary() {
  const LoadedLibrary loaded = library_.Load();
  damaged_ = loaded.Damaged;
  Show(loaded.Entries);
  changed_ = false;
  if (watcher_->directories().isEmpty()) watcher_->addPath(UserLibraryDir());
  return loaded.Result == LibraryLoad::Loaded;
}

bool TUserLibForm::RestoreBackup() {
  const auto restored = library_.RestoreBackup();
  if (!restored) return false;
  Show(*restored);
  changed_ = false;
  damaged_.clear();
  return true;
}

void TUserLibForm::Changed() {
  changed_ = true;
  SaveUserLibrary();
}

bool TUserLibForm::SaveUserLibrary() {
  if (!changed_) return true;
  const auto saved = library_.Save(Entries());
  if (!saved) return false;
  changed_ = false;
  if (!SameFragments(*saved, Entries())) Show(*saved);
  return true;
}

// Changes not written yet are merged in by writing them; otherwise the
// list shows what the other program wrote.
void TUserLibForm::FolderChanged() {
  if (!library_.ChangedOnDisk()) return;
  if (changed_) {
    SaveUserLibrary();
  } else if (const auto reloaded = library_.Reload()) {
    Show(*reloaded);
  }
}

// The first showing puts the window in the bottom-right corner of the work
// area, at most a third of it high, below where the property inspector
// first shows; later showings keep where the user left it.
void TUserLibForm::showEvent(QShowEvent* event) {
  if (!placed_) PlaceAtBottomRight();
  ToolWindow::showEvent(event);
}

void TUserLibForm::PlaceAtBottomRight() {
  placed_ = true;
  const QScreen* screen = this->screen();
  if (!screen) return;
  const QRect work = screen->availableGeometry();
  const QSize frame = frameGeometry().size() - size();
  resize(std::min(std::max(width(), TitleBarWidth(windowTitle())), work.width() / 2),
         std::min(height(), work.height() / 3 - frame.height()));
  move(work.right() + 1 - width() - frame.width(), work.bottom() + 1 - height() - frame.height());
}

void TUserLibForm::LoadLayout(const ProfileFile& settings) {
  if (settings.Find(kSection, QStringLiteral("UserLibX"))) placed_ = true;
  if (settings.ReadBool(kSection, QStringLiteral("UserLib"), true)) {
    show();
    raise();
  } else {
    hide();
  }
  LoadPlacement(settings, QStringLiteral("UserLib"), Sized::Yes);
  // A size no icon list could show keeps the icons as they are.
  const int size = settings.ReadInteger(kSection, QStringLiteral("UserLibIcoSize"), IconSize());
  if (size >= 1 && size <= kLargestIconSize) SetIconSize(size);
}

void TUserLibForm::SaveLayout(ProfileFile& settings) const {
  SavePlacement(settings, QStringLiteral("UserLib"), Sized::Yes);
  settings.WriteInteger(kSection, QStringLiteral("UserLibIcoSize"), IconSize());
}

}  // namespace quobrix
