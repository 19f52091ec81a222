#include "model/text.h"

namespace zentrix::model {

std::string say(const Text& text, bool romanian, std::initializer_list<std::string_view> values) {
  const std::string_view pattern = say(text, romanian);
  std::string said;
  said.reserve(pattern.size() + 16 * values.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const bool place = pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 2] == '}' &&
                       pattern[i + 1] >= '1' && pattern[i + 1] <= '9';
    const auto index = place ? static_cast<std::size_t>(pattern[i + 1] - '1') : values.size();
    if (index < values.size()) {
      said += values.begin()[index];
      i += 2;
    } else {
      said += pattern[i];
    }
  }
  return said;
}

}  // namespace zentrix::model
