// The user library on a real chart window: adding the active block without
// touching the desktop clipboard, removing, icon sizes, dragging onto a
// chart, and keeping the library across runs without ever losing it.
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QTest>

#include "platform/LibraryThumbnail.h"
#include "platform/ProfileFile.h"
#include "platform/UserLibraryFiles.h"
#include "support/FakeChartHost.h"
#include "support/TempDir.h"
#include "tools/TUserLibForm.h"
#include "view/FragmentDrag.h"

using namespace quobrix;

namespace {

// The program's folder, set before the library window takes it.
struct Home : test::TempDir {
  Home() { qputenv("QUOBRIX_HOME", Path().string().c_str()); }
  ~Home() { qunsetenv("QUOBRIX_HOME"); }
};

struct Library {
  BlocksHolderModel& Chart() { return chart.model(); }
  // A block of the given size, made active and kept.
  void AddBlock(std::int64_t w, std::int64_t h, const std::string& text = "kept") { AddBlockTo(form, w, h, text); }
  void AddBlockTo(TUserLibForm& library, std::int64_t w, std::int64_t h, const std::string& text) {
    Chart().AddDefaultBlock(btRectangle, 1000, 1000, w, h);
    Chart().Blocks(Chart().BlockCount()).Text = text;
    Chart().GoToBlock(Chart().BlockCount());
    library.Add();
  }
  std::string FragmentOf(int row) const {
    return form.LvUserLib->item(row)->data(FragmentTextRole).toByteArray().toStdString();
  }
  std::string File(const char* name) const { return home.File(name); }
  QString Dir() const { return QString::fromStdString(home.Path().string()) + u'/'; }

