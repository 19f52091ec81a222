#include "cli/command_paths.h"

#include <ostream>
#include <string_view>

#include "cli/cli_texts.h"
#include "files/output_plan.h"
#include "model/printable_text.h"

namespace zentrix::app {

std::optional<std::string> pathsProblem(const std::string& input,
                                        const std::vector<Output>& outputs, bool romanian) {
  if (input.empty()) return model::say(texts::kInputPathEmpty, romanian);
  for (const Output& output : outputs) {
    if (output.path.empty()) return model::say(texts::kPathEmpty, romanian, {output.option});
    if (model::holdsControlCharacter(output.path))
      return model::say(texts::kPathHoldsControl, romanian,
                        {output.option, shownPath(output.path)});
  }
  for (std::size_t i = 0; i < outputs.size(); ++i) {
    for (std::size_t j = i + 1; j < outputs.size(); ++j)
      if (files::namesSameFile(outputs[i].path, outputs[j].path))
        return model::say(texts::kSameFile, romanian,
                          {outputs[i].option, outputs[j].option, shownPath(outputs[j].path)});
    if (std::string_view(outputs[i].option) != "--save" &&
        files::namesSameFile(outputs[i].path, input))
      return model::say(texts::kNamesTheInput, romanian,
                        {outputs[i].option, shownPath(outputs[i].path)});
  }
  return std::nullopt;
}

std::string shownPath(const std::string& path) {
  return model::quotedText(path);
}

bool printedAll(std::ostream& out, std::ostream& err, const std::string& lost) {
  out.flush();
  if (out) return true;
  err << lost << '\n';
  return false;
}

}  // namespace zentrix::app
