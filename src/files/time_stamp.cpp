#include "files/time_stamp.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace zentrix::files {

namespace {

std::time_t momentOfWriting() {
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch != nullptr && *epoch != '\0') {
    long long seconds = 0;
    const char* end = epoch + std::strlen(epoch);
    const auto result = std::from_chars(epoch, end, seconds);
    if (result.ec == std::errc{} && result.ptr == end) return static_cast<std::time_t>(seconds);
  }
  return std::time(nullptr);
}

}  // namespace

std::string timeStampLine(std::time_t moment) {
  std::tm local{};
#if defined(_WIN32)
  localtime_s(&local, &moment);
#else
  localtime_r(&moment, &local);
#endif
  char text[64];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d   %02d:%02d:%02d", local.tm_mday,
                local.tm_mon + 1, local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec);
  return text;
}

std::string timeStampLine() {
  return timeStampLine(momentOfWriting());
}

}  // namespace zentrix::files
