// The result of an operation the user can make fail (a bad file, a bad value,
// an unwritable path) or stop (a cancel, a No). Never thrown: returned, with
// a message that says what and where, ready to be shown in the user's
// language, and a kind that says how it ended, so that a front end tells a
// cancel from a failure by the outcome alone.
#pragma once

#include <string>
#include <utility>

namespace zentrix::model {

struct Outcome {
  enum class Kind {
    kOk,
    kRefused,    // the data cannot be used as it is (the message says why)
    kDeclined,   // the user answered No to a question; no message
    kCancelled,  // the user asked the work to stop; nothing changed
    kIo,         // a file could not be read or written (the message names it)
  };

  bool ok = true;
  std::string message;  // empty on success
  int line = 0;         // line of a file, when the failure has one (1-based)
  Kind kind = Kind::kOk;

  explicit operator bool() const noexcept { return ok; }

  static Outcome success() { return {}; }
  static Outcome failure(std::string text, int atLine = 0) {
    return Outcome{false, std::move(text), atLine, Kind::kRefused};
  }
  static Outcome ioFailure(std::string text) {
    return Outcome{false, std::move(text), 0, Kind::kIo};
  }
  static Outcome cancelled(std::string text) {
    return Outcome{false, std::move(text), 0, Kind::kCancelled};
  }
  static Outcome declined() { return Outcome{false, {}, 0, Kind::kDeclined}; }
};

}  // namespace zentrix::model
