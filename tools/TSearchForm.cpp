#include "tools/TSearchForm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <unordered_map>

#include "app/LanguageTable.h"
#include "chart/BlocksHolderModel.h"
#include "platform/Cp1251Codec.h"
#include "view/ActiveChart.h"
#include "view/ActiveChartFollower.h"
#include "view/CommandTable.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

namespace quobrix {

namespace {

constexpr int kWidth = 370;
// The client heights with the search field alone and with the results.
constexpr int kSearchHeight = 100;
constexpr int kResultsHeight = 285;

QPushButton* Button(QWidget* parent, const char* name, const char* caption, QRect place) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(place);
  return button;
}

// "12 - text", the text's lines joined by blanks so that every result takes one line.
QString ResultLine(std::int64_t number, const std::string& text) {
  QString line = Cp1251ToUnicode(text);
  line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  line.replace(u'\r', u' ');
  line.replace(u'\n', u' ');
  return QString::number(number) + QStringLiteral(" - ") + line;
}

// Every block's number, found at once for a long list of results.
TSearchForm::BlockNumbers NumberBlocks(const BlocksHolderModel& chart) {
  TSearchForm::BlockNumbers numbers;
  for (std::int64_t n = 1; n <= chart.BlockCount(); ++n) numbers.emplace(&chart.Blocks(n), n);
  return numbers;
}

}  // namespace

TSearchForm::TSearchForm(QWidget& owner, CommandTable& commands, ToolWindowRegistry& registry)
    : ToolWindow(owner, commands, CommandId::Search, registry), active_(commands.Active()) {
  setObjectName(QStringLiteral("SearchForm"));
  BuildControls();
  ShowResults(false);
  new ActiveChartFollower(
      active_, *this, [this] { ClearResults(); }, [this](const ChartNotice& notice) { FollowNotice(notice); });
}

void TSearchForm::BuildControls() {
  Label1 = new QLabel(QString::fromUtf8("Введите фрагмент текста для поиска и нажмите кнопку \"Поиск\""), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setWordWrap(true);
  Label1->setGeometry(8, 6, kWidth - 16, 34);
  edText = new QLineEdit(this);
  edText->setObjectName(QStringLiteral("edText"));
  edText->setGeometry(8, 42, kWidth - 16, 22);
  Label1->setBuddy(edText);
  bSearch = Button(this, "bSearch", "Поиск", {kWidth - 176, 70, 80, 24});
  bSearch->setDefault(true);
  bCancel = Button(this, "bCancel", "Отмена", {kWidth - 88, 70, 80, 24});
  List = new QListWidget(this);
  List->setObjectName(QStringLiteral("List"));
  List->setAccessibleName(windowTitle());
  connect(this, &QWidget::windowTitleChanged, List, &QWidget::setAccessibleName);
  List->setGeometry(8, 104, kWidth - 16, 140);
  bGo = Button(this, "bGo", "Перейти", {kWidth - 176, 252, 80, 25});
  bClose = Button(this, "bClose", "Закрыть", {kWidth - 88, 252, 80, 25});
  connect(bSearch, &QPushButton::clicked, this, &TSearchForm::bSearchClick);
  connect(edText, &QLineEdit::returnPressed, this, &TSearchForm::bSearchClick);
  connect(bCancel, &QPushButton::clicked, this, &QWidget::close);
  connect(bGo, &QPushButton::clicked, this, &TSearchForm::bGoClick);
  connect(List, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    List->setCurrentItem(item);
    bGoClick();
  });
  connect(bClose, &QPushButton::clicked, this, &QWidget::close);
}

void TSearchForm::Toggle() {
  if (!isVisible()) {
    ShowResults(false);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      QRect place(QPoint(), size());
      place.moveCenter(screen->availableGeometry().center());
      move(place.topLeft());
    }
  }
  show();
  raise();
  activateWindow();
  edText->setFocus();
}

void TSearchForm::ShowResults(bool shown) { setFixedSize(kWidth, shown ? kResultsHeight : kSearchHeight); }

void TSearchForm::bSearchClick() {
  BlocksHolderModel* chart = active_.Chart();
  const auto text = UnicodeToCp1251(edText->text());
  const std::vector<std::int64_t> found = chart && text ? chart->FindBlocksByText(*text) : std::vector<std::int64_t>();
  if (found.empty()) {
    QMessageBox::information(
        this, QApplication::applicationName(),
        LanguageText(TextKey::SEARCH_TEXT_NOT_FOUND) + QStringLiteral(" \"") + edText->text() + u'"');
    return;
  }
  results_.clear();
  for (const std::int64_t n : found) {
    const TBlock& b = chart->Blocks(n);
    results_.push_back({&b, b.Compl == ckMultiSelection});
  }
  // Announced, so the inspector and the status line show the block.
  chart->GoToBlock(found.back());
  ListResults(NumberBlocks(*chart));
  ShowResults(true);
}

void TSearchForm::bGoClick() {
  const int row = List->currentRow();
  THolderForm* window = active_.Window();
  if (!window || row < 0 || row >= static_cast<int>(results_.size())) return;
  const std::int64_t n = window->bh->Model().IndexOfBlock(results_[static_cast<std::size_t>(row)].block);
  if (n != 0) window->bh->GoToBlock(n);
}

void TSearchForm::GoToNextResult() {
  if (results_.empty()) return;
  List->setCurrentRow((List->currentRow() + 1) % static_cast<int>(results_.size()));
  bGoClick();
}

void TSearchForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F3)
    GoToNextResult();
  else if (event->key() == Qt::Key_Escape)
    close();
  else
    ToolWindow::keyPressEvent(event);
}

void TSearchForm::FollowNotice(const ChartNotice& notice) {
  if (results_.empty() || (notice.Kind != ChartChange::Structure && notice.Kind != ChartChange::Blocks)) return;
  if (notice.Structure == StructureChange::Loaded || notice.Structure == StructureChange::Undone) {
    ClearResults();
    return;
  }
  const bool deleted = notice.Structure == StructureChange::Deleted;
  const auto numbers = NumberBlocks(*active_.Chart());
  std::erase_if(results_, [&](const Result& r) { return (deleted && r.selection) || !numbers.contains(r.block); });
  ListResults(numbers);
}

void TSearchForm::ClearResults() {
  results_.clear();
  List->clear();
}

void TSearchForm::ListResults(const BlockNumbers& numbers) {
  const int row = List->currentRow();
  List->clear();
  for (const Result& r : results_) List->addItem(ResultLine(numbers.at(r.block), r.block->Text));
  List->setCurrentRow(std::min(row, List->count() - 1));
}

}  // namespace quobrix
