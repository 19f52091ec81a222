// The language decision at start-up: "language.dat" in the current
// directory, else the last line of "Plovik.dat" in the package's work
// directory named by "work_dir.dat", else English. A settings file that
// opens but holds no line counts as missing.
#pragma once

#include <string>
#include <string_view>

namespace zentrix::files {

// The language code (at most 20 characters) found from `currentDir`.
std::string lookUpLanguageCode(std::string_view currentDir);

// True when the code's first character is "r" or "R".
bool isRomanianCode(std::string_view languageCode);

}  // namespace zentrix::files
