// The date line every written file ends with: "dd/mm/yyyy   hh:mm:ss" of the
// local time. When SOURCE_DATE_EPOCH is set (seconds since 1970), that moment
// is used instead of the clock, so that outputs are reproducible.
#pragma once

#include <ctime>
#include <string>

namespace zentrix::files {

std::string timeStampLine();
// The line for a given moment, in the local time zone.
std::string timeStampLine(std::time_t moment);

}  // namespace zentrix::files
