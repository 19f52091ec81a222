// Texts taken from files, made safe to show and to keep. A file may hold
// any byte: control characters shown raw on a terminal could move the
// cursor or set its title, and copied into the written files they would
// break their lines. The C1 controls U+0080 to U+009F, which some terminals
// honour in UTF-8 (U+009B starts a command), are escaped in a text that is
// valid UTF-8; in any other text bytes 0x80 and up are kept as they are,
// since files from Windows carry code-page texts (cp1250, cp1252) whose
// bytes 0x80-0x9F are letters.
#pragma once

#include <string>
#include <string_view>

namespace zentrix::model {

// The text with its ASCII control characters (0x00-0x1F, 0x7F) written as
// escapes: "\n", "\r", "\t", "\x1b", and in valid UTF-8 its C1 controls
// as "\u009b". Backslashes stay as they are: they join the parts of Windows
// paths.
std::string escapedControls(std::string_view text);

// The text in double quotes, its controls escaped: how a message names a
// path or a value it quotes.
std::string quotedText(std::string_view text);

// Whether the text holds a character escapedControls escapes.
bool holdsControlCharacter(std::string_view text);

// Replaces ASCII control characters but tab by blanks, in place.
void blankControls(std::string& text);

// True when the text is well-formed UTF-8.
bool isValidUtf8(std::string_view text);

// The first `width` bytes of the text; when the text is valid UTF-8 the cut
// moves back to the start of a character it would split.
std::string_view firstWholeChars(std::string_view text, std::size_t width);

}  // namespace zentrix::model
