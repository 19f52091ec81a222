// The file calls of POSIX systems (Linux first). A temporary file is made
// with O_TMPFILE where the file system has it (nameless until it is
// complete, so a killed run leaves nothing), else under a short hidden name
// of mode 0600.
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <chrono>
#include <csignal>
#include <iterator>
#include <random>
#include <string_view>
#include <utility>

#include "files/platform_files.h"

namespace zentrix::files::platform {

namespace fs = std::filesystem;

struct Access {
  static int fd(const WriteHandle& handle) { return static_cast<int>(handle.native_); }
  static void set(WriteHandle& handle, int fd) { handle.native_ = fd; }
  static int fd(const ReadHandle& handle) { return static_cast<int>(handle.native_); }
  static void set(ReadHandle& handle, int fd) { handle.native_ = fd; }
};

namespace {

fs::path folderOf(const fs::path& target) {
  fs::path folder = target.parent_path();
  return folder.empty() ? fs::path(".") : folder;
}

std::string randomName(std::string_view ending = ".tmp") {
  static std::mt19937_64 generator{
      std::random_device{}() ^
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
      static_cast<std::uint64_t>(::getpid())};
  const std::uint64_t value = generator();
  char digits[17];
  const auto end = std::to_chars(digits, digits + 16, value & 0xffffffffffffull, 16).ptr;
  return ".zentrix-" + std::string(digits, end) + std::string(ending);
}

// The mode a newly created file gets: 0666 without the user's umask.
mode_t creationMode() {
  const mode_t mask = ::umask(022);
  ::umask(mask);
  return 0666 & ~mask;
}

int syncFolder(const fs::path& folder) {
  if (const int error = injectedFailure(Step::kSync, folder); error != 0) return error;
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return 0;  // nothing more can be done; the rename itself succeeded
  const int result = ::fsync(fd);
  const int error = result != 0 && errno != EINVAL && errno != EROFS ? errno : 0;
  ::close(fd);
  return error;
}

// The descriptor named by one path text: "/dev/stdout", "/dev/fd/3",
// "/proc/self/fd/3" and the like.
std::optional<int> descriptorNamed(std::string_view text) {
  if (text == "/dev/stdin") return 0;
  if (text == "/dev/stdout") return 1;
  if (text == "/dev/stderr") return 2;
  const std::string ownProcess = "/proc/" + std::to_string(::getpid()) + "/fd/";
  for (const std::string_view prefix :
       {std::string_view("/dev/fd/"), std::string_view("/proc/self/fd/"),
        std::string_view("/proc/thread-self/fd/"), std::string_view(ownProcess)}) {
    if (text.substr(0, prefix.size()) != prefix) continue;
    const std::string_view digits = text.substr(prefix.size());
    int fd = -1;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), fd);
    if (result.ec == std::errc{} && result.ptr == digits.data() + digits.size() && fd >= 0)
      return fd;
  }
  return std::nullopt;
}

}  // namespace

fs::path pathFromUtf8(std::string_view text) {
  return fs::path(std::string(text));
}

PathFacts factsOf(const fs::path& path, int& error) {
  error = 0;
  PathFacts facts;
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    if (errno != ENOENT) error = errno;
    return facts;
  }
  facts.identity = FileIdentity{static_cast<std::uint64_t>(status.st_dev),
                                static_cast<std::uint64_t>(status.st_ino)};
  if (S_ISDIR(status.st_mode)) {
    facts.kind = PathKind::kFolder;
  } else if (S_ISFIFO(status.st_mode) || S_ISSOCK(status.st_mode)) {
    facts.kind = PathKind::kPipe;
  } else if (S_ISREG(status.st_mode)) {
    facts.kind = PathKind::kRegular;
    // A file without any write permission is read-only even for root, who
    // would pass the check.
    facts.readOnly =
        (status.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0;
  } else {
    facts.kind = PathKind::kDevice;
  }
  return facts;
}

bool WriteHandle::isOpen() const noexcept {
  return native_ >= 0;
}

