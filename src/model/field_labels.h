// The names of input fields as the dialogs show them, for every message
// that names one (GENERATE's refusals, the writers' checks). Quoted where
// the English dialog's caption is quoted.
#pragma once

#include "model/text.h"

namespace zentrix::model::labels {

inline constexpr Text kNodesInBase0{"\"No. of Nodes in Base 0\"", "Numarul de noduri din Baza 0"};
inline constexpr Text kNodesInBase1{"\"No. of Nodes in Base 1\"", "Numarul de noduri din Baza 1"};
inline constexpr Text kElementCount{"\"No. of Elements\"", "Numarul de elemente"};
inline constexpr Text kDegreesOfFreedom{"\"Degrees of Freedom/Node\"",
                                        "\"Grade de libertate/nod\""};
inline constexpr Text kExpansionDirection{"\"Expansion Direction\"", "\"Directia expansiunii\""};
inline constexpr Text kExpansionType{"\"Expansion Type\"", "\"Tipul expansiunii\""};
inline constexpr Text kNumberOfModules{"\"Number of Modules\"", "\"Numarul de module\""};
inline constexpr Text kModuleLength{"\"Module Length\"", "\"Lungimea modulului\""};
inline constexpr Text kShrinkRatio{"\"Shrink Ratio\"", "\"Raportul de micsorare\""};
// {1}: the axis letter.
inline constexpr Text kVertexFootCoordinate{"\"Vertex Foot Coordinates\" ({1})",
                                            "\"Coordonatele piciorului varfului\" ({1})"};
// {1}: the element type.
inline constexpr Text kTypeArea{"\"Area\" of type {1}", "\"Aria\" tipului {1}"};
inline constexpr Text kHalfSpan{"\"Half Span (l)\"", "\"Semideschiderea (l)\""};
inline constexpr Text kArchHeight{"\"Height (h)\"", "\"Inaltimea (h)\""};

}  // namespace zentrix::model::labels
