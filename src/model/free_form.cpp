#include "model/free_form.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "model/model_texts.h"
#include "model/number_text.h"
#include "model/printable_text.h"

namespace zentrix::model {

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
bool endsValue(char c) {
  return isBlank(c) || c == '\n' || c == ',' || c == '/';
}
bool isQuote(char c) {
  return c == '\'' || c == '"';
}

// A value as the text gives it: `written` is the whole field (for messages),
// `content` what a text target receives.
struct Value {
  std::string_view written;
  std::string_view content;
  bool quoted = false;
};

// One item of a free-form record.
struct Item {
  enum Kind { kValue, kEmpty, kSlash, kEnd, kMalformed } kind = kEnd;
  Value value;
  std::int64_t repeat = 1;  // copies of the value (or of the empty value)
  std::string_view problemText;
  enum Problem { kNone, kUnclosedQuote, kZeroRepeat, kBadQuotedEnd } problem = kNone;

  static Item of(Kind kind) {
    Item item;
    item.kind = kind;
    return item;
  }
};

// Walks the text value by value; line ends count as blanks.
class Scanner {
 public:
  Scanner(std::string_view text, std::size_t at, int line, std::string& unquoted)
      : text_(text), at_(at), line_(line), unquoted_(unquoted) {}

  Item next() {
    for (;;) {
      skipBlanksAndLineEnds();
      if (at_ >= text_.size()) return Item{};
      const char c = text_[at_];
      if (c == '/') return Item::of(Item::kSlash);
      if (c == ',') {
        ++at_;
        // The comma that follows a value only separates it from the next one.
        if (afterValue_) {
          afterValue_ = false;
          continue;
        }
        return Item::of(Item::kEmpty);
      }
      afterValue_ = true;
      return valueItem();
    }
  }

  int line() const noexcept { return line_; }
  std::size_t at() const noexcept { return at_; }

 private:
  void skipBlanksAndLineEnds() {
    while (at_ < text_.size()) {
      const char c = text_[at_];
      if (c == '\n') {
        ++line_;
      } else if (!isBlank(c)) {
        return;
      }
      ++at_;
    }
  }

  std::size_t endOfField(std::size_t from) const {
    while (from < text_.size() && !endsValue(text_[from])) ++from;
    return from;
  }

  Item valueItem() {
    const std::size_t start = at_;
    Item item = Item::of(Item::kValue);
    std::size_t digitsEnd = at_;
    while (digitsEnd < text_.size() && isDigit(text_[digitsEnd])) ++digitsEnd;
    if (digitsEnd > at_ && digitsEnd < text_.size() && text_[digitsEnd] == '*') {
      item.repeat = repeatCount(text_.substr(at_, digitsEnd - at_));
      at_ = digitsEnd + 1;
      if (item.repeat == 0) {
        at_ = endOfField(at_);
        return malformed(start, Item::kZeroRepeat);
      }
      if (at_ >= text_.size() || endsValue(text_[at_])) {
        item.kind = Item::kEmpty;
        return item;
      }
    }
    if (isQuote(text_[at_])) {
      if (!quotedValue(item.value)) {
        return malformed(start, at_ >= text_.size() || text_[at_] == '\n' ? Item::kUnclosedQuote
                                                                          : Item::kBadQuotedEnd);
      }
    } else {
      const std::size_t end = endOfField(at_);
      item.value.content = text_.substr(at_, end - at_);
      at_ = end;
    }
    item.value.written = text_.substr(start, at_ - start);
    return item;
  }

  Item malformed(std::size_t start, Item::Problem problem) {
    if (problem == Item::kBadQuotedEnd) at_ = endOfField(at_);
    Item item = Item::of(Item::kMalformed);
    item.problem = problem;
    std::size_t end = std::min(at_, text_.size());
    if (problem == Item::kUnclosedQuote) end = std::min(text_.find('\n', start), text_.size());
    item.problemText = text_.substr(start, end - start);
    while (!item.problemText.empty() && isBlank(item.problemText.back()))
      item.problemText.remove_suffix(1);
    return item;
  }

  static std::int64_t repeatCount(std::string_view digits) {
    std::int64_t count = 0;
    for (const char c : digits) {
      count = count * 10 + (c - '0');
      if (count > std::numeric_limits<std::int32_t>::max()) break;  // more than any read needs
    }
    return count;
  }

  // A quoted text ends at the same quote; a doubled quote stands for itself.
  // False when it does not close on its line or runs into other characters.
  bool quotedValue(Value& value) {
    const char quote = text_[at_];
    const std::size_t open = at_++;
    bool doubled = false;
    std::size_t close = std::string_view::npos;
    for (std::size_t i = at_; i < text_.size() && text_[i] != '\n'; ++i) {
      if (text_[i] != quote) continue;
      if (i + 1 < text_.size() && text_[i + 1] == quote) {
        doubled = true;
        ++i;
        continue;
      }
      close = i;
      break;
    }
    if (close == std::string_view::npos) {
      at_ = std::min(text_.find('\n', at_), text_.size());
      return false;
    }
    at_ = close + 1;
    if (at_ < text_.size() && !endsValue(text_[at_])) return false;
    value.quoted = true;
    value.written = text_.substr(open, at_ - open);
    value.content = text_.substr(open + 1, close - open - 1);
    if (doubled) {
      unquoted_.clear();
      for (std::size_t i = open + 1; i < close; ++i) {
        unquoted_ += text_[i];
        if (text_[i] == quote) ++i;
      }
      value.content = unquoted_;
    }
    return true;
  }