int WriteHandle::write(const char* data, std::size_t size) {
  if (native_ < 0) return EBADF;
  if (const int error = injectedFailure(Step::kWrite, {}); error != 0) return error;
  while (size > 0) {
    // Writes of at most 1 GiB: some systems refuse larger counts.
    const std::size_t part = size < (std::size_t{1} << 30) ? size : (std::size_t{1} << 30);
    const ssize_t written = ::write(static_cast<int>(native_), data, part);
    if (written < 0) return errno;  // EINTR too: a signal means stop
    if (written == 0) return EIO;
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return 0;
}

int WriteHandle::sync() {
  if (native_ < 0) return EBADF;
  if (const int error = injectedFailure(Step::kSync, {}); error != 0) return error;
  if (::fsync(static_cast<int>(native_)) == 0) return 0;
  // Devices and pipes cannot be synced; that is no failure.
  return errno == EINVAL || errno == EROFS || errno == ENOTSUP ? 0 : errno;
}

int WriteHandle::close() {
  if (native_ < 0) return 0;
  const int result = ::close(static_cast<int>(std::exchange(native_, -1)));
  return result == 0 || errno == EINTR ? 0 : errno;
}

int createTemporaryBeside(const fs::path& target, Temporary& temporary) {
  temporary.folder = folderOf(target);
  temporary.name.clear();
#if defined(O_TMPFILE)
  // Linking a nameless file in needs /proc (or a capability root has).
  if (::access("/proc/self/fd", X_OK) == 0) {
    const int fd = ::open(temporary.folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0) {
      Access::set(temporary.file, fd);
      temporary.nameless = true;
      return 0;
    }
    if (errno != EISDIR && errno != EOPNOTSUPP && errno != EINVAL) return errno;
  }
#endif
  temporary.nameless = false;
  for (int attempt = 0; attempt < 16; ++attempt) {
    const fs::path name = temporary.folder / randomName();
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd >= 0) {
      Access::set(temporary.file, fd);
      temporary.name = name;
      return 0;
    }
    if (errno != EEXIST) return errno;
  }
  return EEXIST;
}

// Gives the nameless temporary a name in its folder, to rename it over the
// target (linking cannot replace a file).
static int linkNameless(Temporary& temporary) {
  if (const int error = injectedFailure(Step::kName, temporary.folder); error != 0) return error;
  const std::string self = "/proc/self/fd/" + std::to_string(Access::fd(temporary.file));
  for (int attempt = 0; attempt < 16; ++attempt) {
    const fs::path name = temporary.folder / randomName();
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      temporary.name = name;
      return 0;
    }
    if (errno != EEXIST) return errno;
  }
  return EEXIST;
}

// Gives the temporary the mode of the file it replaces, or of a new file.
static int giveMode(int fd, const fs::path& target) {
  if (const int error = injectedFailure(Step::kMode, target); error != 0) return error;
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
    // Keep the owner where we may; set-id bits only with the owner kept.
    mode_t mode = old.st_mode & 07777;
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) mode &= ~static_cast<mode_t>(06000);
    return ::fchmod(fd, mode) == 0 ? 0 : errno;
  }
  return ::fchmod(fd, creationMode()) == 0 ? 0 : errno;
}

int finishTemporary(Temporary& temporary, const fs::path& target) {
  if (const int error = giveMode(Access::fd(temporary.file), target); error != 0) return error;
  if (const int error = temporary.file.sync(); error != 0) return error;
  if (temporary.nameless)
    if (const int error = linkNameless(temporary); error != 0) return error;
  return temporary.file.close();
}

int checkReplaceable(const fs::path& target) {
  if (const int error = injectedFailure(Step::kCheck, target); error != 0) return error;
  struct stat file {};
  struct stat folder {};
  if (::lstat(target.c_str(), &file) != 0 || ::stat(folderOf(target).c_str(), &folder) != 0)
    return 0;  // a new file; creating the temporary showed the folder may be written
  const uid_t user = ::geteuid();
  const bool sticky = (folder.st_mode & S_ISVTX) != 0;
  if (sticky && user != 0 && file.st_uid != user && folder.st_uid != user) return EACCES;
  return 0;
}

