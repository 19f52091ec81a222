#include "cli/cli_exports.h"

#include <CLI/CLI.hpp>

namespace zentrix::app {

void describeExportOptions(CLI::App& generate, ExportPaths& exports) {
  for (std::size_t i = 0; i < kExportOptions.size(); ++i)
    generate.add_option(kExportOptions[i].option, exports.paths[i], kExportOptions[i].help)
        ->type_name("FILE");
}

void noteGivenExports(const CLI::App& generate, ExportPaths& exports) {
  for (std::size_t i = 0; i < kExportOptions.size(); ++i)
    exports.given[i] = generate.count(kExportOptions[i].option) > 0;
}

std::optional<files::ExportFormat> exportFormatOf(std::string_view option) {
  for (const ExportOption& known : kExportOptions)
    if (option == known.option) return known.format;
  return std::nullopt;
}

}  // namespace zentrix::app
