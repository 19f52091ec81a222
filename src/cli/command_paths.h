// What every zentrix-cli command checks of its paths before it reads or
// writes anything, and of its standard output when it is done. Paths are
// taken exactly as given: blanks, backslashes and all. Two paths name one
// file when they reach the same file (device and inode, on Windows the file
// id), also through links; a file not there yet is compared by its path.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace zentrix::app {

// One file a command writes: the option that asks for it and its path.
struct Output {
  const char* option;
  std::string path;
};

// The usage error of the paths, or nothing: an empty path, an output path
// holding a control character (it would break the end line of the file, or
// the messages), two outputs naming one file, or an output other than
// `--save` naming the input (which would destroy the model to be read).
std::optional<std::string> pathsProblem(const std::string& input,
                                        const std::vector<Output>& outputs, bool romanian);

// A path as messages quote it.
std::string shownPath(const std::string& path);

// Flushes `out`; when it cannot take what was printed (a full disk, a closed
// stream) says so on `err` with `lost` and returns false.
bool printedAll(std::ostream& out, std::ostream& err, const std::string& lost);

}  // namespace zentrix::app
