#include "tools/TPreviewForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QShortcut>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "chart/BlocksHolderModel.h"
#include "chart/DeviceGeometry.h"
#include "platform/LanguageTable.h"
#include "platform/QPainterCanvas.h"
#include "render/PageDrawing.h"
#include "tools/PreviewZoom.h"
#include "view/ActiveChart.h"
#include "view/ActiveChartFollower.h"
#include "view/AppContext.h"
#include "view/CommandTable.h"
#include "view/ControlHint.h"

namespace quobrix {

namespace {

constexpr const char* kZoomItems[] = {"25 %",  "40 %",  "50 %",  "75 %",  "90 %",  "100 %",
                                      "125 %", "150 %", "200 %", "400 %", "500 %", "1000 %"};

// The surface the page is drawn on; its owner says how.
class PaintBox : public QWidget {
 public:
  PaintBox(QWidget* parent, std::function<void(QWidget&)> paint) : QWidget(parent), paint_(std::move(paint)) {
    setObjectName(QStringLiteral("pb"));
  }

 protected:
  void paintEvent(QPaintEvent*) override { paint_(*this); }

 private:
  std::function<void(QWidget&)> paint_;
};

// A sheet side in preview pixels, as the chart view measures it at that
// zoom, held within what a widget can measure.
int BoxSide(std::int64_t side, std::int64_t resolution, std::int64_t zoom) {
  constexpr std::int64_t kLargest = QWIDGETSIZE_MAX;
  if (side > kLargest * kDeviceDivisor / resolution / zoom) return kLargest;
  return static_cast<int>(std::clamp<std::int64_t>(side * resolution * zoom / kDeviceDivisor, 1, kLargest));
}

QToolButton* Button(QWidget* parent, const char* name, const char* caption, const char* hint = nullptr) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setText(QString::fromUtf8(caption));
  if (hint) button->setToolTip(QString::fromUtf8(hint));
  button->setAutoRaise(true);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  return button;
}

}  // namespace

TPreviewForm::TPreviewForm(QWidget& owner, CommandTable& commands, ToolWindowRegistry& registry, AppContext& context)
    : ToolWindow(owner, commands, CommandId::Preview, registry), context_(context), active_(commands.Active()) {
  setObjectName(QStringLiteral("PreviewForm"));
  Scroll = new QScrollArea(this);
  Scroll->setObjectName(QStringLiteral("Scroll"));
  Scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Scroll->setBackgroundRole(QPalette::Base);
  QPalette white = Scroll->palette();
  white.setColor(QPalette::Base, Qt::white);
  Scroll->setPalette(white);
  pb = new PaintBox(nullptr, [this](QWidget& box) { PaintPage(box); });
  Scroll->setWidget(pb);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(BuildToolBar());
  layout->addWidget(Scroll, 1);
  layout->addWidget(BuildStatusBar());
  new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
  new ActiveChartFollower(
      active_, *this, [this] { FollowChart(); },
      [this](const ChartNotice& notice) {
        if (notice.Kind != ChartChange::Debug) FollowChart();
      });
  connect(&context_.Settings(), &ProgramSettings::LanguageFileChanged, this, &TPreviewForm::FollowChart);
  resize(640, 480);
}

