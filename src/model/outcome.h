// The result of an operation the user can make fail (a bad file, a bad value,
// an unwritable path). Never thrown: returned, with a message that says what
// and where, ready to be shown in the user's language.
#pragma once

#include <string>
#include <utility>

namespace zentrix::model {

struct Outcome {
  bool ok = true;
  std::string message;  // empty on success
  int line = 0;         // line of a file, when the failure has one (1-based)

  explicit operator bool() const noexcept { return ok; }

  static Outcome success() { return {}; }
  static Outcome failure(std::string text, int atLine = 0) {
    return Outcome{false, std::move(text), atLine};
  }
};

}  // namespace zentrix::model
