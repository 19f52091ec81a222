// Stands in for the text viewer and the preview program in tests: writes
// the arguments it was given, one per line after their count, to the file
// named by FAKE_VIEWER_RECORD, then waits (up to a minute) to be ended.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

int main(int argc, char** argv) {
  if (const char* record = std::getenv("FAKE_VIEWER_RECORD")) {
    const std::string finished = std::string(record) + ".tmp";
    {
      std::ofstream out(finished, std::ios::binary);
      out << argc - 1 << '\n';
      for (int i = 1; i < argc; ++i) out << argv[i] << '\n';
    }
    // Appears whole or not at all, so a test never reads half a record.
    std::rename(finished.c_str(), record);
  }
  std::this_thread::sleep_for(std::chrono::seconds(60));
  return 0;
}