QWidget* TPreviewForm::BuildToolBar() {
  auto* bar = new QWidget(this);
  bar->setObjectName(QStringLiteral("ToolBar"));
  bPrev = Button(bar, "bPrev", "<<", "Предыдущая страница");
  bNext = Button(bar, "bNext", ">>", "Следующая страница");
  LabZoom = new QLabel(QStringLiteral("Масштаб "), bar);
  LabZoom->setObjectName(QStringLiteral("LabZoom"));
  cbZoom = new QComboBox(bar);
  cbZoom->setObjectName(QStringLiteral("cbZoom"));
  cbZoom->setEditable(true);
  SetControlHint(*cbZoom, QStringLiteral("Масштаб"));
  cbZoom->setInsertPolicy(QComboBox::NoInsert);
  for (const char* item : kZoomItems) cbZoom->addItem(QString::fromUtf8(item));
  cbZoom->setEditText(PreviewZoomText(zoom_));
  LabZoom->setBuddy(cbZoom);
  bMinus = Button(bar, "bMinus", "-", "Уменьшить");
  bPlus = Button(bar, "bPlus", "+", "Увеличить");
  bRefresh = Button(bar, "bRefresh", "Обновить");
  bClose = Button(bar, "bClose", "Закрыть");
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(4, 2, 4, 2);
  for (QWidget* w : std::initializer_list<QWidget*>{bPrev, bNext, LabZoom, cbZoom, bMinus, bPlus, bRefresh, bClose})
    row->addWidget(w);
  row->addStretch(1);
  connect(bPrev, &QToolButton::clicked, this, &TPreviewForm::bPrevClick);
  connect(bNext, &QToolButton::clicked, this, &TPreviewForm::bNextClick);
  connect(bMinus, &QToolButton::clicked, this, [this] { StepZoom(-10); });
  connect(bPlus, &QToolButton::clicked, this, [this] { StepZoom(10); });
  connect(bRefresh, &QToolButton::clicked, pb, qOverload<>(&QWidget::update));
  connect(bClose, &QToolButton::clicked, this, &QWidget::close);
  connect(cbZoom, &QComboBox::currentTextChanged, this, &TPreviewForm::cbZoomChange);
  return bar;
}

QWidget* TPreviewForm::BuildStatusBar() {
  auto* status = new QStatusBar(this);
  status->setObjectName(QStringLiteral("Status"));
  status->setSizeGripEnabled(false);
  for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
    statusPanels_[i] = new QLabel(status);
    statusPanels_[i]->setMinimumWidth(150);
    status->addWidget(statusPanels_[i]);
  }
  return status;
}

void TPreviewForm::Toggle() {
  page_ = 1;
  cbZoomChange(cbZoom->currentText());
  FollowChart();
  showMaximized();
  raise();
  activateWindow();
}

void TPreviewForm::bPrevClick() {
  if (page_ <= 1) return;
  --page_;
  ShowPageNumber();
  pb->update();
}

void TPreviewForm::bNextClick() {
  const BlocksHolderModel* chart = active_.Chart();
  if (!chart || page_ >= chart->DocumentPages()) return;
  ++page_;
  ShowPageNumber();
  pb->update();
}

void TPreviewForm::StepZoom(int step) { cbZoom->setEditText(PreviewZoomText(StepPreviewZoom(zoom_, step))); }

// A text that names no zoom (half typed, zero, a word) leaves the zoom as it was.
void TPreviewForm::cbZoomChange(const QString& text) {
  const auto zoom = ReadPreviewZoom(text);
  if (!zoom || *zoom == zoom_) return;
  zoom_ = *zoom;
  FollowChart();
}

void TPreviewForm::FollowChart() {
  const BlocksHolderModel* chart = active_.Chart();
  pb->setVisible(chart != nullptr);
  if (chart) {
    page_ = std::clamp(page_, 1, chart->DocumentPages());
    pb->resize(BoxSide(chart->SheetWidth(), chart->HorzResolution(), zoom_),
               BoxSide(chart->SheetHeight(), chart->VertResolution(), zoom_));
    pb->update();
  }
  ShowPageNumber();
  StatusPanel(1)->setText(LabZoom->text() + u' ' + PreviewZoomText(zoom_));
}

void TPreviewForm::ShowPageNumber() {
  const BlocksHolderModel* chart = active_.Chart();
  StatusPanel(0)->setText(chart ? LanguageText(TextKey::PREVIEW_PAGE) + u' ' + QString::number(page_) +
                                      QStringLiteral(" / ") + QString::number(chart->DocumentPages())
                                : QString());
}

void TPreviewForm::PaintPage(QWidget& box) const {
  const BlocksHolderModel* chart = active_.Chart();
  if (!chart) return;
  QPainter painter(&box);
  QPainterCanvas canvas(painter);
  DrawPreviewPage(*chart, canvas, page_, zoom_);
}

}  // namespace quobrix