  Home home;
  test::ChartWindow chart;
  QWidget owner;
  ToolWindowRegistry registry;
  TUserLibForm form{owner, chart.host.table, registry};
};

QImage Shown(const QListWidgetItem& item, int size) {
  return item.icon().pixmap(size, size).toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class TUserLibFormTest : public QObject {
  Q_OBJECT

 private slots:
  void addKeepsTheActiveBlockAndLeavesTheClipboardAlone() {
    Library l;
    QApplication::clipboard()->setText(QStringLiteral("the user's own text"));
    l.AddBlock(3000, 1500);
    QCOMPARE(l.form.LvUserLib->count(), 1);
    QCOMPARE(l.FragmentOf(0), l.Chart().BlockToFragment(l.Chart().Blocks(1)));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("the user's own text"));
    QVERIFY(l.form.LvUserLib->item(0)->text().isEmpty());
  }

  void withoutAnActiveBlockNothingIsAdded() {
    Library l;
    l.Chart().AddDefaultBlock(btRectangle, 0, 0, 1000, 1000);
    l.form.Add();
    l.chart.host.ChartWindowClosed(*l.chart.form);
    l.form.Add();
    QCOMPARE(l.form.LvUserLib->count(), 0);
  }

  // Typed text may hold the bytes that mark line breaks in the file.
  void aFragmentItsFileLineWouldCorruptIsRefused() {
    Library l;
    l.AddBlock(2000, 1000, std::string("a\x01\x01z"));
    l.AddBlock(2000, 1000, std::string("a\x01"));
    QCOMPARE(l.form.LvUserLib->count(), 0);
    l.AddBlock(2000, 1000, std::string("a\x01z"));
    QCOMPARE(l.form.LvUserLib->count(), 1);
  }

  void aWideBlockGivesAWideCentredThumbnail() {
    Library l;
    l.AddBlock(6000, 1000);
    l.form.SetIconSize(120);
    const QImage icon = Shown(*l.form.LvUserLib->item(0), 120);
    // Nothing drawn above and below the strip that holds the block.
    for (int x = 10; x < 110; x += 10) {
      QCOMPARE(icon.pixelColor(x, 15), QColor(Qt::white));
      QCOMPARE(icon.pixelColor(x, 105), QColor(Qt::white));
    }
  }

  void removingTheFirstOfThreeKeepsTheOtherTwoWithTheirPictures() {
    Library l;
    l.AddBlock(3000, 1000, "one");
    l.AddBlock(1000, 3000, "two");
    l.AddBlock(2000, 2000, "three");
    const std::vector<LibraryEntry> before = l.form.Entries();
    l.form.LvUserLib->setCurrentRow(0);
    l.form.Remove();
    const std::vector<LibraryEntry> after = l.form.Entries();
    QCOMPARE(after.size(), std::size_t{2});
    for (std::size_t i = 0; i < 2; ++i) {
      QCOMPARE(after[i].Fragment, before[i + 1].Fragment);
      QCOMPARE(after[i].Thumbnail, before[i + 1].Thumbnail);
    }
    QCOMPARE(Shown(*l.form.LvUserLib->item(0), 80), IconOf(before[1].Thumbnail, 80));
    l.form.LvUserLib->clearSelection();
    l.form.Remove();  // nothing selected
    QCOMPARE(l.form.LvUserLib->count(), 2);
  }

  void anotherIconSizeRebuildsEveryIconAndGivesTheCursorBack() {
    Library l;
    l.AddBlock(3000, 1000);
    l.AddBlock(1000, 3000);
    QCOMPARE(l.form.IconSize(), 80);
    l.form.SetIconSize(40);
    QCOMPARE(l.form.LvUserLib->iconSize(), QSize(40, 40));
    for (int i = 0; i < 2; ++i)
      QCOMPARE(l.form.LvUserLib->item(i)->icon().availableSizes(), QList<QSize>{QSize(40, 40)});
    QVERIFY(!QApplication::overrideCursor());
  }

  void anItemDraggedOntoAChartIsPastedThere() {
    Library l;
    l.AddBlock(3000, 1500, "dragged");
    test::ChartWindow target;
    l.form.LvUserLib->setCurrentRow(0);
    QVERIFY(target.form->StartPlacingFragment(*l.form.LvUserLib));
    QCOMPARE(target.model().BlockCount(), qint64(1));
    QCOMPARE(target.model().Blocks(1).Text, std::string("dragged"));
    QVERIFY(target.form->bh->FPlacingFragment);
  }

  void theLibraryComesBackInTheNextRun() {
    Library l;
    l.AddBlock(3000, 1000, "first");
    l.AddBlock(1000, 3000, "second");
    QVERIFY(l.form.SaveUserLibrary());
    TUserLibForm next(l.owner, l.chart.host.table, l.registry);
    QVERIFY(next.LoadUserLibrary());
    QCOMPARE(next.LvUserLib->count(), 2);
    const std::vector<LibraryEntry> saved = l.form.Entries(), loaded = next.Entries();
    for (std::size_t i = 0; i < 2; ++i) {
      QCOMPARE(loaded[i].Fragment, saved[i].Fragment);
      QCOMPARE(loaded[i].Thumbnail, saved[i].Thumbnail);
    }
  }

  // A library that could not be read is the user's work all the same.
  void aLibraryThatFailedToLoadIsNotWrittenOverUnchanged() {
    Library l;
    test::WriteBytes(l.File("userlib.dll"), "[A]\x01\x01\r\n");  // its thumbnails are missing
    QVERIFY(!l.form.LoadUserLibrary());
    QCOMPARE(l.form.LvUserLib->count(), 0);
    QVERIFY(l.form.SaveUserLibrary());
    QCOMPARE(test::ReadBytes(l.File("userlib.dll")), std::string("[A]\x01\x01\r\n"));
    QVERIFY(!QFile::exists(QString::fromStdString(l.File("userlib2.dll"))));
  }

  void aChangedLibraryOverAFailedOneKeepsTheOldPairAside() {
    Library l;
    test::WriteBytes(l.File("userlib.dll"), "[A]\x01\x01\r\n[B]\x01\x01\r\n");
    test::WriteBytes(l.File("userlib2.dll"), "damaged");
    QVERIFY(!l.form.LoadUserLibrary());
    l.AddBlock(2000, 1000);
    QVERIFY(l.form.SaveUserLibrary());
    QCOMPARE(test::ReadBytes(l.File("userlib.dll.damaged")), std::string("[A]\x01\x01\r\n[B]\x01\x01\r\n"));
    QCOMPARE(test::ReadBytes(l.File("userlib2.dll.damaged")), std::string("damaged"));
    QCOMPARE(ReadUserLibrary(QString::fromStdString(l.home.Path().string()) + u'/').Entries.size(), std::size_t{1});
  }

  // A program killed after the change loses nothing.
  void everyChangeIsOnDiskAtOnce() {
    Library l;
    QVERIFY(!l.form.LoadUserLibrary());
    l.AddBlock(2000, 1000, "added");
    l.AddBlock(2000, 1000, "removed");
    QCOMPARE(ReadUserLibrary(l.Dir()).Entries.size(), std::size_t{2});
    l.form.LvUserLib->setCurrentRow(1);
    l.form.Remove();
    const LoadedLibrary onDisk = ReadUserLibrary(l.Dir());
    QCOMPARE(onDisk.Entries.size(), std::size_t{1});
    QCOMPARE(onDisk.Entries[0].Fragment, l.FragmentOf(0));
  }

  // Two programs on one folder: each one's additions show in the other and
  // survive the other's writes.
  void anotherProgramsChangesShowHereAndSurviveOurWrites() {
    Library l;
    QVERIFY(!l.form.LoadUserLibrary());
    TUserLibForm other(l.owner, l.chart.host.table, l.registry);
    QVERIFY(!other.LoadUserLibrary());
    l.AddBlock(2000, 1000, "ours");
    QTRY_COMPARE(other.LvUserLib->count(), 1);
    l.AddBlockTo(other, 1000, 1000, "theirs");
    QTRY_COMPARE(l.form.LvUserLib->count(), 2);
    l.AddBlock(1000, 2000, "ours again");
    QCOMPARE(ReadUserLibrary(l.Dir()).Entries.size(), std::size_t{3});
    QTRY_COMPARE(other.LvUserLib->count(), 3);
  }

  // The window manager cut the Ukrainian title short in the first width.
  void firstShownWideEnoughForItsWholeTitle() {
    Library l;
    const QString title = QString::fromUtf8("Бібліотека користувача");
    l.form.setWindowTitle(title);
    l.form.show();
    QFont bold = QApplication::font();
    bold.setBold(true);
    // The title beside the icon, the three buttons and the margins of a
    // usual title bar: about 110 pixels under openbox.
    QVERIFY(l.form.width() >= QFontMetrics(bold).horizontalAdvance(title) + 110);
    QVERIFY(l.form.screen()->availableGeometry().contains(l.form.frameGeometry()));
  }

  void theLayoutKeysHoldTheIconSize() {
    Library l;
    const QString path = QString::fromStdString(l.File("quobrix.ini"));
    l.form.SetIconSize(60);
    l.form.show();
    {
      ProfileFile settings(path);
      l.registry.SaveLayouts(settings);
      QVERIFY(settings.Save());
    }
    const ProfileFile saved(path);
    QCOMPARE(saved.ReadInteger(QStringLiteral("WinPos"), QStringLiteral("UserLibIcoSize"), 0), 60);
    l.form.SetIconSize(100);
    l.form.hide();
    l.registry.LoadLayouts(saved);
    QCOMPARE(l.form.IconSize(), 60);
    QVERIFY(l.form.isVisible());
    ProfileFile absurd(path);
    absurd.WriteInteger(QStringLiteral("WinPos"), QStringLiteral("UserLibIcoSize"), 1000000);
    absurd.WriteBool(QStringLiteral("WinPos"), QStringLiteral("UserLib"), false);
    l.registry.LoadLayouts(absurd);
    QCOMPARE(l.form.IconSize(), 60);
    QVERIFY(l.form.isHidden());
  }
};

QTEST_MAIN(TUserLibFormTest)
#include "TUserLibFormTest.moc"
