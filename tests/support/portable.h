// What the tests need from the operating system, in one place, so that the
// same tests build and run on Linux and on Windows: the environment, fresh
// scratch folders, the process id, and running a program (never through a
// shell) with its output captured. Texts and paths are UTF-8 throughout.
//
// Tests of mechanisms that exist on Linux only (/dev/full, file size limits,
// symbolic links made by anyone, permission bits, signals to a child) call
// ZENTRIX_SKIP_ON_WINDOWS with the reason, so that a skip is never silent.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#if defined(_WIN32)
#define ZENTRIX_SKIP_ON_WINDOWS(reason) GTEST_SKIP() << "not on Windows: " << (reason)
#else
#define ZENTRIX_SKIP_ON_WINDOWS(reason) static_cast<void>(reason)
#endif

namespace zentrix::testing {

inline void setEnvironment(const char* name, const char* value) {
#if defined(_WIN32)
  _putenv_s(name, value);
#else
  ::setenv(name, value, 1);
#endif
}

inline void unsetEnvironment(const char* name) {
#if defined(_WIN32)
  _putenv_s(name, "");  // an empty value removes the variable
#else
  ::unsetenv(name);
#endif
}

// Local time is then `zone` ("UTC" in every test that writes a date line).
inline void useTimeZone(const char* zone) {
  setEnvironment("TZ", zone);
#if defined(_WIN32)
  _tzset();
#else
  ::tzset();
#endif
}

inline long processId() {
#if defined(_WIN32)
  return static_cast<long>(_getpid());
#else
  return static_cast<long>(::getpid());
#endif
}

// A path from UTF-8 text, the same on every platform (a std::string alone
// would be read in the ANSI code page on Windows).
inline std::filesystem::path utf8Path(const std::string& text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string utf8Text(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

// A new, empty folder in `base` (by default the system's temporary folder),
// named `prefix`, "-" and a random part; never one that existed before.
inline std::filesystem::path makeScratchFolder(
    const std::string& prefix,
    const std::filesystem::path& base = std::filesystem::temp_directory_path()) {
  std::random_device device;
  std::mt19937_64 random((std::uint64_t{device()} << 32) ^ device() ^
                         static_cast<std::uint64_t>(processId()));
  for (int attempt = 0; attempt < 100; ++attempt) {
    const auto path = base / (prefix + "-" + std::to_string(random() % 1000000000000u));
    if (std::filesystem::create_directory(path)) return path;
  }
  throw std::runtime_error("no new scratch folder in " + base.string());
}

struct ProgramRun {
  int exitCode = -1;  // -1: the program could not be started; 128 + a signal that ended it
  std::string out;
  std::string err;
};

// The bytes of a whole file; empty when it cannot be read.
inline std::string readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Replaces a file's bytes; a file a test cannot set up fails the test loudly.
inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

namespace detail {

#if defined(_WIN32)
// One argument of a command line as the C runtime splits it again: quoted,
// with the backslashes before a quote doubled.
inline std::wstring quoted(const std::wstring& argument) {
  std::wstring text = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    text.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    text += c;
  }
  text.append(2 * backslashes, L'\\');
  return text + L"\"";
}

// The child inherits the standard streams as they are while it starts, so
// they are pointed at the files for that moment and then put back.
class RedirectedStream {
 public:
  RedirectedStream(int stream, const std::filesystem::path& path, int mode)
      : stream_(stream), saved_(_dup(stream)) {
    const int file = _wopen(path.wstring().c_str(), mode | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (file >= 0) {
      _dup2(file, stream_);
      _close(file);
    }
  }
  ~RedirectedStream() {
    _dup2(saved_, stream_);
    _close(saved_);
  }
  RedirectedStream(const RedirectedStream&) = delete;
  RedirectedStream& operator=(const RedirectedStream&) = delete;

 private:
  int stream_;
  int saved_;
};

inline int runCaptured(const std::filesystem::path& program,
                       const std::vector<std::string>& arguments,
                       const std::filesystem::path& outPath, const std::filesystem::path& errPath) {
  std::vector<std::wstring> texts = {quoted(program.wstring())};
  for (const auto& argument : arguments) texts.push_back(quoted(utf8Path(argument).wstring()));
  std::vector<const wchar_t*> argv;
  for (const auto& text : texts) argv.push_back(text.c_str());
  argv.push_back(nullptr);
  std::fflush(stdout);
  std::fflush(stderr);
  const RedirectedStream in(0, L"NUL", _O_RDONLY);
  const RedirectedStream out(1, outPath, _O_WRONLY | _O_CREAT | _O_TRUNC);
  const RedirectedStream err(2, errPath, _O_WRONLY | _O_CREAT | _O_TRUNC);
  return static_cast<int>(_wspawnv(_P_WAIT, program.wstring().c_str(), argv.data()));
}
#else
// `before` runs in the child just before the program starts; `waitFor`
// (given the child's id) runs while it works, then the run is waited for.
inline int runCaptured(const std::filesystem::path& program,
                       const std::vector<std::string>& arguments,
                       const std::filesystem::path& outPath, const std::filesystem::path& errPath,
                       const std::function<void()>& before = {},
                       const std::function<void(pid_t)>& waitFor = {}) {
  std::vector<char*> argv;
  const std::string name = program.string();
  argv.push_back(const_cast<char*>(name.c_str()));
  for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const pid_t child = ::fork();
  if (child == 0) {
    const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int in = ::open("/dev/null", O_RDONLY);
    if (out < 0 || err < 0 || in < 0) ::_exit(126);
    ::dup2(in, 0);
    ::dup2(out, 1);
    ::dup2(err, 2);
    if (before) before();
    ::execv(name.c_str(), argv.data());
    ::_exit(127);
  }
  if (waitFor && child > 0) waitFor(child);
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
#endif

}  // namespace detail

// Starts `program` with `arguments` in the current folder, standard input
// empty, waits for it and gives back its exit code (128 + the signal that
// ended it) and both output streams. Where fork exists, `before` runs in
// the child just before the program starts (to change the folder, the
// signals or a standard stream the way a caller would) and `waitFor`
// (given the child's id) while it works.
#if defined(_WIN32)
inline ProgramRun runProgram(const std::filesystem::path& program,
                             const std::vector<std::string>& arguments) {
  const auto folder = makeScratchFolder("zentrix-run");
  ProgramRun run;
  run.exitCode = detail::runCaptured(program, arguments, folder / "out", folder / "err");
#else
inline ProgramRun runProgram(const std::filesystem::path& program,
                             const std::vector<std::string>& arguments,
                             const std::function<void()>& before = {},
                             const std::function<void(pid_t)>& waitFor = {}) {
  const auto folder = makeScratchFolder("zentrix-run");
  ProgramRun run;
  run.exitCode =
      detail::runCaptured(program, arguments, folder / "out", folder / "err", before, waitFor);
#endif
  run.out = readBytes(folder / "out");
  run.err = readBytes(folder / "err");
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  return run;
}

}  // namespace zentrix::testing
