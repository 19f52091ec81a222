// The export options of `zentrix-cli generate`: --vtu FILE, --msh FILE and
// --dxf FILE write the generated structure for ParaView, Gmsh and CAD
// programs (files/structure_exports.h). They are outputs like the others:
// planned first, refused together, written beside their targets and put in
// place with them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "files/structure_exports.h"

namespace CLI {
class App;
}  // namespace CLI

namespace zentrix::app {

struct ExportOption {
  const char* option;
  files::ExportFormat format;
  const char* help;
};

inline constexpr std::array<ExportOption, 3> kExportOptions = {{
    {"--vtu", files::ExportFormat::kVtu,
     "export the generated structure as a VTK XML UnstructuredGrid (ASCII)\n"
     "for ParaView, with the element kinds, types, areas and numbers"},
    {"--msh", files::ExportFormat::kMsh,
     "export the generated structure as a Gmsh MSH 4.1 file (ASCII), one\n"
     "physical group per element type and one for the blocked nodes"},
    {"--dxf", files::ExportFormat::kDxf,
     "export the generated structure as a DXF R12 drawing, one LINE per\n"
     "element on one layer per element type"},
}};

// The paths given, in the order of `kExportOptions`.
struct ExportPaths {
  std::array<std::string, kExportOptions.size()> paths;
  std::array<bool, kExportOptions.size()> given{};
};

void describeExportOptions(CLI::App& generate, ExportPaths& exports);
// After parsing: which of the options were given (an empty path given is
// a usage error, as for the other outputs).
void noteGivenExports(const CLI::App& generate, ExportPaths& exports);

// The format of an export option, nothing for any other option.
std::optional<files::ExportFormat> exportFormatOf(std::string_view option);

}  // namespace zentrix::app
