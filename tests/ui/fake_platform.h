// A platform for tests: a made-up file system of existing paths, programs
// that start (or are told to fail), and a record of every start, end and
// deletion asked for.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "ui/external_programs.h"

namespace zentrix::ui::testing {

class FakePlatform final : public Platform {
 public:
  struct Start {
    std::string program;
    std::string argument;
  };

  std::string current = "C:\\KARVEL\\bin";
  std::string viewer = "C:\\WINDOWS\\Notepad.exe";
  std::string suffix = ".exe";
  std::string installed;  // the installed data folder; empty: unknown
  std::set<std::string> existing;
  std::set<std::string> unstartable;  // programs whose start fails
  std::vector<Start> starts;
  std::vector<std::int64_t> terminated;
  std::vector<std::string> deletedPatterns;

  std::string currentDirectory() override { return current; }
  std::string textViewer() override { return viewer; }
  std::string executableSuffix() override { return suffix; }
  bool exists(std::string_view path) override { return existing.count(std::string(path)) != 0; }
  void deleteMatching(std::string_view pattern) override { deletedPatterns.emplace_back(pattern); }
  std::optional<StartedProcess> start(std::string_view program,
                                      std::string_view argument) override {
    starts.push_back({std::string(program), std::string(argument)});
    if (unstartable.count(std::string(program)) != 0) return std::nullopt;
    const auto handle = static_cast<std::int64_t>(1000 + starts.size());
    return StartedProcess{handle, handle + 5000};
  }
  void terminate(std::int64_t handle) override { terminated.push_back(handle); }
  std::string installedDataFolder() override { return installed; }
};

}  // namespace zentrix::ui::testing
