// The messages and the few words of the exported files (VTU, MSH, DXF).
// {1} ... {9} are filled by `model::say` in the order each comment gives.
#pragma once

#include "model/text.h"

namespace zentrix::files::texts {

using model::Text;

// {1} the element, {2} the end node found, {3} the node count.
inline constexpr Text kEndNodeOutOfRange{
    "Element {1} has the end node {2}, outside the nodes 1 to {3}",
    "Elementul {1} are nodul de capat {2}, in afara nodurilor 1 - {3}"};

// {1} the quoted path.
inline constexpr Text kStructureExported{"Exported the structure to {1}.",
                                         "Structura a fost exportata in {1}."};

// The name of the group of blocked nodes in an MSH file.
inline constexpr Text kBlockedNodesGroup{"blocked nodes", "noduri blocate"};

// The name of a group or layer of an element type without a name; {1} the type.
inline constexpr Text kUnnamedType{"type {1}", "tipul {1}"};

}  // namespace zentrix::files::texts
