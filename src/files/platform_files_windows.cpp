// The file calls of Windows, through the wide API throughout: the core's
// paths are UTF-8 texts, and std::filesystem::path holds them as UTF-16
// here. A temporary file is a short hidden name beside its target, moved
// over it with MoveFileExW, which replaces in one step and returns only
// when the move is on the disk.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cerrno>
#include <chrono>
#include <cwctype>
#include <random>
#include <string>
#include <utility>

#include "files/platform_files.h"

namespace zentrix::files::platform {

namespace fs = std::filesystem;

struct Access {
  static HANDLE handle(const WriteHandle& file) { return reinterpret_cast<HANDLE>(file.native_); }
  static void set(WriteHandle& file, HANDLE h) {
    file.native_ = reinterpret_cast<std::intptr_t>(h);
  }
  static HANDLE handle(const ReadHandle& file) { return reinterpret_cast<HANDLE>(file.native_); }
  static void set(ReadHandle& file, HANDLE h) { file.native_ = reinterpret_cast<std::intptr_t>(h); }
};

namespace {

// The causes the core tells apart, as <cerrno> numbers.
int errorNumber(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
      return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_PRIVILEGE_NOT_HELD:
      return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_WRITE_PROTECT:
      return EROFS;
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BUFFER_OVERFLOW:
      return ENAMETOOLONG;
    case ERROR_DIRECTORY:
      return ENOTDIR;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return EEXIST;
    case ERROR_PIPE_BUSY:
    case ERROR_PIPE_NOT_CONNECTED:
    case ERROR_NO_DATA:
      return ENXIO;
    case ERROR_OPERATION_ABORTED:
      return EINTR;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return ENOMEM;
    default:
      return EIO;
  }
}

int lastError() {
  return errorNumber(::GetLastError());
}

fs::path folderOf(const fs::path& target) {
  fs::path folder = target.parent_path();
  return folder.empty() ? fs::path(L".") : folder;
}

std::wstring randomName(const wchar_t* ending = L".tmp") {
  static std::mt19937_64 generator{
      std::random_device{}() ^
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
      static_cast<std::uint64_t>(::GetCurrentProcessId())};
  const std::uint64_t value = generator() & 0xffffffffffffull;
  wchar_t digits[13];
  for (int i = 11; i >= 0; --i) digits[11 - i] = L"0123456789abcdef"[(value >> (4 * i)) & 0xf];
  digits[12] = L'\0';
  return std::wstring(L".zentrix-") + digits + ending;
}

bool sameWord(const std::wstring& word, const wchar_t* name) {
  std::size_t i = 0;
  for (; name[i] != L'\0'; ++i)
    if (i >= word.size() || std::towupper(word[i]) != static_cast<wint_t>(name[i])) return false;
  return i == word.size();
}

}  // namespace

bool isSystemDeviceName(const fs::path& path) {
  const std::wstring& text = path.native();
  if (text.rfind(L"\\\\.\\", 0) == 0 || text.rfind(L"//./", 0) == 0) return true;
  // The device names count with any extension and trailing blanks or dots.
  std::wstring word = path.filename().native();
  word = word.substr(0, word.find(L'.'));
  while (!word.empty() && (word.back() == L' ' || word.back() == L'.')) word.pop_back();
  for (const wchar_t* name : {L"NUL", L"CON", L"PRN", L"AUX", L"CONIN$", L"CONOUT$"})
    if (sameWord(word, name)) return true;
  if (word.size() == 4 &&
      (sameWord(word.substr(0, 3), L"COM") || sameWord(word.substr(0, 3), L"LPT")))
    return word[3] >= L'1' && word[3] <= L'9';
  return false;
}

std::optional<int> standardStreamOf(const fs::path&) {
  return std::nullopt;
}

fs::path pathFromUtf8(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int wide = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  std::wstring converted(static_cast<std::size_t>(wide), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, converted.data(), wide);
  return fs::path(converted);
}

