// The help window: shows the help pages and the lessons in the program,
// with the contents, back and forward, and a search that lists the pages
// holding the words typed. Its command (F1) opens the page of the window in
// front. Links between pages stay in the window; addresses on the network
// go to the desktop's browser, and when nothing can open one the user is
// told the address.
#pragma once

#include <QUrl>
#include <cstdint>
#include <functional>
#include <vector>

#include "tools/HelpSearch.h"
#include "tools/ToolWindow.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;

namespace quobrix {

// The window's own messages: the help is missing (%1 the folder looked in),
// an address nothing opens (%1 the address), no page holds the words.
enum class HelpText : std::uint8_t { Missing, LinkNotOpened, WordsNotFound };

// Where the pages are, asked anew each time: the interface language changes.
struct HelpBook {
  // The help page named so ("index" is the contents); empty when missing.
  std::function<QUrl(const QString& name)> page;
  // The folders the search looks through.
  std::function<QStringList()> folders;
  // The messages in the interface language.
  std::function<QString(HelpText)> text;
};

class THelpForm : public ToolWindow {
  Q_OBJECT

 public:
  THelpForm(QWidget& owner, CommandTable& commands, ToolWindowRegistry& registry, HelpBook book);

  // What the help command does: shows the page of the window in front (the
  // page named after the window), or the contents for a window without one.
  void Toggle() override;
  // Shows a help page or a lesson; an address that is not a page of the
  // help goes to the browser. An empty one says that the help is missing.
  void Open(const QUrl& url);
  void ShowContents();
  void bSearchClick();

  QPushButton* bContents = nullptr;
  QPushButton* bBack = nullptr;
  QPushButton* bForward = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* edSearch = nullptr;
  QPushButton* bSearch = nullptr;
  QLabel* Label2 = nullptr;
  QListWidget* lbFound = nullptr;
  QTextBrowser* Browser = nullptr;

  void LoadLayout(const ProfileFile& settings) override;
  void SaveLayout(ProfileFile& settings) const override;

 protected:
  // The pages' pictures follow the browser's width.
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The list of pages found is named by its label, in the language shown.
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void BuildControls();
  void NameFoundList();
  void ShowPage(const QUrl& url);
  void OpenOutside(const QUrl& url);
  void ShowFound(int row);
  // Marks the words searched for in the page shown.
  void MarkWords();

  HelpBook book_;
  std::vector<FoundPage> found_;
  QStringList searched_;
};

}  // namespace quobrix
