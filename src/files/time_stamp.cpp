#include "files/time_stamp.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "files/file_texts.h"

namespace zentrix::files {

namespace {

// Years 1000 to 9999 in UTC; a moment near the ends is taken when its local
// year is one of them, which no zone moves by more than two days.
constexpr long long kFirstSecond = -30610224000LL;  // 1000-01-01 00:00:00 UTC
constexpr long long kLastSecond = 253402300799LL;   // 9999-12-31 23:59:59 UTC
constexpr long long kZoneMargin = 2 * 86400;

bool localTime(std::time_t moment, std::tm& local) {
#if defined(_WIN32)
  return localtime_s(&local, &moment) == 0;
#else
  return localtime_r(&moment, &local) != nullptr;
#endif
}

bool hasFourDigitLocalYear(long long seconds) {
  std::tm local{};
  return localTime(static_cast<std::time_t>(seconds), local) && local.tm_year + 1900 >= 1000 &&
         local.tm_year + 1900 <= 9999;
}

enum class EpochState { kUnset, kValid, kMalformed, kOutOfRange };

EpochState sourceDateEpoch(long long& seconds) {
  const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
  if (epoch == nullptr || *epoch == '\0') return EpochState::kUnset;
  const char* end = epoch + std::strlen(epoch);
  const auto result = std::from_chars(epoch, end, seconds);
  if (result.ec == std::errc::result_out_of_range) return EpochState::kOutOfRange;
  if (result.ec != std::errc{} || result.ptr != end) return EpochState::kMalformed;
  if (seconds < kFirstSecond - kZoneMargin || seconds > kLastSecond + kZoneMargin)
    return EpochState::kOutOfRange;
  if (sizeof(std::time_t) < 8 && (seconds < INT32_MIN || seconds > INT32_MAX))
    return EpochState::kOutOfRange;
  return hasFourDigitLocalYear(seconds) ? EpochState::kValid : EpochState::kOutOfRange;
}

std::time_t momentOfWriting() {
  long long seconds = 0;
  if (sourceDateEpoch(seconds) == EpochState::kValid) return static_cast<std::time_t>(seconds);
  return std::time(nullptr);
}

}  // namespace

std::string timeStampLine(std::time_t moment) {
  std::tm local{};
  localTime(moment, local);
  char text[64];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d   %02d:%02d:%02d", local.tm_mday,
                local.tm_mon + 1, local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec);
  return text;
}

std::string timeStampLine() {
  return timeStampLine(momentOfWriting());
}

std::optional<std::string> sourceDateEpochWarning(bool romanian) {
  long long seconds = 0;
  switch (sourceDateEpoch(seconds)) {
    case EpochState::kUnset:
    case EpochState::kValid:
      return std::nullopt;
    case EpochState::kMalformed:
      return model::say(texts::kMalformedEpoch, romanian);
    case EpochState::kOutOfRange:
      break;
  }
  return model::say(texts::kEpochOutOfRange, romanian);
}

}  // namespace zentrix::files
