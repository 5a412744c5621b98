// Where the program finds its files. Read-only resources (lang/, Templates/)
// are installed beside the program file. The files the program writes (the
// settings, the user library, the autosave copies) live
// there too when that folder is writable, as in a portable copy; an
// installed program writes to
// the user's own folders instead. QUOBRIX_HOME names one folder for all
// written files, for tests and portable use.
#pragma once

#include <QString>

namespace quobrix {

// Every folder below is returned with a trailing "/".
QString ProgramDir();
// Holds the read-only files: lang/, Templates/, help/, lessons/ and site.url.
// That is the program's own folder in a build or a portable copy; a program
// installed as PREFIX/bin/quobrix finds them in PREFIX/share/quobrix/.
QString ResourceDir();
// The templates of the interface language: Templates/ holds the Russian ones,
// and a sub-folder named as a language file (English, ...) that language's.
QString TemplateDir(const QString& languageFile);
// $XDG_DATA_HOME, or its default ~/.local/share, where the desktop looks for
// the user's own file types, applications and icons.
QString XdgDataHome();
// Holds quobrix.ini.
QString SettingsDir();
// Holds userlib.dll and userlib2.dll.
QString UserLibraryDir();
// Where earlier versions kept their undo folders, cleaned up at start; not
// made when missing.
QString OldUndoDir();
// The folder for autosave copies; its parent exists, the folder itself is
// made, private to the user, when first written.
QString RecoveryDir();

// The choice behind the three writable folders, apart from the process
// environment so that every case can be tried.
struct FolderEnvironment {
  QString programDir;
  bool programDirWritable = false;
  bool installed = false;  // the read-only files live under share/quobrix
  QString quobrixHome;    // QUOBRIX_HOME
  QString home;           // HOME
  QString xdgConfigHome;  // XDG_CONFIG_HOME
  QString xdgDataHome;    // XDG_DATA_HOME
  QString xdgRuntimeDir;  // XDG_RUNTIME_DIR
  QString xdgCacheHome;   // XDG_CACHE_HOME
  QString xdgStateHome;   // XDG_STATE_HOME
};

struct WritableFolders {
  QString settings;
  QString userLibrary;
  QString oldUndo;
  QString recovery;
};

WritableFolders ChooseWritableFolders(const FolderEnvironment& environment);

}  // namespace quobrix
