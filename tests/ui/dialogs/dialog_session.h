// The session a sub-dialog sees for a test model: its language and whether
// it came from a file.
#pragma once

#include "support/run_model.h"
#include "ui/session.h"

namespace zentrix::ui::testing {

inline Session sessionOf(const zentrix::testing::RunModel& m) {
  Session session;
  session.romanian = m.romanian;
  session.oldFileLoaded = m.oldFileLoaded;
  return session;
}

}  // namespace zentrix::ui::testing