PathFacts factsOf(const fs::path& path, int& error) {
  error = 0;
  PathFacts facts;
  if (isSystemDeviceName(path)) {
    facts.kind = PathKind::kDevice;
    return facts;
  }
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const int cause = lastError();
    if (cause != ENOENT) error = cause;
    return facts;
  }
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    facts.kind = PathKind::kFolder;
  } else {
    facts.kind = PathKind::kRegular;
    facts.readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
  }
  const HANDLE file =
      ::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    const DWORD type = ::GetFileType(file);
    if (type == FILE_TYPE_PIPE) facts.kind = PathKind::kPipe;
    if (type == FILE_TYPE_CHAR) facts.kind = PathKind::kDevice;
    BY_HANDLE_FILE_INFORMATION information{};
    if (::GetFileInformationByHandle(file, &information) != 0)
      facts.identity = FileIdentity{
          information.dwVolumeSerialNumber,
          (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
    ::CloseHandle(file);
  }
  return facts;
}

bool WriteHandle::isOpen() const noexcept {
  return native_ != -1;
}

int WriteHandle::write(const char* data, std::size_t size) {
  if (native_ == -1) return EBADF;
  if (const int error = injectedFailure(Step::kWrite, {}); error != 0) return error;
  while (size > 0) {
    const DWORD part = size < (std::size_t{1} << 30) ? static_cast<DWORD>(size) : (DWORD{1} << 30);
    DWORD written = 0;
    if (::WriteFile(Access::handle(*this), data, part, &written, nullptr) == 0) return lastError();
    if (written == 0) return EIO;
    data += written;
    size -= written;
  }
  return 0;
}

int WriteHandle::sync() {
  if (native_ == -1) return EBADF;
  if (const int error = injectedFailure(Step::kSync, {}); error != 0) return error;
  if (::GetFileType(Access::handle(*this)) != FILE_TYPE_DISK) return 0;
  return ::FlushFileBuffers(Access::handle(*this)) != 0 ? 0 : lastError();
}

int WriteHandle::close() {
  if (native_ == -1) return 0;
  const HANDLE file = Access::handle(*this);
  native_ = -1;
  return ::CloseHandle(file) != 0 ? 0 : lastError();
}

int createTemporaryBeside(const fs::path& target, Temporary& temporary) {
  temporary.folder = folderOf(target);
  temporary.nameless = false;
  temporary.name.clear();
  for (int attempt = 0; attempt < 16; ++attempt) {
    const fs::path name = temporary.folder / randomName();
    const HANDLE file = ::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      Access::set(temporary.file, file);
      temporary.name = name;
      return 0;
    }
    const int cause = lastError();
    if (cause != EEXIST) return cause;
  }
  return EEXIST;
}

int finishTemporary(Temporary& temporary, const fs::path& target) {
  if (const int error = injectedFailure(Step::kMode, target); error != 0) return error;
  if (const int error = temporary.file.sync(); error != 0) return error;
  if (const int error = temporary.file.close(); error != 0) return error;
  ::SetFileAttributesW(temporary.name.c_str(), FILE_ATTRIBUTE_NORMAL);
  return 0;
}

int checkReplaceable(const fs::path& target) {
  // Windows has no sticky folders; a file another may not replace fails
  // in the move itself.
  return injectedFailure(Step::kCheck, target);
}

int keepOld(const fs::path& target, fs::path& kept) {
  kept.clear();
  if (const int error = injectedFailure(Step::kKeep, target); error != 0) return error;
  if (::GetFileAttributesW(target.c_str()) == INVALID_FILE_ATTRIBUTES) {
    const int cause = lastError();
    return cause == ENOENT ? 0 : cause;
  }
  for (int attempt = 0; attempt < 16; ++attempt) {
    const fs::path name = target.parent_path() / randomName(L".old");
    // Where the file system has no hard links (FAT), a copy.
    if (::CreateHardLinkW(name.c_str(), target.c_str(), nullptr) != 0 ||
        (::GetLastError() != ERROR_ALREADY_EXISTS &&
         ::CopyFileW(target.c_str(), name.c_str(), TRUE) != 0)) {
      kept = name;
      return 0;
    }
    const int cause = lastError();
    if (cause != EEXIST) return cause;
  }
  return EEXIST;
}