  std::string_view text_;
  std::size_t at_;
  int line_;
  bool afterValue_ = false;
  std::string& unquoted_;
};

// Why a value did not fit its target.
enum class Misfit { kNone, kWrongForm, kOutOfRange };

Misfit toInteger(const Value& value, std::int32_t& result) {
  if (value.quoted) return Misfit::kWrongForm;
  std::string_view text = value.content;
  const bool signed_ = !text.empty() && (text.front() == '+' || text.front() == '-');
  const std::string_view digits = text.substr(signed_ ? 1 : 0);
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(), isDigit))
    return Misfit::kWrongForm;
  if (text.front() == '+') text.remove_prefix(1);
  std::int32_t number = 0;
  const auto parsed = std::from_chars(text.data(), text.data() + text.size(), number);
  if (parsed.ec == std::errc::result_out_of_range) return Misfit::kOutOfRange;
  result = number;
  return Misfit::kNone;
}

// The real's text in the form std::from_chars reads (exponent letter "e", no
// plus sign), or nothing when it is not a real of this syntax.
std::optional<std::string> realSyntax(std::string_view text) {
  std::string plain;
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    if (text[at] == '-') plain += '-';
    ++at;
  }
  std::size_t digits = 0;
  for (; at < text.size() && isDigit(text[at]); ++at, ++digits) plain += text[at];
  if (at < text.size() && text[at] == '.') {
    plain += text[at++];
    for (; at < text.size() && isDigit(text[at]); ++at, ++digits) plain += text[at];
  }
  if (digits == 0) return std::nullopt;
  if (at < text.size() && std::string_view("EeDd").find(text[at]) != std::string_view::npos) {
    plain += 'e';
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) plain += text[at++];
    const std::size_t exponentStart = at;
    for (; at < text.size() && isDigit(text[at]); ++at) plain += text[at];
    if (at == exponentStart) return std::nullopt;
  }
  if (at != text.size()) return std::nullopt;
  return plain;
}

Misfit toReal(const Value& value, float& result) {
  if (value.quoted) return Misfit::kWrongForm;
  const std::optional<std::string> plain = realSyntax(value.content);
  if (!plain) return Misfit::kWrongForm;
  const char* first = plain->data();
  const char* last = first + plain->size();
  float number = 0.0f;
  const auto parsed = std::from_chars(first, last, number);
  if (parsed.ec == std::errc::result_out_of_range) {
    // Too small for a real rounds to zero; too large does not fit.
    double wide = 0.0;
    const auto wideParsed = std::from_chars(first, last, wide);
    const bool tooLarge = wideParsed.ec == std::errc{} ? std::fabs(wide) >= 1.0
                                                       : plain->find("e-") == std::string::npos;
    if (tooLarge) return Misfit::kOutOfRange;
    number = (*plain)[0] == '-' ? -0.0f : 0.0f;
  } else if (!std::isfinite(number)) {
    return Misfit::kOutOfRange;
  }
  result = number;
  return Misfit::kNone;
}

Misfit assign(const FreeFormTarget& target, const Value& value) {
  if (auto* integer = std::get_if<std::int32_t*>(&target)) return toInteger(value, **integer);
  if (auto* real = std::get_if<float*>(&target)) return toReal(value, **real);
  std::get<std::string*>(target)->assign(value.content);
  return Misfit::kNone;
}

// Failure messages, in the reader's language.
class Messages {
 public:
  Messages(bool romanian, bool singleText) : romanian_(romanian), singleText_(singleText) {}

  std::string notFound(int position, const FreeFormTarget& target, std::string_view found) const {
    return say(texts::kExpected, romanian_,
               {std::to_string(position), kindOf(target), escapedControls(found)});
  }
  std::string missing(int position, const FreeFormTarget& target) const {
    return notFound(position, target,
                    say(singleText_ ? texts::kEndOfTheText : texts::kEndOfTheFile, romanian_));
  }
  std::string outOfRange(int position, const FreeFormTarget& target,
                         std::string_view written) const {
    return say(texts::kOutOfRange, romanian_,
               {std::to_string(position), quoted(written), kindOf(target)});
  }
  std::string malformed(int position, const Item& item) const {
    const std::string text = quoted(item.problemText);
    switch (item.problem) {
      case Item::kUnclosedQuote:
        return say(texts::kUnclosedQuote, romanian_, {std::to_string(position), text});
      case Item::kZeroRepeat:
        return say(texts::kZeroRepeat, romanian_, {std::to_string(position), text});
      default:
        return say(texts::kMalformed, romanian_, {std::to_string(position), text});
    }
  }
  static std::string quoted(std::string_view written) {
    constexpr std::size_t kShown = 40;
    if (written.size() <= kShown) return "'" + std::string(written) + "'";
    return "'" + std::string(written.substr(0, kShown)) + "...'";
  }

