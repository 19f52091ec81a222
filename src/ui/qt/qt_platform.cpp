#include "ui/qt/qt_platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "files/native_path.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace zentrix::ui {

namespace {

QString nativeText(std::string_view modelPath) {
  const std::string text = files::modelPathText(files::nativePath(modelPath));
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Hidden, system and read-only files are left alone, as the user asked the
// system to protect them.
bool mayDelete(const std::filesystem::directory_entry& entry) {
  std::error_code error;
  if (!entry.is_regular_file(error)) return false;
#if defined(_WIN32)
  const DWORD attributes = GetFileAttributesW(entry.path().c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY)) ==
             0;
#else
  if (entry.path().filename().string().starts_with('.')) return false;
  const auto permissions = entry.status(error).permissions();
  return !error &&
         (permissions & std::filesystem::perms::owner_write) != std::filesystem::perms::none;
#endif
}

}  // namespace

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

std::string QtPlatform::currentDirectory() {
  std::error_code error;
  const std::filesystem::path current = std::filesystem::current_path(error);
  return error ? std::string{} : files::modelPathText(current);
}

std::string QtPlatform::settingsFolder() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  if (folder.isEmpty()) return {};
  return files::modelPathText(std::filesystem::path(folder.toStdU16String()));
}

std::string QtPlatform::installedDataFolder() {
  if (QCoreApplication::instance() == nullptr) return {};
  // ZENTRIX_DATA_FROM_PROGRAM is the install's data folder relative to its
  // programs' folder ("../share/zentrix"), so a moved install still finds it.
  const QString folder = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                         QStringLiteral("/" ZENTRIX_DATA_FROM_PROGRAM));
  const QByteArray utf8 = folder.toUtf8();
  return files::modelPathText(std::filesystem::path(
      std::u8string(reinterpret_cast<const char8_t*>(utf8.constData()), utf8.size())));
}

std::string QtPlatform::textViewer() {
#if defined(_WIN32)
  wchar_t folder[MAX_PATH + 1] = {};
  const UINT length = GetWindowsDirectoryW(folder, MAX_PATH);
  return files::modelPathText(std::filesystem::path(std::wstring(folder, length))) +
         "\\Notepad.exe";
#else
  const char* configured = std::getenv("ZENTRIX_TEXT_VIEWER");
  const char* searchPath = std::getenv("PATH");
  return findTextViewer(
      configured != nullptr ? std::optional<std::string_view>(configured) : std::nullopt,
      searchPath != nullptr ? searchPath : "/usr/bin:/bin", [](const std::string& path) {
        const QFileInfo info(QString::fromStdString(path));
        return info.isFile() && info.isExecutable();
      });
#endif
}

std::string QtPlatform::executableSuffix() {
#if defined(_WIN32)
  return ".exe";
#else
  return {};
#endif
}

bool QtPlatform::exists(std::string_view path) {
  std::error_code error;
  return std::filesystem::exists(files::nativePath(path), error);
}

void QtPlatform::deleteMatching(std::string_view pattern) {
  const std::filesystem::path native = files::nativePath(pattern);
  const std::string namePattern = files::modelPathText(native.filename());
  if (namePattern.empty()) return;
  std::filesystem::path folder = native.parent_path();
  if (folder.empty()) folder = ".";
  std::error_code error;
  std::vector<std::filesystem::path> doomed;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    if (matchesFilePattern(files::modelPathText(it->path().filename()), namePattern) &&
        mayDelete(*it))
      doomed.push_back(it->path());
  }
  for (const auto& path : doomed) std::filesystem::remove(path, error);
}

std::optional<StartedProcess> QtPlatform::start(std::string_view program,
                                                std::string_view argument) {
  auto started = std::make_unique<QProcess>();
  started->setProgram(nativeText(program));
  if (!argument.empty()) started->setArguments({nativeText(argument)});
  started->setStandardInputFile(QProcess::nullDevice());
  started->setStandardOutputFile(QProcess::nullDevice());
  started->setStandardErrorFile(QProcess::nullDevice());
  started->start();
  if (!started->waitForStarted(10000)) return std::nullopt;
  StartedProcess result;
  result.processId = started->processId();
  processes_.push_back(std::move(started));
  result.handle = static_cast<std::int64_t>(processes_.size());
  return result;
}

QProcess* QtPlatform::process(std::int64_t handle) const {
  if (handle < 1 || handle > static_cast<std::int64_t>(processes_.size())) return nullptr;
  return processes_[static_cast<std::size_t>(handle - 1)].get();
}

void QtPlatform::terminate(std::int64_t handle) {
  QProcess* running = process(handle);
  if (running == nullptr || running->state() == QProcess::NotRunning) return;
#if defined(_WIN32)
  running->kill();  // TerminateProcess: a window message could be declined
#else
  running->terminate();
#endif
}

bool QtPlatform::waitForEnd(std::int64_t handle, int milliseconds) {
  QProcess* running = process(handle);
  if (running == nullptr) return true;
  return running->state() == QProcess::NotRunning || running->waitForFinished(milliseconds);
}

}  // namespace zentrix::ui