// Copies the file at `from` into a new private file `to`, synced.
static int copyFile(const fs::path& from, const fs::path& to) {
  const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
  if (in < 0) return errno;
  WriteHandle out;
  const int fd = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
  int error = fd < 0 ? errno : 0;
  if (fd >= 0) Access::set(out, fd);
  char buffer[1 << 16];
  while (error == 0) {
    const ssize_t count = ::read(in, buffer, sizeof buffer);
    if (count <= 0) {
      error = count < 0 ? errno : 0;
      break;
    }
    error = out.write(buffer, static_cast<std::size_t>(count));
  }
  ::close(in);
  if (error == 0) error = giveMode(fd, from);
  if (error == 0) error = out.sync();
  if (const int closing = out.close(); error == 0) error = closing;
  if (error != 0 && fd >= 0) ::unlink(to.c_str());
  return error;
}

int keepOld(const fs::path& target, fs::path& kept) {
  kept.clear();
  if (const int error = injectedFailure(Step::kKeep, target); error != 0) return error;
  struct stat old {};
  if (::lstat(target.c_str(), &old) != 0) return errno == ENOENT ? 0 : errno;
  for (int attempt = 0; attempt < 16; ++attempt) {
    const fs::path name = target.parent_path() / randomName(".old");
    int error = ::link(target.c_str(), name.c_str()) == 0 ? 0 : errno;
    // Where the file system has no hard links (or refuses one), a copy.
    if (error == EPERM || error == EMLINK || error == ENOTSUP || error == EOPNOTSUPP ||
        error == EXDEV || error == ENOSYS)
      error = copyFile(target, name);
    if (error == 0) kept = name;
    if (error != EEXIST) return error;
  }
  return EEXIST;
}

int putInPlace(Temporary& temporary, const fs::path& target) {
  if (const int error = injectedFailure(Step::kRename, target); error != 0) return error;
  if (::rename(temporary.name.c_str(), target.c_str()) != 0) return errno;
  temporary.name.clear();
  return 0;
}

int syncFolderOf(const fs::path& target) {
  return syncFolder(folderOf(target));
}

int putBack(const fs::path& kept, const fs::path& target) {
  if (const int error = injectedFailure(Step::kPutBack, target); error != 0) return error;
  const int result =
      kept.empty() ? ::unlink(target.c_str()) : ::rename(kept.c_str(), target.c_str());
  if (result != 0) return errno;
  return syncFolder(folderOf(target));
}

void dropKept(const fs::path& kept) {
  if (!kept.empty()) ::unlink(kept.c_str());
}

int replaceWithTemporary(Temporary& temporary, const fs::path& target) {
  if (const int error = finishTemporary(temporary, target); error != 0) return error;
  if (const int error = checkReplaceable(target); error != 0) return error;
  if (const int error = putInPlace(temporary, target); error != 0) return error;
  return syncFolderOf(target);
}

namespace {
constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};
}

HeldStopSignals::HeldStopSignals() {
  sigset_t held;
  sigset_t before;
  sigemptyset(&held);
  for (const int signal : kStopSignals) sigaddset(&held, signal);
  if (::pthread_sigmask(SIG_BLOCK, &held, &before) != 0) return;
  for (unsigned i = 0; i < std::size(kStopSignals); ++i)
    if (sigismember(&before, kStopSignals[i]) == 0) heldByUs_ |= 1u << i;
}

HeldStopSignals::~HeldStopSignals() {
  sigset_t released;
  sigemptyset(&released);
  for (unsigned i = 0; i < std::size(kStopSignals); ++i)
    if ((heldByUs_ & (1u << i)) != 0) sigaddset(&released, kStopSignals[i]);
  ::pthread_sigmask(SIG_UNBLOCK, &released, nullptr);
}

