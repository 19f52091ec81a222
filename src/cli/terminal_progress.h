// zentrix-cli's progress: a line on the terminal, "GENERATE: 42%", redrawn
// in place while GENERATE or a writer works on a large structure, and
// cleared when it is done. Nothing is drawn when the stream is not a
// terminal (a file, a pipe), nor for work that ends before `delay` seconds
// have passed, so small runs and scripts see no trace of it.
//
// Ctrl-C (SIGINT), SIGTERM and SIGHUP once `cancelOnInterrupt` has run ask
// the work to stop: GENERATE keeps the previous structure, a writer leaves
// the old file as it was and removes its temporary file. A second signal of
// the kind ends the program at once. A signal the program was started with
// ignored stays ignored.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>

#include "model/progress.h"

namespace zentrix::app {

// How the command line shows progress; `terminal` is whether its error
// stream is a terminal.
struct ProgressDisplay {
  bool terminal = false;
  double delaySeconds = 0.5;
};

class TerminalProgress final : public model::Progress {
 public:
  using Clock = std::function<double()>;  // seconds, from any fixed start

  TerminalProgress(std::ostream& err, std::string task, const ProgressDisplay& display,
                   Clock clock = steadySeconds);
  ~TerminalProgress() override;
  TerminalProgress(const TerminalProgress&) = delete;
  TerminalProgress& operator=(const TerminalProgress&) = delete;

  bool advance(double fraction) override;

  static double steadySeconds();

 private:
  void clear();

  std::ostream& err_;
  std::string task_;
  ProgressDisplay display_;
  Clock clock_;
  double start_;
  int shownPercent_ = -1;
  std::size_t shownLength_ = 0;
};

// Makes the first SIGINT, SIGTERM or SIGHUP (Ctrl-C, Ctrl-Break or closing
// the console on Windows) a request to stop that every TerminalProgress
// passes on; the second ends the program as usual.
void cancelOnInterrupt();
bool interrupted();
// The signal that asked to stop, or 0.
int stopSignal();

// Makes sure the standard streams are open (a closed one is opened on the
// null device, read-only), so that no file the program opens takes their
// place and a message that cannot be written fails as it should.
void keepStandardStreamsApart();

}  // namespace zentrix::app
