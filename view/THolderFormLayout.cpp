// The chart window's components, outer first: rulers along the top and the
// left, the status line and the colour strip along the bottom, the vertical
// scroll bar with the page buttons on the right, and the canvas panel.
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/InterfacePicture.h"
#include "view/ControlHint.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"
#include "view/TVRulerWnd2.h"

namespace quobrix {

namespace {

template <class W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QWidget* Panel(QWidget* parent, const char* name) {
  auto* panel = Named(new QWidget(parent), name);
  panel->setAutoFillBackground(true);
  return panel;
}

TVRulerWnd2* Ruler(QWidget* parent, const char* name, TRulerKind kind) {
  auto* ruler = Named(new TVRulerWnd2(parent), name);
  ruler->SetKind(kind);
  ruler->SetPrecition(kind == TRulerKind::Horizontal ? 30 : 0);
  ruler->SetDigitsLenght(2000);
  ruler->SetDi(10);
  ruler->SetFlat(true);
  ruler->SetZoom(100);
  ruler->SetStartNumber(0);
  ruler->SetTraceMouse(false);
  if (kind == TRulerKind::Horizontal)
    ruler->setFixedHeight(24);
  else
    ruler->setFixedWidth(30);
  return ruler;
}

QToolButton* SpeedButton(QWidget* parent, const char* name, int width, int height = 20) {
  auto* button = Named(new QToolButton(parent), name);
  button->setFixedSize(width, height);
  button->setAutoRaise(false);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

template <typename W>
W* Hinted(W* control, const char* hint) {
  SetControlHint(*control, QString::fromUtf8(hint));
  return control;
}

QIcon GridPicture() {
  QPixmap picture = InterfacePixmap(QSize(16, 16));
  QPainter painter(&picture);
  painter.setPen(QColor(0, 0, 128));
  for (int y = 1; y < 16; y += 4)
    for (int x = 1; x < 16; x += 4) painter.drawRect(x, y, 1, 1);
  return picture;
}

QIcon SearchPicture() {
  QPixmap picture = InterfacePixmap(QSize(13, 13));
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 1.5));
  painter.drawEllipse(QRectF(1, 1, 7, 7));
  painter.drawLine(QPointF(7.5, 7.5), QPointF(12, 12));
  return picture;
}

QLabel* StatusLabel(QWidget* parent, int width, Qt::Alignment alignment) {
  auto* label = new QLabel(parent);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setAlignment(alignment | Qt::AlignVCenter);
  label->setMinimumWidth(width);
  if (width != 50) label->setMaximumWidth(width);
  return label;
}

}  // namespace

void THolderForm::BuildLayout() {
  setObjectName(QStringLiteral("HolderForm"));
  resize(691, 549);
  setMinimumSize(50, 70);

  auto* client = new QWidget(this);
  auto* outer = new QVBoxLayout(client);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);
  HorzRuler = Ruler(client, "HorzRuler", TRulerKind::Horizontal);
  outer->addWidget(HorzRuler);

  auto* middle = new QHBoxLayout;
  middle->setSpacing(0);
  VertRuler = Ruler(client, "VertRuler", TRulerKind::Vertical);
  middle->addWidget(VertRuler);
  BHPanel = Named(new QFrame(client), "BHPanel");
  BHPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  BHPanel->setLineWidth(1);
  BHPanel->setAutoFillBackground(true);
  QPalette white = BHPanel->palette();
  white.setColor(QPalette::Window, Qt::white);
  BHPanel->setPalette(white);
  LeftShape = Named(new QWidget(BHPanel), "LeftShape");
  bh = new TBlocksHolder(BHPanel);
  BHPanel->installEventFilter(this);
  middle->addWidget(BHPanel, 1);
  middle->addWidget(BuildRightPanel());
  outer->addLayout(middle, 1);

  ColorPanel = Panel(client, "ColorPanel");
  ColorPanel->setFixedHeight(15);
  ColorImg = new ColorStrip(ColorPanel);
  auto* colorLayout = new QHBoxLayout(ColorPanel);
  colorLayout->setContentsMargins(0, 0, 0, 0);
  colorLayout->addWidget(ColorImg);
  outer->addWidget(ColorPanel);
  outer->addWidget(BuildBottomPanel());
  setCentralWidget(client);
}