bool HeldStopSignals::stopPending() const {
  sigset_t pending;
  if (::sigpending(&pending) != 0) return false;
  for (const int signal : kStopSignals)
    if (sigismember(&pending, signal) == 1) return true;
  return false;
}

void reportOversizedFilesAsErrors() {
  std::signal(SIGXFSZ, SIG_IGN);
}

void discardTemporary(Temporary& temporary) {
  temporary.file.close();
  if (!temporary.name.empty()) ::unlink(temporary.name.c_str());
  temporary.name.clear();
}

std::optional<int> standardStreamOf(const fs::path& path) {
  fs::path at = path;
  // Follows the links one at a time: the last one, /proc/self/fd/N, points
  // at whatever the stream is, a file that must not be replaced.
  for (int hop = 0; hop < 40; ++hop) {
    if (auto fd = descriptorNamed(at.lexically_normal().native())) return fd;
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(at, error))) return std::nullopt;
    const fs::path next = fs::read_symlink(at, error);
    if (error) return std::nullopt;
    at = next.is_absolute() ? next : at.parent_path() / next;
  }
  return std::nullopt;
}

bool isSystemDeviceName(const fs::path& path) {
  if (standardStreamOf(path)) return true;
  std::error_code error;
  const fs::path real = fs::weakly_canonical(path, error);
  const std::string text = (error ? path : real).lexically_normal().native();
  return text.rfind("/proc/", 0) == 0 || text.rfind("/sys/", 0) == 0;
}

int openDirect(const fs::path& target, PathKind kind, WriteHandle& handle) {
  if (const auto stream = standardStreamOf(target)) {
    const int fd = ::fcntl(*stream, F_DUPFD_CLOEXEC, 3);
    if (fd < 0) return errno;
    Access::set(handle, fd);
    return 0;
  }
  const int flags = O_WRONLY | O_CLOEXEC | O_NOCTTY | (kind == PathKind::kPipe ? O_NONBLOCK : 0);
  const int fd = ::open(target.c_str(), flags);
  if (fd < 0) return errno;  // ENXIO: a pipe without a reader
  Access::set(handle, fd);
  if (kind == PathKind::kPipe) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return 0;
}

std::optional<FreeSpace> freeSpaceOf(const fs::path& folder) {
  struct statvfs space {};
  struct stat status {};
  if (::statvfs(folder.c_str(), &space) != 0 || ::stat(folder.c_str(), &status) != 0)
    return std::nullopt;
  return FreeSpace{static_cast<std::uint64_t>(space.f_bavail) * space.f_frsize,
                   std::to_string(static_cast<std::uint64_t>(status.st_dev))};
}

std::optional<fs::path> currentFolder(int& error) {
  error = 0;
  std::string buffer(256, '\0');
  for (;;) {
    if (::getcwd(buffer.data(), buffer.size()) != nullptr) return fs::path(buffer.c_str());
    if (errno != ERANGE) {
      error = errno;
      return std::nullopt;
    }
    buffer.resize(buffer.size() * 2);
  }
}

ReadHandle::~ReadHandle() {
  if (native_ >= 0) ::close(static_cast<int>(native_));
}

bool ReadHandle::isOpen() const noexcept {
  return native_ >= 0;
}

int ReadHandle::read(char* data, std::size_t size, std::size_t& got) {
  got = 0;
  if (native_ < 0) return EBADF;
  const ssize_t count = ::read(static_cast<int>(native_), data, size);
  if (count < 0) return errno;
  got = static_cast<std::size_t>(count);
  return 0;
}

int openForReading(const fs::path& path, ReadHandle& handle) {
  // Non-blocking, so that opening a FIFO nobody writes to returns at once.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return errno;
  Access::set(handle, fd);
  struct stat status {};
  if (::fstat(fd, &status) != 0) return errno;
  if (S_ISDIR(status.st_mode)) return EISDIR;
  if (S_ISFIFO(status.st_mode) || S_ISSOCK(status.st_mode) || ::isatty(fd) != 0) return EAGAIN;
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return 0;
}

}  // namespace zentrix::files::platform
