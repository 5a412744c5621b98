#include "platform/ProgramFolders.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quobrix {

namespace {

const QString kRecovery = QStringLiteral("recovery/");

QString WithSlash(const QString& folder) { return folder.endsWith(u'/') ? folder : folder + u'/'; }

// An XDG variable counts only when it holds an absolute path.
QString XdgFolder(const QString& variable, const QString& home, const QString& fallbackUnderHome) {
  return QDir::isAbsolutePath(variable) ? variable : home + fallbackUnderHome;
}

const QString kInstalledResources = QStringLiteral("../share/quobrix/");

// An installed program has no language files beside it, but its prefix has.
bool IsInstalled(const QString& programDir) {
  return !QFileInfo::exists(programDir + QStringLiteral("lang")) &&
         QFileInfo::exists(programDir + kInstalledResources + QStringLiteral("lang"));
}

bool IsWritableFolder(const QString& folder) { return ::access(QFile::encodeName(folder).constData(), W_OK) == 0; }

FolderEnvironment CurrentEnvironment() {
  FolderEnvironment environment;
  environment.programDir = ProgramDir();
  environment.programDirWritable = IsWritableFolder(environment.programDir);
  environment.installed = IsInstalled(environment.programDir);
  const QString quobrixHome = qEnvironmentVariable("QUOBRIX_HOME");
  if (!quobrixHome.isEmpty()) environment.quobrixHome = QDir(quobrixHome).absolutePath();
  environment.home = QDir::homePath();
  environment.xdgConfigHome = qEnvironmentVariable("XDG_CONFIG_HOME");
  environment.xdgDataHome = qEnvironmentVariable("XDG_DATA_HOME");
  environment.xdgRuntimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
  environment.xdgCacheHome = qEnvironmentVariable("XDG_CACHE_HOME");
  environment.xdgStateHome = qEnvironmentVariable("XDG_STATE_HOME");
  return environment;
}

// The folder is made on first use, so that callers can write into it at once.
QString Created(const QString& folder) {
  QDir().mkpath(folder);
  return folder;
}

}  // namespace

QString ProgramDir() {
  if (QCoreApplication::instance()) return WithSlash(QCoreApplication::applicationDirPath());
  return WithSlash(QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).absolutePath());
}

QString ResourceDir() {
  const QString program = ProgramDir();
  if (!IsInstalled(program)) return program;
  return WithSlash(QDir::cleanPath(program + kInstalledResources));
}

QString TemplateDir(const QString& languageFile) {
  const QString templates = ResourceDir() + QStringLiteral("Templates/");
  const QString language = QFileInfo(languageFile).completeBaseName();
  if (!language.isEmpty() && QFileInfo(templates + language).isDir()) return templates + language + u'/';
  return templates;
}

QString XdgDataHome() {
  return XdgFolder(qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath(), QStringLiteral("/.local/share"));
}

WritableFolders ChooseWritableFolders(const FolderEnvironment& environment) {
  if (!environment.quobrixHome.isEmpty()) {
    const QString home = WithSlash(environment.quobrixHome);
    return {home, home, home, home + kRecovery};
  }
  // An installed program writes to the user's folders even where its own
  // folder happens to be writable, as under a prefix in the home folder.
  if (environment.programDirWritable && !environment.installed) {
    const QString program = WithSlash(environment.programDir);
    return {program, program, program, program + kRecovery};
  }
  const QString& home = environment.home;
  const QString config = XdgFolder(environment.xdgConfigHome, home, QStringLiteral("/.config"));
  const QString data = XdgFolder(environment.xdgDataHome, home, QStringLiteral("/.local/share"));
  const QString runtime = QDir::isAbsolutePath(environment.xdgRuntimeDir)
                              ? environment.xdgRuntimeDir
                              : XdgFolder(environment.xdgCacheHome, home, QStringLiteral("/.cache"));
  const QString state = XdgFolder(environment.xdgStateHome, home, QStringLiteral("/.local/state"));
  const QString ours = QStringLiteral("quobrix/");
  return {WithSlash(config) + ours, WithSlash(data) + ours, WithSlash(runtime) + ours,
          WithSlash(state) + ours + kRecovery};
}

QString SettingsDir() { return Created(ChooseWritableFolders(CurrentEnvironment()).settings); }

QString UserLibraryDir() { return Created(ChooseWritableFolders(CurrentEnvironment()).userLibrary); }

QString OldUndoDir() { return ChooseWritableFolders(CurrentEnvironment()).oldUndo; }

QString RecoveryDir() {
  const QString folder = ChooseWritableFolders(CurrentEnvironment()).recovery;
  Created(QFileInfo(folder.chopped(1)).path());
  return folder;
}

}  // namespace quobrix
