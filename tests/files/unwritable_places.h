// Places a write must fail in, made real even for a test run as root:
//  - `PermissionChecksOn` lowers, for its lifetime, the capabilities that let
//    root write where the permission bits say no (on Linux, root passes them
//    by CAP_DAC_OVERRIDE); a folder of mode 0555 then refuses new files;
//  - `FileSizeLimit` makes every write past a size fail as a full disk
//    would (the process's file size limit; the signal it raises is ignored).
// Both are Linux mechanisms; on Windows they do nothing, and the tests that
// need them are skipped there with the reason.
#pragma once

#if defined(_WIN32)

namespace zentrix::testing {

struct PermissionChecksOn {
  PermissionChecksOn() {}
};

struct FileSizeLimit {
  explicit FileSizeLimit(long long) {}
};

}  // namespace zentrix::testing

#else

#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>

namespace zentrix::testing {

class PermissionChecksOn {
 public:
  PermissionChecksOn() {
    if (syscall(SYS_capget, &header_, saved_) != 0) return;
    __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
    lowered[0].effective &= ~(bit(CAP_DAC_OVERRIDE) | bit(CAP_DAC_READ_SEARCH) | bit(CAP_FOWNER));
    lowered_ = syscall(SYS_capset, &header_, lowered) == 0;
  }
  ~PermissionChecksOn() {
    if (lowered_) syscall(SYS_capset, &header_, saved_);
  }
  PermissionChecksOn(const PermissionChecksOn&) = delete;
  PermissionChecksOn& operator=(const PermissionChecksOn&) = delete;

 private:
  static std::uint32_t bit(int capability) { return std::uint32_t{1} << capability; }

  __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct saved_[2]{};
  bool lowered_ = false;
};

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &previous_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous_;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit previous_{};
  void (*previousHandler_)(int) = nullptr;
};

}  // namespace zentrix::testing

#endif
