#include "tools/TSearchForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <unordered_map>

#include "chart/BlocksHolderModel.h"
#include "platform/BlockTextReplace.h"
#include "platform/Cp1251Codec.h"
#include "platform/LanguageTable.h"
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
// What the replacing part adds to either height.
constexpr int kReplaceHeight = 124;

QCheckBox* CheckBox(QWidget* parent, const char* name, const char* caption, QRect place) {
  auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(place);
  return box;
}

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

TSearchForm::TSearchForm(QWidget& owner, CommandTable& commands, ToolWindowRegistry& registry,
                         OpenCharts openCharts)
    : ToolWindow(owner, commands, CommandId::Search, registry),
      active_(commands.Active()),
      openCharts_(std::move(openCharts)) {
  setObjectName(QStringLiteral("SearchForm"));
  BuildControls();
  BuildReplacePanel();
  ShowResults(false);
  commands.Bind(CommandId::Replace, [this](QAction&) { ShowReplace(); });
  new ActiveChartFollower(
      active_, *this, [this] { ClearResults(); }, [this](const ChartNotice& notice) { FollowNotice(notice); });
}

TSearchForm::~TSearchForm() { Commands().Unbind(CommandId::Replace); }

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

void TSearchForm::BuildReplacePanel() {
  ReplacePanel = new QWidget(this);
  ReplacePanel->setObjectName(QStringLiteral("ReplacePanel"));
  ReplacePanel->setGeometry(0, kSearchHeight - 4, kWidth, kReplaceHeight);
  LabelReplace = new QLabel(QString::fromUtf8("Заменить на:"), ReplacePanel);
  LabelReplace->setObjectName(QStringLiteral("LabelReplace"));
  LabelReplace->setGeometry(8, 0, kWidth - 16, 16);
  edReplace = new QLineEdit(ReplacePanel);
  edReplace->setObjectName(QStringLiteral("edReplace"));
  edReplace->setGeometry(8, 18, kWidth - 16, 22);
  LabelReplace->setBuddy(edReplace);
  const int half = (kWidth - 16) / 2;
  cbWholeWord = CheckBox(ReplacePanel, "cbWholeWord", "Слово целиком", {8, 46, half, 20});
  cbMatchCase = CheckBox(ReplacePanel, "cbMatchCase", "С учётом регистра", {8 + half, 46, half, 20});
  cbMatchCase->setChecked(true);
  cbRegExp = CheckBox(ReplacePanel, "cbRegExp", "Регулярное выражение", {8, 68, half, 20});
  cbAllCharts = CheckBox(ReplacePanel, "cbAllCharts", "Во всех открытых схемах", {8 + half, 68, half, 20});
  bReplace = Button(ReplacePanel, "bReplace", "Заменить", {kWidth - 200, 94, 92, 24});
  bReplaceAll = Button(ReplacePanel, "bReplaceAll", "Заменить все", {kWidth - 100, 94, 92, 24});
  connect(bReplace, &QPushButton::clicked, this, &TSearchForm::bReplaceClick);
  connect(bReplaceAll, &QPushButton::clicked, this, &TSearchForm::bReplaceAllClick);
}

