// The hook through which tests make one step of a replacement fail, the
// same on every platform (platform_files.h).
#include "files/platform_files.h"

namespace zentrix::files::platform {

namespace {

StepHook& stepHook() {
  static StepHook hook;
  return hook;
}

}  // namespace

void setStepHookForTests(StepHook hook) {
  stepHook() = std::move(hook);
}

int injectedFailure(Step step, const std::filesystem::path& path) {
  const StepHook& hook = stepHook();
  return hook ? hook(step, path) : 0;
}

}  // namespace zentrix::files::platform
