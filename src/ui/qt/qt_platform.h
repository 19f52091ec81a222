// The operating system as the launches and the file choice need it, on Qt
// and the standard library: the one place with platform-specific code.
//
// Programs are started with QProcess (no shell, one argument, standard
// streams on the null device) and kept until this object ends; ending it
// ends the programs that still run, so a process that must leave them
// running (Cancel on a wrong Old File) ends without destroying it.
#pragma once

#include <QProcess>
#include <memory>
#include <vector>

#include "ui/external_programs.h"

namespace zentrix::ui {

class QtPlatform final : public Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;

  std::string currentDirectory() override;
  std::string textViewer() override;
  std::string executableSuffix() override;
  bool exists(std::string_view path) override;
  void deleteMatching(std::string_view pattern) override;
  std::optional<StartedProcess> start(std::string_view program, std::string_view argument) override;
  void terminate(std::int64_t handle) override;
  // Qt's per-user configuration folder of the program (on Linux
  // $XDG_CONFIG_HOME/ZENTRIX, else ~/.config/ZENTRIX).
  std::string settingsFolder() override;
  std::string installedDataFolder() override;

  // True once the program of `handle` has ended, waiting up to `milliseconds`.
  bool waitForEnd(std::int64_t handle, int milliseconds);

 private:
  QProcess* process(std::int64_t handle) const;

  std::vector<std::unique_ptr<QProcess>> processes_;
};

}  // namespace zentrix::ui
