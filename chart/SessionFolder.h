// A folder that one running program keeps for itself under a root shared by
// every copy of the program, locked while the program runs. Another copy can
// then tell the folders of programs that ended without cleaning up (their
// lock is free) from those of programs still running, and never touches the
// latter.
//
//   <root>/.guard         held briefly: making a folder vs. claiming left-overs
//   <root>/XXXXXX/lock    held for the life of the folder's owner
//   <root>/XXXXXX/...     the files the owner keeps there
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quobrix {

// Which names in a session folder are the program's own files, removed with
// the folder; anything else keeps the folder in place.
using OwnFileName = std::function<bool(std::string_view name)>;

class SessionFolder {
 public:
  // A new locked folder under `root`, which is made when missing; null when
  // the root is not a real folder of this user's (another user's, or a link
  // to elsewhere) or nothing can be written there.
  static std::unique_ptr<SessionFolder> Open(const std::string& root, OwnFileName ownFile);
  // Removes the folder's own files and the folder, then lets go of the lock.
  ~SessionFolder();
  SessionFolder(const SessionFolder&) = delete;
  SessionFolder& operator=(const SessionFolder&) = delete;

  const std::string& Path() const { return path_; }
  // Leaves the folder with its files for the next start, as a program that
  // was killed would; the lock still goes with the object.
  void Leave() { left_ = true; }

 private:
  SessionFolder(std::string path, int lockFd, OwnFileName ownFile);
  std::string path_;
  int lockFd_;
  OwnFileName ownFile_;
  bool left_ = false;
};

// The session folder of a program that has ended, locked by this one while
// the object lives, so that a copy of the program starting at the same time
// does not take it as well.
class LeftOverFolder {
 public:
  LeftOverFolder(std::string path, int lockFd);
  ~LeftOverFolder();
  LeftOverFolder(LeftOverFolder&& other) noexcept;
  LeftOverFolder& operator=(LeftOverFolder&&) = delete;
  LeftOverFolder(const LeftOverFolder&) = delete;
  LeftOverFolder& operator=(const LeftOverFolder&) = delete;

  const std::string& Path() const { return path_; }
  // Names of the files in the folder, the lock left out.
  std::vector<std::string> FileNames() const;
  // Removes the own files and, when nothing else is left, the folder.
  void Remove(const OwnFileName& ownFile);

 private:
  std::string path_;
  int lockFd_;
};

// The session folders under `root` whose programs have ended, each claimed.
// Nothing when the root is not a real folder of this user's.
std::vector<LeftOverFolder> ClaimLeftOverFolders(const std::string& root);

}  // namespace quobrix
