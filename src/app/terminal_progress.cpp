#include "app/terminal_progress.h"

#include <chrono>
#include <csignal>
#include <ostream>
#include <string>

namespace zentrix::app {

namespace {

volatile std::sig_atomic_t interruptSeen = 0;

extern "C" void onInterrupt(int) {
  interruptSeen = 1;
  std::signal(SIGINT, SIG_DFL);
}

}  // namespace

TerminalProgress::TerminalProgress(std::ostream& err, std::string task,
                                   const ProgressDisplay& display, Clock clock)
    : err_(err), task_(std::move(task)), display_(display), clock_(std::move(clock)) {
  start_ = clock_();
}

TerminalProgress::~TerminalProgress() {
  clear();
}

double TerminalProgress::steadySeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

bool TerminalProgress::advance(double fraction) {
  if (display_.terminal && clock_() - start_ >= display_.delaySeconds) {
    const int percent = static_cast<int>(fraction * 100.0 + 1e-9);
    if (percent != shownPercent_) {
      shownPercent_ = percent;
      const std::string line = task_ + ": " + std::to_string(percent) + "%";
      // Blanks over what is left of a longer line drawn before.
      const std::size_t blanks = shownLength_ > line.size() ? shownLength_ - line.size() : 0;
      err_ << '\r' << line << std::string(blanks, ' ') << std::flush;
      shownLength_ = line.size() + blanks;
    }
  }
  return interruptSeen == 0;
}

void TerminalProgress::clear() {
  if (shownLength_ == 0) return;
  err_ << '\r' << std::string(shownLength_, ' ') << '\r' << std::flush;
  shownLength_ = 0;
}

void cancelOnInterrupt() {
  std::signal(SIGINT, onInterrupt);
}

bool interrupted() {
  return interruptSeen != 0;
}

}  // namespace zentrix::app
