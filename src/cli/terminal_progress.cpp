#include "cli/terminal_progress.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <ostream>
#include <string>

#if defined(_WIN32)
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace zentrix::app {

namespace {

// Set from a signal handler, or on Windows from the console's own thread.
std::atomic<int> stopSignalSeen{0};
static_assert(std::atomic<int>::is_always_lock_free);

#if defined(_WIN32)
BOOL WINAPI onConsoleEvent(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && event != CTRL_CLOSE_EVENT) return FALSE;
  // A second Ctrl-C ends the program at once, as the system would.
  if (stopSignalSeen.exchange(SIGINT) != 0) return FALSE;
  return TRUE;
}
#else
extern "C" void onStopSignal(int signal) {
  // The handler is reset by the system (SA_RESETHAND): a second signal of
  // the kind ends the program at once.
  stopSignalSeen.store(signal);
}

// Asks `signal` to stop the work, unless the program was started with it
// ignored (nohup, a shell's background job): then it stays ignored.
void stopOn(int signal) {
  struct sigaction previous {};
  if (sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN) return;
  struct sigaction action {};
  action.sa_handler = onStopSignal;
  sigemptyset(&action.sa_mask);
  // No SA_RESTART: a call waiting on a pipe or a slow device returns, so the
  // first signal really stops the work.
  action.sa_flags = SA_RESETHAND;
  sigaction(signal, &action, nullptr);
}
#endif

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
  return !interrupted();
}

void TerminalProgress::clear() {
  if (shownLength_ == 0) return;
  err_ << '\r' << std::string(shownLength_, ' ') << '\r' << std::flush;
  shownLength_ = 0;
}

void cancelOnInterrupt() {
#if defined(_WIN32)
  ::SetConsoleCtrlHandler(onConsoleEvent, TRUE);
#else
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) stopOn(signal);
  // A pipe whose reader went away is a write failure to report, not an
  // end without a word.
  std::signal(SIGPIPE, SIG_IGN);
#endif
}

bool interrupted() {
  return stopSignalSeen.load() != 0;
}

int stopSignal() {
  return stopSignalSeen.load();
}

void keepStandardStreamsApart() {
#if !defined(_WIN32)
  // A closed standard stream would be reused by the first file opened, and
  // messages would land in it. Opened read-only, writes to it fail instead.
  for (int fd = 0; fd <= 2; ++fd)
    if (::fcntl(fd, F_GETFD) < 0) {
      const int placeholder = ::open("/dev/null", O_RDONLY);
      if (placeholder >= 0 && placeholder != fd) {
        ::dup2(placeholder, fd);
        ::close(placeholder);
      }
    }
#endif
}

}  // namespace zentrix::app
