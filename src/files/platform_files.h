// Every operating-system call on files the core makes, in one place: what a
// path is (a regular file, a folder, a device or a pipe), opening files
// privately, writing, syncing to the disk, putting a finished file in place,
// free space and the current folder. One implementation per platform
// (platform_files_posix.cpp, platform_files_windows.cpp); the rest of the
// core is the same everywhere.
//
// Paths are the native paths of nativePath(). Failures come back as an error
// number of <cerrno> (ENOENT, EACCES, ENOSPC, ...), which the Windows unit
// translates its own codes to, so that every platform gives one message per
// cause (system_error_text.h). Nothing here throws.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace zentrix::files::platform {

// The native path of a UTF-8 text (on Windows: UTF-16, converted with
// MultiByteToWideChar; bytes that are not UTF-8 become U+FFFD).
std::filesystem::path pathFromUtf8(std::string_view text);

// The kinds of path that are handled differently.
enum class PathKind {
  kMissing,  // nothing there (the folders on the way may be missing too)
  kRegular,  // a regular file: replaced through a temporary file
  kFolder,
  kDevice,  // a device, a terminal, a standard stream: written through directly
  kPipe,    // a FIFO or a socket: written directly, never waited for
};

// Identifies a file on its file system, to tell two names of one file apart.
struct FileIdentity {
  std::uint64_t volume = 0;
  std::uint64_t index = 0;
  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

struct PathFacts {
  PathKind kind = PathKind::kMissing;
  bool readOnly = false;  // a regular file nobody may (or this user may not) write
  std::optional<FileIdentity> identity;
};

// Follows symbolic links. `error` is 0, or why the path could not be looked
// at (then the kind is kMissing).
PathFacts factsOf(const std::filesystem::path& path, int& error);

// The file a symbolic link names, followed to the end of a chain of links
// even when nothing is there yet (a file to create); `path` itself when it
// is not a link.
std::filesystem::path linkedTarget(const std::filesystem::path& path);

// An open file to write, closed by its destructor.
class WriteHandle {
 public:
  WriteHandle() = default;
  ~WriteHandle() { close(); }
  WriteHandle(WriteHandle&& other) noexcept : native_(std::exchange(other.native_, -1)) {}
  WriteHandle& operator=(WriteHandle&& other) noexcept {
    if (this != &other) {
      close();
      native_ = std::exchange(other.native_, -1);
    }
    return *this;
  }
  WriteHandle(const WriteHandle&) = delete;
  WriteHandle& operator=(const WriteHandle&) = delete;

  bool isOpen() const noexcept;
  // Writes all of it; 0 or the error.
  int write(const char* data, std::size_t size);
  // Makes what was written durable (a no-op on devices and pipes).
  int sync();
  int close();

 private:
  friend struct Access;
  std::intptr_t native_ = -1;  // a descriptor, or a HANDLE on Windows
};

// A file being written beside its target, invisible to others until it is
// put in place: private to this user from its first byte, and either
// nameless (removed by the system if the program dies) or named
// ".zentrix-<random>.tmp", recognisable and short enough for any folder.
struct Temporary {
  WriteHandle file;
  std::filesystem::path folder;
  std::filesystem::path name;  // empty while the file has no name
  bool nameless = false;
};

// Creates the temporary in the folder of `target`.
int createTemporaryBeside(const std::filesystem::path& target, Temporary& temporary);

// Gives the temporary the mode (and, where allowed, the owner) of the file it
// replaces, syncs it, puts it in place of `target` in one step and syncs the
// folder, so that after a power cut either the old or the new file is there.
int replaceWithTemporary(Temporary& temporary, const std::filesystem::path& target);

// The steps of replacing several files together (text_file_output.h), each
// of which may fail. Until the first rename nothing has changed; after it,
// a failure puts the kept old files back.
//
// Gives the temporary the mode (and owner) of the file it will replace,
// syncs it, gives it a name and closes it: only `putInPlace` is left.
int finishTemporary(Temporary& temporary, const std::filesystem::path& target);
// 0 when this user may replace `target` (or it does not exist). A file in a
// sticky folder (mode 1777, as /tmp) may be replaced only by its owner, the
// folder's owner or root: EACCES for anyone else.
int checkReplaceable(const std::filesystem::path& target);
// Keeps the file at `target` under a second name beside it,
// ".zentrix-<random>.old": a hard link, or a synced copy where the file
// system has no links. `kept` stays empty when there is no file.
int keepOld(const std::filesystem::path& target, std::filesystem::path& kept);
// Renames the finished temporary over `target`.
int putInPlace(Temporary& temporary, const std::filesystem::path& target);
// Syncs the folder of `target`, making its renames durable.
int syncFolderOf(const std::filesystem::path& target);
// Puts the kept file back at `target`, or removes `target` when nothing
// was kept (it did not exist before).
int putBack(const std::filesystem::path& kept, const std::filesystem::path& target);
// Removes a kept file that is no longer needed.
void dropKept(const std::filesystem::path& kept);

// While alive, SIGINT, SIGTERM and SIGHUP wait (on Windows Ctrl-C only sets
// the program's flag anyway): files being put in place are all put in place
// before a signal can end the program. A signal that came meanwhile is
// delivered when the guard ends.
class HeldStopSignals {
 public:
  HeldStopSignals();
  ~HeldStopSignals();
  HeldStopSignals(const HeldStopSignals&) = delete;
  HeldStopSignals& operator=(const HeldStopSignals&) = delete;
  // True when one of them arrived while held.
  bool stopPending() const;

