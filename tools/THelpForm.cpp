#include "tools/THelpForm.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "platform/ProgramFolders.h"
#include "tools/HelpPictures.h"

namespace quobrix {

namespace {

template <class W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
  return Named(new QPushButton(QString::fromUtf8(caption), parent), name);
}

QLabel* Label(QWidget* parent, const char* name, const char* caption, QWidget* buddy) {
  auto* label = Named(new QLabel(QString::fromUtf8(caption), parent), name);
  label->setBuddy(buddy);
  return label;
}

bool IsHelpPage(const QUrl& url) {
  const QString suffix = QFileInfo(url.toLocalFile()).suffix().toLower();
  return url.isLocalFile() && (suffix == QStringLiteral("html") || suffix == QStringLiteral("htm"));
}

}  // namespace

THelpForm::THelpForm(QWidget& owner, CommandTable& commands, ToolWindowRegistry& registry, HelpBook book)
    : ToolWindow(owner, commands, CommandId::Help, registry), book_(std::move(book)) {
  setObjectName(QStringLiteral("HelpForm"));
  BuildControls();
  resize(760, 560);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect place(QPoint(), size());
    place.moveCenter(screen->availableGeometry().center());
    move(place.topLeft());
  }
}

void THelpForm::BuildControls() {
  bContents = Button(this, "bContents", "Содержание");
  bBack = Button(this, "bBack", "Назад");
  bForward = Button(this, "bForward", "Вперёд");
  edSearch = Named(new QLineEdit(this), "edSearch");
  Label1 = Label(this, "Label1", "Найти:", edSearch);
  bSearch = Button(this, "bSearch", "Поиск");
  lbFound = Named(new QListWidget(this), "lbFound");
  Label2 = Label(this, "Label2", "Найденные страницы:", lbFound);
  Browser = Named(new QTextBrowser(this), "Browser");
  // Every link comes to Open, which keeps the network out of the window.
  Browser->setOpenLinks(false);
  bBack->setEnabled(false);
  bForward->setEnabled(false);

  auto* bar = new QHBoxLayout;
  for (QWidget* control : std::initializer_list<QWidget*>{bContents, bBack, bForward}) bar->addWidget(control);
  bar->addStretch(1);
  for (QWidget* control : std::initializer_list<QWidget*>{Label1, edSearch, bSearch}) bar->addWidget(control);
  auto* foundPane = new QWidget(this);
  auto* found = new QVBoxLayout(foundPane);
  found->setContentsMargins(0, 0, 0, 0);
  found->addWidget(Label2);
  found->addWidget(lbFound);
  auto* panes = new QSplitter(this);
  panes->addWidget(foundPane);
  panes->addWidget(Browser);
  panes->setStretchFactor(1, 1);
  panes->setSizes({180, 580});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(panes, 1);

  connect(bContents, &QPushButton::clicked, this, &THelpForm::ShowContents);
  connect(bBack, &QPushButton::clicked, Browser, &QTextBrowser::backward);
  connect(bForward, &QPushButton::clicked, Browser, &QTextBrowser::forward);
  connect(Browser, &QTextBrowser::backwardAvailable, bBack, &QWidget::setEnabled);
  connect(Browser, &QTextBrowser::forwardAvailable, bForward, &QWidget::setEnabled);
  connect(Browser, &QTextBrowser::anchorClicked, this,
          [this](const QUrl& link) { Open(Browser->source().resolved(link)); });
  connect(Browser, &QTextBrowser::sourceChanged, this, [this] {
    Browser->setAccessibleName(Browser->documentTitle());
    FitPictures(*Browser);
    MarkWords();
  });
  Browser->installEventFilter(this);
  connect(bSearch, &QPushButton::clicked, this, &THelpForm::bSearchClick);
  connect(edSearch, &QLineEdit::returnPressed, this, &THelpForm::bSearchClick);
  connect(lbFound, &QListWidget::currentRowChanged, this, &THelpForm::ShowFound);
}

void THelpForm::Toggle() {
  const QWidget* front = QApplication::activeWindow();
  if (front == this && isVisible()) return;
  const QUrl page = front ? book_.page(front->objectName()) : QUrl();
  Open(page.isEmpty() ? book_.page(QStringLiteral("index")) : page);
}

void THelpForm::ShowContents() { Open(book_.page(QStringLiteral("index"))); }

void THelpForm::Open(const QUrl& url) {
  if (!url.isEmpty() && !IsHelpPage(url)) {
    OpenOutside(url);
    return;
  }
  ShowPage(url);
  show();
  raise();
  activateWindow();
}

// A missing page tells where the help was looked for instead.
void THelpForm::ShowPage(const QUrl& url) {
  if (url.isEmpty() || !QFileInfo(url.toLocalFile()).isFile()) {
    const QString told = book_.text(HelpText::Missing).arg(QDir::toNativeSeparators(ResourceDir()));
    Browser->setHtml(QStringLiteral("<p>%1</p>").arg(told.toHtmlEscaped()));
    Browser->setAccessibleName(windowTitle());
    return;
  }
  Browser->setSource(url);
}

// The address stays in the message, where the user can select and copy it.
void THelpForm::OpenOutside(const QUrl& url) {
  if (QDesktopServices::openUrl(url)) return;
  QMessageBox box(QMessageBox::Warning, QApplication::applicationName(),
                  book_.text(HelpText::LinkNotOpened).arg(url.toString()), QMessageBox::Ok, this);
  box.setTextInteractionFlags(Qt::TextSelectableByMouse);
  box.exec();
}

void THelpForm::bSearchClick() {
  searched_ = SearchWords(edSearch->text());
  found_ = FindHelpPages(book_.folders(), edSearch->text());
  const QSignalBlocker quiet(lbFound);
  lbFound->clear();
  for (const FoundPage& page : found_) lbFound->addItem(page.title);
  if (found_.empty() && !searched_.isEmpty()) {
    auto* none = new QListWidgetItem(book_.text(HelpText::WordsNotFound), lbFound);
    none->setFlags(Qt::NoItemFlags);
  }
}

void THelpForm::ShowFound(int row) {
  if (row < 0 || row >= static_cast<int>(found_.size())) return;
  ShowPage(found_[static_cast<std::size_t>(row)].url);
  MarkWords();
}

void THelpForm::MarkWords() {
  QList<QTextEdit::ExtraSelection> marks;
  QTextCharFormat marked;
  marked.setBackground(QColor(255, 230, 110));
  for (const QString& word : searched_)
    for (QTextCursor at = Browser->document()->find(word); !at.isNull(); at = Browser->document()->find(word, at))
      marks.append({at, marked});
  Browser->setExtraSelections(marks);
}

bool THelpForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Browser && event->type() == QEvent::Resize) FitPictures(*Browser);
  return ToolWindow::eventFilter(watched, event);
}

void THelpForm::showEvent(QShowEvent* event) {
  NameFoundList();
  ToolWindow::showEvent(event);
}

void THelpForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) NameFoundList();
  ToolWindow::changeEvent(event);
}

void THelpForm::NameFoundList() { lbFound->setAccessibleName(Label2->text().remove(u':')); }

void THelpForm::LoadLayout(const ProfileFile& settings) { LoadPlacement(settings, QStringLiteral("Help"), Sized::Yes); }

void THelpForm::SaveLayout(ProfileFile& settings) const { SavePlacement(settings, QStringLiteral("Help"), Sized::Yes); }

}  // namespace quobrix
