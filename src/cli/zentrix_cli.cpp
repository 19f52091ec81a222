#include "cli/zentrix_cli.h"

#include <CLI/CLI.hpp>
#include <array>
#include <ostream>

#include "cli/cli_check.h"
#include "cli/cli_generate.h"
#include "cli/cli_new.h"
#include "cli/cli_render.h"
#include "cli/cli_texts.h"
#include "cli/command_paths.h"
#include "model/program_version.h"

namespace zentrix::app {

int runZentrixCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                  const ProgressDisplay& display) {
  CLI::App app{
      "zentrix-cli: generates a bar structure from a Zentrix Input File and writes\n"
      "its Geometry File, without the desktop program's window.",
      "zentrix-cli"};
  // A path such as /home/me/bridge.dat is an argument, never a Windows-style
  // option.
  app.allow_windows_style_options(false);
  app.require_subcommand(1);
  app.set_version_flag("--version", model::versionLine("zentrix-cli"));
  app.footer(kExitCodesText);
  constexpr std::size_t kCommands = 4;
  const std::array<Command, kCommands> commands = {generateCommand(), checkCommand(),
                                                   renderCommand(), newCommand()};
  std::array<CLI::App*, kCommands> described{};
  for (std::size_t i = 0; i < commands.size(); ++i) {
    described[i] = app.add_subcommand(commands[i].name, commands[i].summary);
    commands[i].describe(*described[i]);
  }

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int code = app.exit(error, out, err);
    if (!printedAll(out, err, model::say(texts::kStandardOutputUnwritable, false)))
      return kExitFailure;
    return code == 0 ? kExitSuccess : kExitUsage;
  }
  const CommandStreams streams{out, err, display};
  for (std::size_t i = 0; i < commands.size(); ++i)
    if (described[i]->parsed()) return commands[i].run(*described[i], streams);
  return kExitUsage;
}

}  // namespace zentrix::app
