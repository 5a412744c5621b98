#include "tools/TColorForm.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/ProfileFile.h"
#include "tools/PalettePictures.h"
#include "view/ActiveChart.h"
#include "view/ColorStrip.h"
#include "view/CommandTable.h"
#include "view/ScreenSnap.h"
#include "view/THolderForm.h"
#include "view/UndoGesture.h"

namespace quobrix {

namespace {

const QString kSection = QStringLiteral("WinPos");
constexpr int kDefaultPlace = 20;

}  // namespace

TColorForm::TColorForm(QWidget& owner, CommandTable& commands, ToolWindowRegistry& registry)
    : ToolWindow(owner, commands, CommandId::Palette, registry), active_(commands.Active()) {
  setObjectName(QStringLiteral("ColorForm"));
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  // Every tab in sight, however long its translated caption.
  PageControl1->setUsesScrollButtons(false);
  ColorImage = AddPicture("TabSheet1", "Основные", "ColorImage", StandardColoursPicture());
  ColorImage2 = AddPicture("TabSheet2", "Оттенки", "ColorImage2", HueLightnessPicture());
  ColorImage3 = AddPicture("TabSheet3", "Серые", "ColorImage3", GreysPicture());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(PageControl1);
  setFixedSize(sizeHint());
  move(kDefaultPlace, kDefaultPlace);
}

ColorStrip* TColorForm::AddPicture(const char* tab, const char* caption, const char* name, QImage picture) {
  auto* page = new QWidget;
  page->setObjectName(QString::fromLatin1(tab));
  const QSize size = picture.size();
  // A press of the right button paints lines, any other fills.
  auto* image =
      new ColorStrip(std::move(picture), Qt::MouseButtons(Qt::AllButtons) & ~Qt::MouseButtons(Qt::RightButton), page);
  image->setObjectName(QString::fromLatin1(name));
  image->setAccessibleName(QString::fromUtf8(caption));
  image->setFixedSize(size);
  image->OnPick = [this](TColor color, StripPick kind) {
    if (THolderForm* window = active_.Window()) window->ColorImgPick(color, kind);
  };
  new UndoGesture(*image, [this] { return active_.Chart(); });
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(image, 0, Qt::AlignCenter);
  PageControl1->addTab(page, QString::fromUtf8(caption));
  return image;
}

void TColorForm::LoadLayout(const ProfileFile& settings) {
  setVisible(settings.ReadBool(kSection, QStringLiteral("Palette"), false));
  // Without keys the palette goes back to its first place.
  move(kDefaultPlace, kDefaultPlace);
  LoadPlacement(settings, QStringLiteral("Palette"), Sized::No);
}

void TColorForm::SaveLayout(ProfileFile& settings) const {
  SavePlacement(settings, QStringLiteral("Palette"), Sized::No);
}

// Dragged near an edge of the work area, the palette snaps to it.
void TColorForm::moveEvent(QMoveEvent* event) {
  ToolWindow::moveEvent(event);
  SnapToWorkAreaEdges(*this);
}

}  // namespace quobrix
