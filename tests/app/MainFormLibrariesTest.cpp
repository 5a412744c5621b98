// The two library windows in the program's start and stop: shown at the
// first showing, the user library read then and written on every close of
// the main window, also one a chart window refuses; the palette's switch
// in the main window follows the palette.
#include <QAction>
#include <QListWidget>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/TMainForm.h"
#include "platform/LanguageTable.h"
#include "platform/SharedUserLibrary.h"
#include "platform/UserLibraryFiles.h"
#include "support/ModalAnswer.h"
#include "support/TempDir.h"
#include "tools/TLibraryForm.h"
#include "tools/TUserLibForm.h"
#include "view/AppContext.h"
#include "view/TBlocksHolder.h"
#include "view/THolderForm.h"

using namespace quobrix;

namespace {

struct Program {
  Program() {
    qputenv("QUOBRIX_HOME", home.Path().string().c_str());
    main = std::make_unique<TMainForm>(context);
  }
  QString Dir() const { return QString::fromStdString(home.Path().string()) + u'/'; }

  test::TempDir home;
  AppContext context;
  std::unique_ptr<TMainForm> main;
};

}  // namespace

class MainFormLibrariesTest : public QObject {
  Q_OBJECT

 private slots:
  void theFirstShowingShowsBothAndReadsTheUserLibrary() {
    Program p;
    QImage thumbnail(kThumbnailSize, kThumbnailSize, QImage::Format_RGB32);
    thumbnail.fill(Qt::green);
    QVERIFY(WriteUserLibrary(p.Dir(), {{"[A]\r\n", thumbnail}, {"[B]\r\n", thumbnail}}, OldLibrary::Replace));
    p.main->show();
    QVERIFY(p.main->LibraryForm()->isVisible());
    QVERIFY(p.main->UserLibForm()->isVisible());
    QCOMPARE(p.main->UserLibForm()->LvUserLib->count(), 2);
    QVERIFY(p.main->Commands().Action(CommandId::Library).isChecked());
    auto* tbLibrary = p.main->findChild<QToolButton*>(QStringLiteral("tbLibrary"));
    QVERIFY(tbLibrary && tbLibrary->isChecked());
    p.main->Commands().Action(CommandId::Library).trigger();  // Alt+F11
    QVERIFY(p.main->LibraryForm()->isHidden());
    QVERIFY(!tbLibrary->isChecked());
  }

  void theUserLibraryIsWrittenEvenWhenTheCloseIsRefused() {
    Program p;
    p.main->show();
    THolderForm* chart = p.main->ActiveChartWindow();
    QVERIFY(chart);
    chart->bh->Model().AddDefaultBlock(btEllipse, 500, 500, 2000, 1000);
    chart->bh->Model().GoToBlock(1);
    p.main->UserLibForm()->tbAdd->trigger();
    chart->bh->Model().SetModified(true);
    test::ModalAnswer cancel(QMessageBox::Cancel);
    QVERIFY(!p.main->close());
    const LoadedLibrary saved = ReadUserLibrary(p.Dir());
    QCOMPARE(saved.Result, LibraryLoad::Loaded);
    QCOMPARE(saved.Entries.size(), std::size_t{1});
    QCOMPARE(saved.Entries[0].Fragment, chart->bh->Model().BlockToFragment(chart->bh->Model().Blocks(1)));
  }

  // The user is told which file is damaged and gets the library back from
  // the copy its last change kept; without a copy, or refusing it, the
  // library shows empty with its files left alone.
  void aDamagedUserLibraryIsNamedAndItsCopyOffered() {
    for (const auto answer : {QMessageBox::Yes, QMessageBox::No}) {
      Program p;
      QImage thumbnail(kThumbnailSize, kThumbnailSize, QImage::Format_RGB32);
      thumbnail.fill(Qt::green);
      SharedUserLibrary earlier(p.Dir());
      QVERIFY(earlier.Save({{"[A]\r\n", thumbnail}}));
      QVERIFY(earlier.Save({{"[A]\r\n", thumbnail}, {"[B]\r\n", thumbnail}}));
      test::WriteBytes(p.home.File("userlib2.dll"), "damaged");
      // The question is answered; the message that may follow, acknowledged.
      QStringList texts;
      test::ModalAnswer answered([&texts, answer](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        texts.append(box->text());
        (box->button(answer) ? box->button(answer) : box->button(QMessageBox::Ok))->click();
      });
      p.main->show();
      QCOMPARE(texts.size(), answer == QMessageBox::Yes ? 1 : 2);
      QCOMPARE(texts.front(), LanguageText(TextKey::USERLIB_RESTORE_MSG).arg(p.Dir() + QStringLiteral("userlib2.dll")));
      QCOMPARE(p.main->UserLibForm()->LvUserLib->count(), answer == QMessageBox::Yes ? 1 : 0);
      QCOMPARE(ReadUserLibrary(p.Dir()).Result, answer == QMessageBox::Yes ? LibraryLoad::Loaded : LibraryLoad::Failed);
    }
  }

  void aDamagedUserLibraryWithoutACopyIsNamed() {
    Program p;
    test::WriteBytes(p.home.File("userlib.dll"), "[A]\x01\x01\r\n");
    test::ModalAnswer ok(QMessageBox::Ok);
    p.main->show();
    QCOMPARE(ok.texts.size(), 1);
    QCOMPARE(ok.texts.front(), LanguageText(TextKey::USERLIB_DAMAGED_MSG).arg(p.Dir() + QStringLiteral("userlib2.dll")));
    QCOMPARE(test::ReadBytes(p.home.File("userlib.dll")), std::string("[A]\x01\x01\r\n"));
  }
};

QTEST_MAIN(MainFormLibrariesTest)
#include "MainFormLibrariesTest.moc"
