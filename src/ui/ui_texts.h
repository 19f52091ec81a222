// The texts of the desktop program's dialogs: messages, questions and the
// labels of its progress windows. {1} ... {9} are filled by `model::say` in
// the order each comment gives. The dialog templates' own captions stay in
// the templates.
#pragma once

#include "model/text.h"

namespace zentrix::ui::texts {

using model::Text;

// The main dialog.
inline constexpr Text kUnexpectedError{"Unexpected error.", "Eroare neasteptata."};
inline constexpr Text kUnsavedChanges{"The model has changes that are not saved.\nSave them?",
                                      "Modelul are modificari nesalvate.\nLe salvati?"};
// {1} nodes, {2} elements.
inline constexpr Text kGeneratedCounts{"generated: {1} nodes, {2} elements",
                                       "generat: {1} noduri, {2} elemente"};
inline constexpr Text kGenerating{"Generating the structure...", "Se genereaza structura..."};
inline constexpr Text kSaving{"Saving the Zentrix File...", "Se salveaza fisierul Zentrix..."};
inline constexpr Text kWritingGeometry{"Writing the Geometry File...",
                                       "Se scrie fisierul Geometry File..."};

// Launching the viewer, the preview and the readme.
inline constexpr Text kTooManyPrograms{
    "Too many programs started (100): close ZENTRIX and start it again to launch more.",
    "Prea multe programe lansate (100): inchideti ZENTRIX si porniti-l din nou pentru a lansa "
    "altele."};
inline constexpr Text kReadMeFile{"Zentrix-ReadMe-en.txt", "Zentrix-ReadMe-ro.txt"};

// The Coordinates and Topology dialogs.
inline constexpr Text kNoNodeSelected{"No Node Selected", "Nu s-a selectat nici un nod."};
inline constexpr Text kWrongCoordinates{"Wrong Coordinates String.", "Sir eronat de coordonate."};
inline constexpr Text kNoElementSelected{"No Element Selected", "Nu s-a selectat nci un element."};
inline constexpr Text kWrongEndNodes{"Wrong End Nodes String", "Sir eronat de noduri de capat."};
inline constexpr Text kZeroEndNodes{"Values 0 in End Nodes", "Valori 0 in nodurile de capat."};

// The expansion parameter dialogs.
inline constexpr Text kWrongFootCoordinates{"Wrong Foot Coordinates String.",
                                            "Sir eronat pentru coordonatele piciorului."};

}  // namespace zentrix::ui::texts