void TSearchForm::Toggle() {
  if (!isVisible()) {
    replacing_ = false;
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

void TSearchForm::ShowReplace() {
  Toggle();
  replacing_ = true;
  edReplace->setAccessibleName(LabelReplace->text());
  Arrange();
}

void TSearchForm::ShowResults(bool shown) {
  resultsShown_ = shown;
  Arrange();
}

void TSearchForm::Arrange() {
  const int added = replacing_ ? kReplaceHeight : 0;
  ReplacePanel->setVisible(replacing_);
  List->move(8, 104 + added);
  bGo->move(kWidth - 176, 252 + added);
  bClose->move(kWidth - 88, 252 + added);
  setFixedSize(kWidth, (resultsShown_ ? kResultsHeight : kSearchHeight) + added);
}

TextReplaceRule TSearchForm::Rule() const {
  TextReplaceRule rule{.find = edText->text(), .replacement = edReplace->text()};
  if (replacing_) {
    rule.wholeWord = cbWholeWord->isChecked();
    rule.matchCase = cbMatchCase->isChecked();
    rule.regularExpression = cbRegExp->isChecked();
  }
  return rule;
}

bool TSearchForm::Usable(const TextReplacer& replacer) {
  if (replacer.Valid()) return true;
  QMessageBox::warning(
      this, QApplication::applicationName(),
      LanguageText(TextKey::REPLACE_BAD_EXPRESSION).arg(replacer.Error()).arg(replacer.ErrorColumn()));
  return false;
}

void TSearchForm::SayNotFound() {
  QMessageBox::information(
      this, QApplication::applicationName(),
      LanguageText(TextKey::SEARCH_TEXT_NOT_FOUND) + QStringLiteral(" \"") + edText->text() + u'"');
}

void TSearchForm::SayNotInCodePage() {
  QMessageBox::warning(this, QApplication::applicationName(), LanguageText(TextKey::REPLACE_NOT_IN_CODE_PAGE));
}

void TSearchForm::bSearchClick() {
  const TextReplacer replacer(Rule());
  if (!Usable(replacer)) return;
  BlocksHolderModel* chart = active_.Chart();
  const std::vector<std::int64_t> found = chart ? MatchingBlocks(*chart, replacer) : std::vector<std::int64_t>();
  if (found.empty()) {
    SayNotFound();
    return;
  }
  ShowFound(*chart, found, found.back());
}

void TSearchForm::bReplaceClick() {
  const TextReplacer replacer(Rule());
  if (!Usable(replacer)) return;
  BlocksHolderModel* chart = active_.Chart();
  const std::int64_t active = chart ? chart->ActiveBlock() : 0;
  const bool replacing = active >= 1 && replacer.Matches(Cp1251ToUnicode(chart->Blocks(active).Text));
  if (replacing) {
    const auto texts = ReplacedTexts(*chart, {active}, replacer);
    if (!texts) {
      SayNotInCodePage();
      return;
    }
    chart->ReplaceBlockTexts(*texts);
  }
  const std::vector<std::int64_t> found = chart ? MatchingBlocks(*chart, replacer) : std::vector<std::int64_t>();
  if (found.empty()) {
    // Replacing the last match is no failure.
    if (!replacing) SayNotFound();
    return;
  }
  const auto next = std::ranges::upper_bound(found, active);
  ShowFound(*chart, found, next == found.end() ? found.front() : *next);
}

void TSearchForm::bReplaceAllClick() {
  const TextReplacer replacer(Rule());
  if (!Usable(replacer)) return;
  // Every text is replaced first, so that a refusal leaves every chart as it was.
  std::vector<std::pair<BlocksHolderModel*, BlocksHolderModel::BlockTexts>> changes;
  for (BlocksHolderModel* chart : ChartsInScope()) {
    auto texts = ReplacedTexts(*chart, MatchingBlocks(*chart, replacer), replacer);
    if (!texts) {
      SayNotInCodePage();
      return;
    }
    if (!texts->empty()) changes.emplace_back(chart, std::move(*texts));
  }
  if (changes.empty()) {
    SayNotFound();
    return;
  }
  for (const auto& [chart, texts] : changes) chart->ReplaceBlockTexts(texts);
  BlocksHolderModel* active = active_.Chart();
  const auto own = std::ranges::find(changes, active, [](const auto& change) { return change.first; });
  if (own == changes.end()) return;
  std::vector<std::int64_t> replaced;
  for (const auto& text : own->second) replaced.push_back(text.first);
  ShowFound(*active, replaced, replaced.back());
}

std::vector<BlocksHolderModel*> TSearchForm::ChartsInScope() const {
  if (replacing_ && cbAllCharts->isChecked()) return openCharts_();
  if (BlocksHolderModel* chart = active_.Chart()) return {chart};
  return {};
}

void TSearchForm::ShowFound(BlocksHolderModel& chart, const std::vector<std::int64_t>& found, std::int64_t current) {
  results_.clear();
  for (const std::int64_t n : found) {
    const TBlock& b = chart.Blocks(n);
    results_.push_back({&b, b.Compl == ckMultiSelection});
  }
  // Announced, so the inspector and the status line show the block.
  chart.GoToBlock(current);
  ListResults(NumberBlocks(chart));
  List->setCurrentRow(static_cast<int>(std::ranges::find(found, current) - found.begin()));
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
