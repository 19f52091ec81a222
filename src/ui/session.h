// The desktop program's own state for one run, beside the model: the
// language and folders found at start, the files the user chose, the
// programs launched, and whether the structure still belongs to the inputs.
// The core never sees it; the dialogs pass its values on as parameters.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zentrix::ui {

inline constexpr int kMaxLaunches = 100;  // slots of the launch table

// One launched program. `processHandle` is an opaque token of the platform
// layer; 0 means the launch failed and there is nothing to terminate.
struct LaunchRecord {
  std::int64_t processHandle = 0;
  std::int64_t processId = 0;
  std::int32_t launchState = 0;  // 1 launched, -1 failed
  std::string programPath;       // at most 128 characters
  std::string programArgs;       // at most 260 characters
};

struct Session {
  // Run settings and environment.
  bool romanian = false;
  std::string languageCode;
  std::string currentDir;
  std::string uiDir;
  // The user's own settings folder (the recent files); empty: none, and
  // what would be kept there lasts the run.
  std::string settingsDir;
  bool oldFileLoaded = false;

  // Set when an input changed after GENERATE (every change sets it, GENERATE
  // clears it): the structure no longer belongs to the inputs, so the Zentrix
  // Input File leaves its generated section empty and no Geometry File is
  // written from it.
  bool inputsChangedSinceGenerate = false;

  // What only the expansion-parameter dialogs show, kept between their
  // openings: the texts as last shown or typed, and the expansion type of
  // the file loaded last (an arch's values are shown from it).
  std::string vertexFootText;  // at most 100 characters
  std::string halfSpanText;    // at most 20 characters
  std::string archHeightText;  // at most 20 characters
  std::int32_t loadedExpansionType = 0;

  // Files.
  std::string oldFilePath;
  std::string inputFilePath;
  std::string geometryFilePath;
  std::string baseGeometryPath;

  // Launched programs.
  std::int32_t processCount = 0;
  std::array<LaunchRecord, kMaxLaunches> processTable{};  // processTable[0] is launch 1

  LaunchRecord& launch(int slot) { return processTable.at(slot - 1); }
  const LaunchRecord& launch(int slot) const { return processTable.at(slot - 1); }
};

}  // namespace zentrix::ui
