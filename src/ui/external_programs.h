// Other programs and file choice: the text viewer (readme, Zentrix Input
// File, Geometry File), the package's preview program, and the open-file
// dialog shared by "Old File", "Save Data" and "CREATE".
//
// Every launch takes the next of the session's 100 launch records, in launch
// order, whether it succeeds or not, so that shutdown can end what was
// started. A launch beyond the table is refused with a message; nothing is
// written past it. Programs get exactly one argument (a path, never split on
// blanks) and are started without a shell; the program never waits for them.
//
// The operating system is reached only through `Platform`, whose one real
// implementation lives with the Qt backend; tests use a fake.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "model/model.h"
#include "ui/dialog_layer.h"
#include "ui/session.h"

namespace zentrix::ui {

// A started program: `handle` is an opaque token of the platform (never 0).
struct StartedProcess {
  std::int64_t handle = 0;
  std::int64_t processId = 0;
};

// What launches and file choice need from the operating system. Paths are
// texts as the model keeps them ("\" joining the program's own parts).
class Platform {
 public:
  virtual ~Platform() = default;

  virtual std::string currentDirectory() = 0;
  // The program that shows text files: Notepad from the Windows directory on
  // Windows; elsewhere the desktop's editor (see findTextViewer).
  virtual std::string textViewer() = 0;
  // ".exe" on Windows, nothing elsewhere.
  virtual std::string executableSuffix() = 0;
  // True when a file or a folder of that path exists.
  virtual bool exists(std::string_view path) = 0;
  // Deletes every plain file matching `pattern` ("*" and "?" in its last
  // part); read-only and hidden files and folders are left alone.
  virtual void deleteMatching(std::string_view pattern) = 0;
  // Starts `program` with `argument` as its only argument (none when empty),
  // without a shell and without waiting; nothing when it cannot be started.
  virtual std::optional<StartedProcess> start(std::string_view program,
                                              std::string_view argument) = 0;
  // Ends a started program; one that has ended already is no error.
  virtual void terminate(std::int64_t handle) = 0;
  // The folder of the user's own settings for this program (it may not
  // exist yet); empty when there is none.
  virtual std::string settingsFolder() { return {}; }
  // The folder of the images and readmes installed with the program
  // (share/zentrix beside the program's bin folder), found from the
  // program's own location, whatever the current directory; empty when
  // unknown.
  virtual std::string installedDataFolder() = 0;
};

// `name` in `folder` (trailing blanks of the folder dropped), joined with
// the program's separator.
std::string pathIn(std::string_view folder, std::string_view name);

// The desktop's text editor outside Windows: `configured` (the
// ZENTRIX_TEXT_VIEWER variable) when set, a bare name looked up on
// `searchPath`; else the first of gnome-text-editor, gedit, kate, mousepad,
// xed, pluma, featherpad, leafpad found on `searchPath`; else xdg-open.
std::string findTextViewer(std::optional<std::string_view> configured, std::string_view searchPath,
                           const std::function<bool(const std::string&)>& isExecutable);

// True when a file name matches a pattern of "*" (any run) and "?" (any one
// character); everything else matches itself.
bool matchesFilePattern(std::string_view name, std::string_view pattern);

// The Geometry File name proposed for a model file: "-geometry" before its
// extension ("bridge.dat" gives "bridge-geometry.dat"), in the same folder.
std::string geometryNameFor(std::string_view modelPath);

// A path given to the preview program between double quotes, without them.
std::string_view withoutSurroundingQuotes(std::string_view text);

class ExternalPrograms {
 public:
  ExternalPrograms(Platform& platform, DialogHost& host) : platform_(platform), host_(host) {}

  Platform& platform() noexcept { return platform_; }

  // The file dialog with `title`, starting in the data folder with the
  // path chosen last (by any use) as proposed name. On a choice the full
  // path goes into `output` and the answer is true; otherwise `output` stays.
  bool selectFile(std::string_view title, std::string& output,
                  FileChoice choice = FileChoice::Open);
  // The save dialog for a model file: proposes `output`, the model file saved
  // or loaded last (none for a new model), never another file chosen since.
  bool selectModelFile(std::string_view title, std::string& output);
  // The save dialog for the Geometry File. The path chosen last is proposed
  // unless it is the model's own file (the Old File or the saved Zentrix
  // File): then a name derived from it, in the same folder.
  bool selectGeometryFile(std::string_view title, std::string& output, const Session& session);

  // The folder "dat" beside the current directory when it exists (the last
  // three characters of the current directory's path replaced), else the
  // current directory.
  std::string dataFolder();
  // The readme of the session's language in the package's "Doc" folder (the
  // current directory's path less its last three characters, then "\Doc");
  // when that folder does not exist, the one in the current directory, or
  // else the one installed with the program when only that exists.
  std::string readmePath(const Session& session);
  // "Vistrel 20" in the current directory when it exists, else "Vistrel".
  std::string previewProgram(const Session& session);
  // Whether the preview program is there to be started.
  bool previewInstalled(const Session& session);

  // The text viewer on the readme, or on `path` (the Zentrix Input File or
  // the Geometry File). When no text viewer can be started, the file is shown
  // in the host's own read-only window instead (`DialogHost::showText`),
  // the first 16 MB of a larger one; a file that cannot be read is named in a
  // message.
  void showReadme(Session& session);
  void showInTextViewer(Session& session, std::string_view path);
  // The preview program on `path`, handed over between double quotes.
  void preview(Session& session, std::string_view path);

  // Shutdown: ends every launched program that has a handle.
  void endLaunchedPrograms(const Session& session);
  // Deletes the files matching `baseGeometryPath` (nothing when blank).
  void deleteBaseGeometryFiles(const Session& session);

 private:
  // Whether a failed start is reported in a message or left to the caller.
  enum class Failure { Reported, Quiet };
  // Refused: the launch table is full (the message said so).
  enum class LaunchEnd { Started, Refused, NotStarted };
  LaunchEnd launch(Session& session, std::string programPath, std::string programArgs,
                   Failure failure);
  void showInOwnViewer(const Session& session, std::string_view path);
  bool choose(std::string_view title, std::string& output, std::string_view proposed,
              FileChoice choice);

  Platform& platform_;
  DialogHost& host_;
  // One proposed file name for every file choice of the run.
  std::string lastChosenPath_;
};

}  // namespace zentrix::ui
