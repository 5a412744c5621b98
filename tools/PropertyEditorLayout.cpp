// The inspector's rows, from the block's place to its text placement, and
// its two pop-up menus.
#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "platform/ItemTextKey.h"
#include "tools/ColorBox.h"
#include "tools/TPropertyEditorForm.h"
#include "view/CodePageEdits.h"
#include "view/PropertyNames.h"
#include "view/PropertyPictures.h"
#include "view/PropertyValues.h"

namespace quobrix {

namespace {

constexpr int kRowHeight = 24;
constexpr int kLabelWidth = 112;
constexpr QSize kStartSize(250, 480);

// One row: a panel with its label, editors and, for lengths, the unit.
QWidget* Row(QWidget& parent, const char* panel, int number, const char* caption, std::initializer_list<QWidget*> editors,
             int unit = 0) {
  auto* row = new QWidget(&parent);
  row->setObjectName(QString::fromLatin1(panel));
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(4, 1, 4, 1);
  layout->setSpacing(4);
  auto* label = new QLabel(QString::fromUtf8(caption), row);
  label->setObjectName(QStringLiteral("Label%1").arg(number));
  label->setFixedWidth(kLabelWidth);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setBuddy(*editors.begin());
  layout->addWidget(label, 0, Qt::AlignTop);
  for (QWidget* editor : editors) {
    editor->setParent(row);
    layout->addWidget(editor, 1);
  }
  if (unit > 0) {
    auto* mm = new QLabel(QStringLiteral("мм"), row);
    mm->setObjectName(QStringLiteral("LabelMM%1").arg(unit));
    layout->addWidget(mm);
  }
  row->setFixedHeight(kRowHeight);
  return row;
}

QLineEdit* Edit(const char* name) {
  auto* edit = new QLineEdit;
  edit->setObjectName(QString::fromLatin1(name));
  return edit;
}

ColorBox* Colors(const char* name) {
  auto* box = new ColorBox;
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

// Each item is named for assistive tools and in its tool tip.
void NameItems(QComboBox& list, const std::function<QString(int)>& itemName) {
  for (int i = 0; i < list.count(); ++i) {
    list.setItemData(i, itemName(i), Qt::AccessibleTextRole);
    list.setItemData(i, itemName(i), Qt::ToolTipRole);
  }
}

// A list that shows only pictures; the item index is the value. The language
// file names an item by the list's name and the index.
QComboBox* Pictures(const char* name, QSize size, int count, const std::function<QPixmap(int)>& picture,
                    const std::function<QString(int)>& itemName) {
  auto* list = new QComboBox;
  list->setObjectName(QString::fromLatin1(name));
  list->setIconSize(size);
  list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  list->setMinimumContentsLength(0);
  for (int i = 0; i < count; ++i) {
    list->addItem(picture(i), QString());
    list->setItemData(i, list->objectName() + QString::number(i), kItemTextKeyRole);
  }
  NameItems(*list, itemName);
  return list;
}

QString WidthName(int index) { return WidthText(InspectorWidth(index)); }

// The width list shows the block's width as its placeholder (no item is
// chosen), in the colour of any chosen value: the placeholder's grey reads
// as a disabled box.
void ShowPlaceholderAsValue(QComboBox& list) {
  QPalette palette = list.palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive})
    palette.setColor(group, QPalette::PlaceholderText, palette.color(group, QPalette::ButtonText));
  list.setPalette(palette);
}

}  // namespace

void TInspectorForm::BuildLayout() {
  setObjectName(QStringLiteral("InspectorForm"));
  Scroll = new QScrollArea(this);
  Scroll->setObjectName(QStringLiteral("Scroll"));
  Scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Scroll->setWidgetResizable(true);
  Scroll->setFrameShape(QFrame::NoFrame);
  Scroll->setWidget(BuildRows());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Scroll);
  // Rows cannot scroll sideways, so the window is never narrower than they are.
  const int rowsWidth = Scroll->widget()->minimumSizeHint().width() + Scroll->verticalScrollBar()->sizeHint().width();
  setMinimumWidth(rowsWidth);
  resize(std::max(kStartSize.width(), rowsWidth), kStartSize.height());
  BuildMenus();
}

