#include "model/program_version.h"

namespace zentrix::model {

std::string_view programVersion() {
  return ZENTRIX_VERSION;
}

std::string_view buildCommit() {
  return ZENTRIX_GIT_COMMIT;
}

std::string versionLine(std::string_view program) {
  std::string line(program);
  line += ' ';
  line += programVersion();
  if (!buildCommit().empty()) {
    line += " (git ";
    line += buildCommit();
    line += ')';
  }
  return line;
}

}  // namespace zentrix::model
