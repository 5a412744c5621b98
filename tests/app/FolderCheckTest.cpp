// The folders a real main window looks at once it has started: the temporary
// files of killed saves and the undo folders of killed earlier versions go,
// and folders that cannot be written are named in one message.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <csignal>
#include <ctime>

#include "app/TMainForm.h"
#include "chart/LeftOverUndoFolders.h"
#include "chart/SessionFolder.h"
#include "platform/LanguageTable.h"
#include "platform/ProgramFolders.h"
#include "support/ModalAnswer.h"
#include "support/ProgramHome.h"

using namespace quobrix;

namespace {

void WriteFile(const QString& path, bool old) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("half a save");
  file.close();
  if (!old) return;
  const timespec times[2] = {{0, UTIME_OMIT}, {std::time(nullptr) - 3600, 0}};
  QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

}  // namespace

class FolderCheckTest : public QObject {
  Q_OBJECT

 private slots:
  void killedSavesAndEarlierVersionsUndoFoldersGo() {
    test::ProgramHome home;
    const QString charts = home.File("charts");
    QVERIFY(QDir().mkpath(charts));
    home.WriteSettings(("[Recent]\r\nRecent0=" + charts + "/a.qbs\r\n").toUtf8());
    WriteFile(home.File(".quobrix.Old001"), true);
    WriteFile(charts + "/.quobrix.Old002", true);
    WriteFile(charts + "/.quobrix.Fresh1", false);  // perhaps a save in progress
    auto earlierUndo = SessionFolder::Open(UndoFoldersRoot(OldUndoDir().toStdString()),
                                           [](std::string_view) { return true; });
    QVERIFY(earlierUndo);
    const QString undoState = QString::fromStdString(earlierUndo->Path()) + "/~0tmp.qbs";
    WriteFile(undoState, true);
    earlierUndo->Leave();
    earlierUndo.reset();  // that program was killed
    test::ModalAnswer ok(QMessageBox::Ok);
    TMainForm main(home.context);
    main.show();
    main.CheckFoldersAtStart();
    QVERIFY(!QFile::exists(home.File(".quobrix.Old001")));
    QVERIFY(!QFile::exists(charts + "/.quobrix.Old002"));
    QVERIFY(QFile::exists(charts + "/.quobrix.Fresh1"));
    QVERIFY(!QFileInfo::exists(QFileInfo(undoState).path()));
    QVERIFY2(ok.texts.isEmpty(), qPrintable(ok.texts.join('\n')));
  }

  // A file-size limit makes every folder as full as a full disk does.
  void foldersThatCannotBeWrittenAreNamedInOneMessage() {
    test::ProgramHome home;
    test::ModalAnswer ok(QMessageBox::Ok);
    TMainForm main(home.context);
    main.show();
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    main.CheckFoldersAtStart();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QCOMPARE(ok.texts.size(), 1);
    const QString text = ok.texts[0];
    for (const QString& folder : {RecoveryDir(), UserLibraryDir()})
      QVERIFY2(text.contains(folder), qPrintable(text));
    for (TextKey use : {TextKey::FOLDER_USE_AUTOSAVE, TextKey::FOLDER_USE_USER_LIBRARY})
      QVERIFY2(text.contains(LanguageText(use)), qPrintable(text));
    QVERIFY(QDir(home.File("")).entryList(QDir::Files | QDir::Hidden).filter(".quobrix").isEmpty());
  }
};

QTEST_MAIN(FolderCheckTest)
#include "FolderCheckTest.moc"