QWidget* THolderForm::BuildRightPanel() {
  RightPanel = Panel(nullptr, "RightPanel");
  RightPanel->setFixedWidth(20);
  ScrollY = Hinted(Named(new QScrollBar(Qt::Vertical, RightPanel), "ScrollY"), "Прокрутка по вертикали");
  ScrollY->setRange(0, 105);
  bPgUp = Hinted(SpeedButton(RightPanel, "bPgUp", 19, 19), "Предыдущая страница");
  bPgUp->setArrowType(Qt::UpArrow);
  bSearch = Hinted(SpeedButton(RightPanel, "bSearch", 19, 19), "Поиск");
  bSearch->setIcon(SearchPicture());
  bPgDn = Hinted(SpeedButton(RightPanel, "bPgDn", 19, 19), "Следующая страница");
  bPgDn->setArrowType(Qt::DownArrow);
  auto* layout = new QVBoxLayout(RightPanel);
  layout->setContentsMargins(0, 0, 1, 0);
  layout->setSpacing(0);
  layout->addWidget(ScrollY, 1, Qt::AlignHCenter);
  for (QToolButton* button : {bPgUp, bSearch, bPgDn}) layout->addWidget(button);
  return RightPanel;
}

QWidget* THolderForm::BuildBottomPanel() {
  BottomPanel = Panel(nullptr, "BottomPanel");
  BottomPanel->setFixedHeight(20);
  QFont small = BottomPanel->font();
  small.setPixelSize(11);
  BottomPanel->setFont(small);
  auto* layout = new QHBoxLayout(BottomPanel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(1);

  Status = Named(new QWidget(BottomPanel), "Status");
  Status->setMinimumWidth(318 - 200);
  auto* panels = new QHBoxLayout(Status);
  panels->setContentsMargins(0, 0, 0, 0);
  panels->setSpacing(2);
  statusPanels_ = {StatusLabel(Status, 100, Qt::AlignHCenter), StatusLabel(Status, 200, Qt::AlignLeft),
                   StatusLabel(Status, 50, Qt::AlignLeft)};
  for (QLabel* panel : statusPanels_) panels->addWidget(panel);
  layout->addWidget(Status, 1);

  bObjSnap = SpeedButton(BottomPanel, "bObjSnap", 41);
  bObjSnap->setText(QStringLiteral("ОПРИВ"));
  bObjSnap->setToolTip(QStringLiteral("Привязка к символам"));
  bLineSnap = SpeedButton(BottomPanel, "bLineSnap", 41);
  bLineSnap->setText(QStringLiteral("ЛПРИВ"));
  bLineSnap->setToolTip(QStringLiteral("Привязка линий"));
  bGrid = SpeedButton(BottomPanel, "bGrid", 22);
  bGrid->setIcon(GridPicture());
  Hinted(bGrid, "Использовать сетку");
  for (QToolButton* toggle : {bObjSnap, bLineSnap, bGrid}) toggle->setCheckable(true);
  bObjSnap->setChecked(true);
  bLineSnap->setChecked(true);
  sbPosGridSize = SpeedButton(BottomPanel, "sbPosGridSize", 14);
  sbPosGridSize->setArrowType(Qt::DownArrow);
  Hinted(sbPosGridSize, "Шаг сетки");

  cbZoom = Named(new QComboBox(BottomPanel), "cbZoom");
  cbZoom->setEditable(true);
  Hinted(cbZoom, "Масштаб");
  cbZoom->setFixedSize(49 + 12, 20);
  cbZoom->setMaxVisibleItems(13);
  cbZoom->setInsertPolicy(QComboBox::NoInsert);
  cbZoom->addItems({"10", "25", "40", "50", "60", "75", "90", "100", "125", "150", "200", "400", "500"});

  ScrollX = Hinted(Named(new QScrollBar(Qt::Horizontal, BottomPanel), "ScrollX"), "Прокрутка по горизонтали");
  ScrollX->setRange(0, 105);
  ScrollX->setFixedWidth(168);
  for (QWidget* control : std::initializer_list<QWidget*>{bObjSnap, bLineSnap, bGrid, sbPosGridSize, cbZoom, ScrollX})
    layout->addWidget(control);
  return BottomPanel;
}

}  // namespace quobrix
