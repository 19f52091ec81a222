// The parts of platform_files.h that are the same on every platform:
// following symbolic links, and the hook through which tests make one step
// of a replacement fail.
#include <system_error>

#include "files/platform_files.h"

namespace zentrix::files::platform {

namespace {

StepHook& stepHook() {
  static StepHook hook;
  return hook;
}

}  // namespace

std::filesystem::path linkedTarget(const std::filesystem::path& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
  if (const auto resolved = fs::canonical(path, error); !error) return resolved;
  fs::path at = path;
  for (int hop = 0; hop < 40 && fs::is_symlink(fs::symlink_status(at, error)); ++hop) {
    const fs::path next = fs::read_symlink(at, error);
    if (error) return path;
    at = next.is_absolute() ? next : at.parent_path() / next;
  }
  return at;
}

void setStepHookForTests(StepHook hook) {
  stepHook() = std::move(hook);
}

int injectedFailure(Step step, const std::filesystem::path& path) {
  const StepHook& hook = stepHook();
  return hook ? hook(step, path) : 0;
}

}  // namespace zentrix::files::platform