QWidget* TInspectorForm::BuildRows() {
  auto* rows = new QWidget;
  const auto fill = [](int style) { return FillStylePicture(static_cast<TBrushStyle>(style)); };
  const auto fillName = [](int style) { return QString::fromUtf8(FillStyleName(static_cast<TBrushStyle>(style))); };
  const auto pen = [](int style) { return LineStylePicture(static_cast<TPenStyle>(style)); };
  const auto penName = [](int style) { return QString::fromUtf8(LineStyleName(static_cast<TPenStyle>(style))); };
  const auto width = [](int index) { return LineWidthPicture(InspectorWidth(index)); };
  const auto ends = [](int value) { return LineEndsPicture(static_cast<TBlocksLineArrows>(value)); };
  const auto endsName = [](int value) { return QString::fromUtf8(LineEndsName(static_cast<TBlocksLineArrows>(value))); };
  const auto align = [](int value) { return TextAlignPicture(static_cast<TAlignment>(value)); };
  const auto alignName = [](int value) { return QString::fromUtf8(TextAlignName(static_cast<TAlignment>(value))); };
  const auto place = [](int value) { return TextPlacementPicture(static_cast<TBlockTextPlacement>(value)); };
  const auto placeName = [](int value) {
    return QString::fromUtf8(TextPlacementName(static_cast<TBlockTextPlacement>(value)));
  };

  edPosX = Edit("edPosX");
  edPosY = Edit("edPosY");
  edW = Edit("edW");
  edH = Edit("edH");
  cbMC = Colors("cbMC");
  cbFS = Pictures("cbFS", kLinePictureSize, bsDiagCross + 1, fill, fillName);
  cbBC = Colors("cbBC");
  cbBS = Pictures("cbBS", kLinePictureSize, psDashDot + 1, pen, penName);
  cbBW = Pictures("cbBW", kLinePictureSize, kInspectorWidthCount, width, WidthName);
  ShowPlaceholderAsValue(*cbBW);
  cbLineArrows = Pictures("cbLineArrows", kLinePictureSize, blaBothFilledArrows + 1, ends, endsName);
  mText = new CodePageMemo;
  mText->setObjectName(QStringLiteral("mText"));
  bFont = new QPushButton(QStringLiteral("Изменить"));
  bFont->setObjectName(QStringLiteral("bFont"));
  cbTC = Colors("cbTC");
  cbTA = Pictures("cbTA", kTextPictureSize, taCenter + 1, align, alignName);
  cbTP = Pictures("cbTP", kTextPictureSize, btpRightSide + 1, place, placeName);

  auto* layout = new QVBoxLayout(rows);
  layout->setContentsMargins(0, 4, 0, 4);
  layout->setSpacing(0);
  layout->addWidget(Panel1 = Row(*rows, "Panel1", 1, "Позиция X:", {edPosX}, 1));
  layout->addWidget(Panel2 = Row(*rows, "Panel2", 2, "Позиция Y:", {edPosY}, 2));
  layout->addWidget(Panel3 = Row(*rows, "Panel3", 3, "Ширина:", {edW}, 3));
  layout->addWidget(Panel4 = Row(*rows, "Panel4", 4, "Высота:", {edH}, 4));
  layout->addWidget(Panel5 = Row(*rows, "Panel5", 5, "Цвет фона:", {cbMC}));
  layout->addWidget(Panel6 = Row(*rows, "Panel6", 6, "Стиль фона:", {cbFS}));
  layout->addWidget(Panel7 = Row(*rows, "Panel7", 7, "Цвет линии:", {cbBC}));
  layout->addWidget(Panel8 = Row(*rows, "Panel8", 8, "Стиль линии:", {cbBS}));
  layout->addWidget(Panel9 = Row(*rows, "Panel9", 9, "Размер линии:", {cbBW}));
  layout->addWidget(Panel10 = Row(*rows, "Panel10", 10, "Стрелки линии:", {cbLineArrows}));
  layout->addWidget(PanelText = Row(*rows, "PanelText", 11, "Текст:", {mText}));
  layout->addWidget(Panel12 = Row(*rows, "Panel12", 12, "Шрифт текста:", {bFont, cbTC}));
  layout->addWidget(Panel13 = Row(*rows, "Panel13", 13, "Выравн. текста:", {cbTA}));
  layout->addWidget(Panel14 = Row(*rows, "Panel14", 14, "Позиция текста:", {cbTP}));
  layout->addStretch();
  return rows;
}

void TInspectorForm::BuildMenus() {
  PopupMenu = new QMenu(this);
  PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
  mStayOnTop = PopupMenu->addAction(QStringLiteral("Поверх остальных окон"));
  mStayOnTop->setObjectName(QStringLiteral("mStayOnTop"));
  mStayOnTop->setCheckable(true);
  mStayOnTop->setChecked(true);
  connect(mStayOnTop, &QAction::toggled, this, [this](bool onTop) {
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (shown) show();
  });

  // Cut, copy and paste of the edit's own text, never of blocks.
  EditPopup = new QMenu(this);
  EditPopup->setObjectName(QStringLiteral("EditPopup"));
  const std::pair<const char*, const char*> items[] = {
      {"epCut", "Вырезать"}, {"epCopy", "Копировать"}, {"epPaste", "Вставить"}};
  for (const auto& [name, caption] : items) {
    QAction* item = EditPopup->addAction(QString::fromUtf8(caption));
    item->setObjectName(QString::fromLatin1(name));
    const QByteArray slot = QByteArray(name + 2).toLower();
    connect(item, &QAction::triggered, this, [this, slot] {
      if (editPopupTarget_) QMetaObject::invokeMethod(editPopupTarget_, slot.constData());
    });
  }
  for (QWidget* edit : std::initializer_list<QWidget*>{edPosX, edPosY, edW, edH, mText}) {
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(edit, &QWidget::customContextMenuRequested, this, [this, edit](QPoint at) {
      editPopupTarget_ = edit;
      EditPopup->popup(edit->mapToGlobal(at));
    });
  }
}

// The width pictures write their numbers too, with the language's decimal separator.
void TInspectorForm::NameWidths() {
  NameItems(*cbBW, WidthName);
  for (int i = 0; i < cbBW->count(); ++i) cbBW->setItemIcon(i, LineWidthPicture(InspectorWidth(i)));
}

}  // namespace quobrix
