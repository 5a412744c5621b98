#include "wizards/TWizCodeForm.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <stdexcept>

#include "wizards/CodeChartPreview.h"
#include "wizards/CodeErrorText.h"
#include "wizards/LanguageWords.h"

namespace quobrix {

namespace {

// Long enough to let a word be typed whole, short enough to feel live.
constexpr int kPreviewDelayMs = 300;

bool IsBlank(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

}  // namespace

TWizCodeForm::TWizCodeForm(QWidget* parent)
    : WizardDialog(parent),
      LabelProgram(Label("LabelProgram", "Текст программы:", nullptr)),
      mProgram(new QPlainTextEdit(this)),
      bOpenProgram(new QPushButton(QStringLiteral("Открыть..."), this)),
      LabelLanguage(Label("LabelLanguage", "Язык:", nullptr)),
      cbLanguage(new QComboBox(this)),
      LabelPreview(Label("LabelPreview", "Блок-схема:", nullptr)),
      PreviewArea(new QScrollArea(this)),
      Preview(new CodeChartPreview),
      LabelStatus(Hint("LabelStatus", "", nullptr)),
      OpenProgramDlg(FileToOpenDialog("OpenProgramDlg")),
      previewTimer_(new QTimer(this)) {
  setObjectName(QStringLiteral("WizCodeForm"));
  mProgram->setObjectName(QStringLiteral("mProgram"));
  mProgram->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  mProgram->setLineWrapMode(QPlainTextEdit::NoWrap);
  LabelProgram->setBuddy(mProgram);
  bOpenProgram->setObjectName(QStringLiteral("bOpenProgram"));
  bOpenProgram->setAutoDefault(false);
  cbLanguage->setObjectName(QStringLiteral("cbLanguage"));
  cbLanguage->addItem(QStringLiteral("Pascal"), static_cast<int>(CodeLanguage::Pascal));
  cbLanguage->addItem(QStringLiteral("Python"), static_cast<int>(CodeLanguage::Python));
  LabelLanguage->setBuddy(cbLanguage);
  PreviewArea->setObjectName(QStringLiteral("PreviewArea"));
  PreviewArea->setWidgetResizable(true);
  PreviewArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  PreviewArea->setWidget(Preview);
  Preview->setObjectName(QStringLiteral("Preview"));
  LabelPreview->setBuddy(PreviewArea);
  LabelStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(bOpenProgram);
  fileRow->addSpacing(16);
  fileRow->addWidget(LabelLanguage);
  fileRow->addWidget(cbLanguage);
  fileRow->addStretch(1);
  auto* text = new QVBoxLayout;
  text->addWidget(LabelProgram);
  text->addWidget(mProgram, 1);
  text->addLayout(fileRow);
  text->addLayout(SymbolSizeRow({5000, 1500}, {5000, 1500}));
  auto* preview = new QVBoxLayout;
  preview->addWidget(LabelPreview);
  preview->addWidget(PreviewArea, 1);
  preview->addWidget(LabelStatus);
  auto* columns = new QHBoxLayout;
  columns->addLayout(text, 1);
  columns->addLayout(preview, 1);
  Body().addLayout(columns, 1);
  AddTemplateRowAndButtons();

  previewTimer_->setSingleShot(true);
  previewTimer_->setInterval(kPreviewDelayMs);
  connect(previewTimer_, &QTimer::timeout, this, &TWizCodeForm::RefreshPreview);
  auto later = [this] { previewTimer_->start(); };
  connect(mProgram, &QPlainTextEdit::textChanged, this, later);
  connect(cbLanguage, &QComboBox::currentIndexChanged, this, later);
  connect(edSW, &QLineEdit::textChanged, this, later);
  connect(edSH, &QLineEdit::textChanged, this, later);
  connect(bOpenProgram, &QPushButton::clicked, this, &TWizCodeForm::bOpenProgramClick);
  RefreshPreview();
  mProgram->setFocus();
  resize(900, 620);
}

std::string TWizCodeForm::ProgramText() const { return mProgram->toPlainText().toStdString(); }

CodeChartOptions TWizCodeForm::Options(std::int64_t sheetWidth, std::int64_t sheetHeight) const {
  return {static_cast<CodeLanguage>(cbLanguage->currentData().toInt()), TypedSymbolSize(sheetWidth, sheetHeight),
          CodeChartWordsOfLanguage()};
}

void TWizCodeForm::AppendChart(BlocksHolderModel& chart) const {
  if (const auto error = AppendCodeChart(chart, ProgramText(), Options(chart.SheetWidth(), chart.SheetHeight())))
    throw std::runtime_error(error->Describe());
}

void TWizCodeForm::RefreshPreview() {
  previewTimer_->stop();
  const std::string text = ProgramText();
  auto chart = std::make_unique<BlocksHolderModel>();
  chart->ApplyChartWindowValues();
  const auto error =
      IsBlank(text) ? std::nullopt : AppendCodeChart(*chart, text, Options(chart->SheetWidth(), chart->SheetHeight()));
  const bool drawn = !IsBlank(text) && !error;
  Preview->Show(drawn ? std::move(chart) : nullptr);
  LabelStatus->setText(error ? CodeErrorText(*error) : QString());
  mProgram->setAccessibleDescription(LabelStatus->text());
  MarkFault(error ? &*error : nullptr);
  bOK->setEnabled(drawn);
}

// The fault's line is tinted and the character where it stands underlined,
// so that it is found at a glance in a long text.
void TWizCodeForm::MarkFault(const CodeError* error) {
  QList<QTextEdit::ExtraSelection> marks;
  const QTextBlock line = error ? mProgram->document()->findBlockByNumber(error->line - 1) : QTextBlock();
  if (line.isValid()) {
    QTextEdit::ExtraSelection wholeLine;
    wholeLine.cursor = QTextCursor(line);
    wholeLine.format.setBackground(QColor(255, 228, 228));
    wholeLine.format.setProperty(QTextFormat::FullWidthSelection, true);
    QTextEdit::ExtraSelection where;
    where.cursor = QTextCursor(line);
    where.cursor.setPosition(line.position() + std::clamp(error->column - 1, 0, line.length() - 1));
    where.cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    where.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    where.format.setUnderlineColor(Qt::red);
    marks = {wholeLine, where};
  }
  mProgram->setExtraSelections(marks);
}

void TWizCodeForm::accept() {
  if (previewTimer_->isActive()) RefreshPreview();
  if (bOK->isEnabled()) WizardDialog::accept();
}

bool TWizCodeForm::OpenProgram(const QString& path) {
  const QString shown = QDir::toNativeSeparators(path);
  const QString tooBig = LanguageText(TextKey::CODE_FILE_TOO_BIG).arg(shown, QString::number(kMaxProgramBytes / 1024));
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return Refuse(LanguageText(TextKey::CODE_FILE_ERROR).arg(shown));
  if (file.size() > kMaxProgramBytes) return Refuse(tooBig);
  // One byte past the limit tells a file that grew, or a device of no size, from one that fits.
  const QByteArray bytes = file.read(kMaxProgramBytes + 1);
  if (bytes.size() > kMaxProgramBytes) return Refuse(tooBig);
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString text = utf8.decode(bytes);
  if (utf8.hasError()) return Refuse(LanguageText(TextKey::CODE_FILE_NOT_UTF8).arg(shown));
  if (const auto language = CodeLanguageOfFile(QFile::encodeName(path).toStdString()))
    cbLanguage->setCurrentIndex(cbLanguage->findData(static_cast<int>(*language)));
  mProgram->setPlainText(text);
  RefreshPreview();
  return true;
}

bool TWizCodeForm::Refuse(const QString& message) {
  QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), message, QMessageBox::Ok, this);
  box.setObjectName(QStringLiteral("ErrorBox"));
  box.exec();
  return false;
}

void TWizCodeForm::bOpenProgramClick() {
  const QString path = ChooseFile(*OpenProgramDlg, TextKey::CODE_OPEN_TITLE, TextKey::CODE_OPEN_FILTER);
  if (!path.isEmpty()) OpenProgram(path);
}

void TWizCodeForm::showEvent(QShowEvent* event) {
  Preview->setAccessibleName(LabelPreview->text());
  WizardDialog::showEvent(event);
}

}  // namespace quobrix