int putInPlace(Temporary& temporary, const fs::path& target) {
  if (const int error = injectedFailure(Step::kRename, target); error != 0) return error;
  if (::MoveFileExW(temporary.name.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0)
    return lastError();
  temporary.name.clear();
  return 0;
}

// MOVEFILE_WRITE_THROUGH returns only when the move is on the disk.
int syncFolderOf(const fs::path&) {
  return 0;
}

int putBack(const fs::path& kept, const fs::path& target) {
  if (const int error = injectedFailure(Step::kPutBack, target); error != 0) return error;
  const BOOL done = kept.empty()
                        ? ::DeleteFileW(target.c_str())
                        : ::MoveFileExW(kept.c_str(), target.c_str(),
                                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  return done != 0 ? 0 : lastError();
}

void dropKept(const fs::path& kept) {
  if (!kept.empty()) ::DeleteFileW(kept.c_str());
}

int replaceWithTemporary(Temporary& temporary, const fs::path& target) {
  if (const int error = finishTemporary(temporary, target); error != 0) return error;
  return putInPlace(temporary, target);
}

// Ctrl-C only sets the program's flag (the console's handler returns TRUE),
// so nothing needs holding.
HeldStopSignals::HeldStopSignals() = default;
HeldStopSignals::~HeldStopSignals() = default;
bool HeldStopSignals::stopPending() const {
  return false;
}

// Windows has no file size limit signal.
void reportOversizedFilesAsErrors() {}

void discardTemporary(Temporary& temporary) {
  temporary.file.close();
  if (!temporary.name.empty()) ::DeleteFileW(temporary.name.c_str());
  temporary.name.clear();
}

int openDirect(const fs::path& target, PathKind, WriteHandle& handle) {
  const HANDLE file =
      ::CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return lastError();
  Access::set(handle, file);
  return 0;
}

std::optional<FreeSpace> freeSpaceOf(const fs::path& folder) {
  ULARGE_INTEGER available{};
  if (::GetDiskFreeSpaceExW(folder.c_str(), &available, nullptr, nullptr) == 0) return std::nullopt;
  wchar_t volume[MAX_PATH + 1] = {};
  std::string volumeName;
  if (::GetVolumePathNameW(folder.c_str(), volume, MAX_PATH) != 0)
    for (const wchar_t* at = volume; *at != L'\0'; ++at)
      volumeName += static_cast<char>(std::towupper(*at) & 0x7f);
  return FreeSpace{available.QuadPart, volumeName};
}

std::optional<fs::path> currentFolder(int& error) {
  error = 0;
  const DWORD size = ::GetCurrentDirectoryW(0, nullptr);
  std::wstring buffer(size + 1, L'\0');
  const DWORD used = size == 0 ? 0 : ::GetCurrentDirectoryW(size + 1, buffer.data());
  if (used == 0 || used > size) {
    error = lastError();
    return std::nullopt;
  }
  buffer.resize(used);
  return fs::path(buffer);
}

ReadHandle::~ReadHandle() {
  if (native_ != -1) ::CloseHandle(Access::handle(*this));
}

bool ReadHandle::isOpen() const noexcept {
  return native_ != -1;
}

int ReadHandle::read(char* data, std::size_t size, std::size_t& got) {
  got = 0;
  if (native_ == -1) return EBADF;
  const DWORD part = size < (std::size_t{1} << 30) ? static_cast<DWORD>(size) : (DWORD{1} << 30);
  DWORD count = 0;
  if (::ReadFile(Access::handle(*this), data, part, &count, nullptr) == 0) {
    if (::GetLastError() == ERROR_BROKEN_PIPE || ::GetLastError() == ERROR_HANDLE_EOF) return 0;
    return lastError();
  }
  got = count;
  return 0;
}

int openForReading(const fs::path& path, ReadHandle& handle) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    return EISDIR;
  const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return lastError();
  Access::set(handle, file);
  const DWORD type = ::GetFileType(file);
  DWORD mode = 0;
  if (type == FILE_TYPE_PIPE || (type == FILE_TYPE_CHAR && ::GetConsoleMode(file, &mode) != 0))
    return EAGAIN;
  return 0;
}

}  // namespace zentrix::files::platform