 private:
  unsigned heldByUs_ = 0;  // one bit per signal that was not held before
};

// Makes a write beyond the size limit of `ulimit -f` fail with EFBIG, whose
// message says "File too large", instead of ending the program by SIGXFSZ.
// Called once at start-up by both programs.
void reportOversizedFilesAsErrors();

// For tests only: the steps where the hook is asked before the system is,
// and a non-zero answer is the error the step then fails with. `path` is
// the target (empty for kWrite). An empty hook removes it.
enum class Step { kWrite, kSync, kMode, kName, kCheck, kKeep, kRename, kPutBack };
using StepHook = std::function<int(Step step, const std::filesystem::path& path)>;
void setStepHookForTests(StepHook hook);
// The error the hook gives for `step` on `path`, or 0 (asked by the units
// of each platform).
int injectedFailure(Step step, const std::filesystem::path& path);

// Closes and removes the temporary (the target stays as it was).
void discardTemporary(Temporary& temporary);

// Opens a device, a pipe or a standard stream to write through directly. A
// pipe nobody reads from is refused at once (ENXIO), never waited for.
int openDirect(const std::filesystem::path& target, PathKind kind, WriteHandle& handle);

// The standard stream a path names ("/dev/stdout", "/dev/fd/1", "CON"), whose
// descriptor is written instead of opening the path again; nullopt otherwise.
std::optional<int> standardStreamOf(const std::filesystem::path& path);

// A name the system reserves for a device or a system area, whose file must
// never be replaced: /dev and /proc, or NUL, CON, COM1 ... on Windows.
bool isSystemDeviceName(const std::filesystem::path& path);

// Bytes this user may still write on the file system of `folder`, and a
// name of that file system, to add up the outputs going to one disk.
struct FreeSpace {
  std::uint64_t available = 0;
  std::string volume;
};
std::optional<FreeSpace> freeSpaceOf(const std::filesystem::path& folder);

// The current folder; `error` when it cannot be had (it was deleted).
std::optional<std::filesystem::path> currentFolder(int& error);

// An open file to read, closed by its destructor.
class ReadHandle {
 public:
  ReadHandle() = default;
  ~ReadHandle();
  ReadHandle(const ReadHandle&) = delete;
  ReadHandle& operator=(const ReadHandle&) = delete;

  bool isOpen() const noexcept;
  // Reads up to `size` bytes; `got` is 0 at the end. 0 or the error.
  int read(char* data, std::size_t size, std::size_t& got);

 private:
  friend struct Access;
  std::intptr_t native_ = -1;
};

// Opens a file to read. A folder is refused (EISDIR), and so is what would
// make the read wait for ever: a pipe, a socket or a terminal (EAGAIN).
int openForReading(const std::filesystem::path& path, ReadHandle& handle);

}  // namespace zentrix::files::platform
