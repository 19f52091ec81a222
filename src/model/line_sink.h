// Where the core's few lines for a person go (the arch solver's precision
// lines): the core never writes to a console itself, the caller says where
// they belong (the command line its standard error, the desktop program its
// log). An empty sink drops them.
#pragma once

#include <functional>
#include <ostream>
#include <string_view>

namespace zentrix::model {

// Called with one line at a time, without its line end.
using LineSink = std::function<void(std::string_view line)>;

// A sink writing each line, then '\n', to `stream`, which must outlive it.
inline LineSink linesTo(std::ostream& stream) {
  return [&stream](std::string_view line) { stream << line << '\n'; };
}

}  // namespace zentrix::model
