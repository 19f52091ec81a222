// The date line every written file ends with: "dd/mm/yyyy   hh:mm:ss" of the
// local time. When SOURCE_DATE_EPOCH is set (seconds since 1970), that moment
// is used instead of the clock, so that outputs are reproducible; a value
// that is not a whole number of seconds, or whose local time lies outside
// the years 1000 to 9999 (which the line's four digits hold), is not used:
// the clock is.
#pragma once

#include <ctime>
#include <optional>
#include <string>

namespace zentrix::files {

std::string timeStampLine();
// The line for a given moment, in the local time zone.
std::string timeStampLine(std::time_t moment);

// The warning to show when SOURCE_DATE_EPOCH is set but not used.
std::optional<std::string> sourceDateEpochWarning(bool romanian);

}  // namespace zentrix::files