 private:
  const char* kindOf(const FreeFormTarget& target) const {
    switch (target.index()) {
      case 0:
        return say(texts::kInteger, romanian_);
      case 1:
        return say(texts::kReal, romanian_);
      default:
        return say(texts::kText, romanian_);
    }
  }

  bool romanian_;
  bool singleText_;
};

std::size_t startOfNextLine(std::string_view text, std::size_t at) {
  const std::size_t end = text.find('\n', at);
  return end == std::string_view::npos ? text.size() : end + 1;
}

}  // namespace

FreeFormReader::FreeFormReader(std::string_view text, bool romanian)
    : text_(text), romanian_(romanian) {}

bool FreeFormReader::atEnd() const noexcept {
  return at_ >= text_.size();
}

bool FreeFormReader::filled(int position) const noexcept {
  return position >= 1 && static_cast<std::size_t>(position) <= filled_.size() &&
         filled_[static_cast<std::size_t>(position - 1)];
}

std::int64_t FreeFormReader::remainingLineCount() const noexcept {
  if (atEnd()) return 0;
  const std::string_view rest = text_.substr(at_);
  const auto ends = std::count(rest.begin(), rest.end(), '\n');
  return ends + (rest.back() == '\n' ? 0 : 1);
}

bool FreeFormReader::readLine(std::string& line) {
  if (atEnd()) return false;
  const std::size_t next = startOfNextLine(text_, at_);
  std::string_view content = text_.substr(at_, next - at_);
  if (!content.empty() && content.back() == '\n') content.remove_suffix(1);
  if (!content.empty() && content.back() == '\r') content.remove_suffix(1);
  line.assign(content);
  at_ = next;
  ++line_;
  return true;
}

Outcome FreeFormReader::read(std::span<const FreeFormTarget> targets) {
  filled_.assign(targets.size(), false);
  recordLine_ = line_;
  if (targets.empty()) {
    // A read of nothing still uses its line.
    std::string skipped;
    if (readLine(skipped)) return Outcome::success();
    return Outcome::failure(say(texts::kEndOfTheFile, romanian_), line_);
  }
  const Messages messages(romanian_, singleText_);
  std::string unquoted;
  Scanner scanner(text_, at_, line_, unquoted);
  // Every read ends by moving to the line after the last one it used.
  const auto finish = [&](Outcome outcome) {
    at_ = startOfNextLine(text_, scanner.at());
    line_ = scanner.line() + 1;
    return outcome;
  };
  Item item = Item::of(Item::kEmpty);
  item.repeat = 0;
  for (std::size_t index = 0; index < targets.size(); ++index) {
    const int position = static_cast<int>(index) + 1;
    const FreeFormTarget& target = targets[index];
    if (item.repeat == 0) {
      item = scanner.next();
      if (index == 0) recordLine_ = scanner.line();
    }
    switch (item.kind) {
      case Item::kSlash:
        return finish(Outcome::success());
      case Item::kEnd: {
        // The failure stands on the text's last line, not after it.
        const int lastLine = !text_.empty() && text_.back() == '\n' && scanner.line() > 1
                                 ? scanner.line() - 1
                                 : scanner.line();
        at_ = text_.size();
        line_ = scanner.line();
        return Outcome::failure(messages.missing(position, target), lastLine);
      }
      case Item::kMalformed:
        return finish(Outcome::failure(messages.malformed(position, item), scanner.line()));
      case Item::kEmpty:
        break;
      case Item::kValue:
        switch (assign(target, item.value)) {
          case Misfit::kNone:
            filled_[index] = true;
            break;
          case Misfit::kWrongForm:
            return finish(Outcome::failure(
                messages.notFound(position, target, Messages::quoted(item.value.written)),
                scanner.line()));
          case Misfit::kOutOfRange:
            return finish(Outcome::failure(
                messages.outOfRange(position, target, item.value.written), scanner.line()));
        }
        break;
    }
    --item.repeat;
  }
  return finish(Outcome::success());
}

Outcome readFreeForm(std::string_view text, std::span<const FreeFormTarget> targets,
                     bool romanian) {
  FreeFormReader reader(text, romanian);
  reader.singleText_ = true;
  return reader.read(targets);
}

FreeFormRecord& FreeFormRecord::integer(std::int64_t value) {
  char field[kMaxEditChars];
  text_.append(field, writeFreeFormInteger(field, value));
  return *this;
}

FreeFormRecord& FreeFormRecord::real(float value) {
  char field[kMaxEditChars];
  text_.append(field, writeFreeFormReal(field, value));
  return *this;
}

FreeFormRecord& FreeFormRecord::text(std::string_view value) {
  text_ += ' ';
  text_ += value;
  return *this;
}

char* writeFreeFormInteger(char* out, std::int64_t value) {
  return writeIntegerField(out, value, kFreeFormIntegerWidth);
}

char* writeFreeFormReal(char* out, float value) {
  return writeGeneralForm(out, value, kFreeFormRealWidth, kFreeFormRealDigits);
}

}  // namespace zentrix::model
