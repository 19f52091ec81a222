// The texts of the desktop program's dialogs: messages, questions and the
// labels of its progress windows. {1} ... {9} are filled by `model::say` in
// the order each comment gives. The dialog templates' own captions are in
// caption_texts.h.
#pragma once

#include "model/text.h"

namespace zentrix::ui::texts {

using model::Text;

// The titles of message boxes and file dialogs.
inline constexpr Text kMessageTitle{"ZENTRIX Message", "Mesaj ZENTRIX"};
inline constexpr Text kGenerationWarningTitle{"Zentrix Message", "Mesaj Zentrix"};
inline constexpr Text kCreateMessageTitle{"Create Message", "Mesaj Creare"};
inline constexpr Text kCoordinatesMessageTitle{"Dialog2 Message", "Mesaj Dialog2"};
inline constexpr Text kTopologyMessageTitle{"Dialog3 Message", "Mesaj Dialog3"};
inline constexpr Text kParameterMessageTitle{"Dialog4 Message", "Mesaj Dialog4"};
inline constexpr Text kProcessMessageTitle{"KARVEL: Process Message", "KARVEL: Mesaj de proces"};
inline constexpr Text kSelectOldFile{"Select Old ZentrixInputFile",
                                     "Alegeti fisierul Zentrix Input File existent"};
inline constexpr Text kSelectZentrixFile{"Select Zentrix File", "Alegeti fisierul Zentrix"};
inline constexpr Text kSelectGeometryFile{"Select/Create KARVEL Geometry File",
                                          "Alegeti/Creati fisierul Geometry File KARVEL"};

// The main dialog.
inline constexpr Text kUnexpectedError{"Unexpected error.", "Eroare neasteptata."};
inline constexpr Text kUnsavedChanges{"The model has changes that are not saved.\nSave them?",
                                      "Modelul are modificari nesalvate.\nLe salvati?"};
// {1} nodes, {2} elements.
inline constexpr Text kGeneratedCounts{"generated: {1} nodes, {2} elements",
                                       "generat: {1} noduri, {2} elemente"};
// The status line. {1} the field, {2} the largest count it takes.
inline constexpr Text kCountAboveLimit{"{1} takes at most {2}: the count typed is not used.",
                                       "{1} este cel mult {2}: numarul introdus nu se foloseste."};
// {1} the first field GENERATE still needs.
inline constexpr Text kGenerateNeeds{"GENERATE needs {1}.", "GENERATE are nevoie de {1}."};
// {1} the file.
inline constexpr Text kSavedTo{"Saved: {1}", "Salvat: {1}"};
// The recent files' drop-down list, while no entry is chosen.
inline constexpr Text kRecentFiles{"Recent files", "Fisiere recente"};
// {1} the file.
inline constexpr Text kRecentFileGone{"{1} is no longer there: it was taken off the recent files.",
                                      "{1} nu mai exista: a fost scos din fisierele recente."};
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
// {1} the program.
inline constexpr Text kFailedRun{"{1}: Failed run!", "{1}: Lansare esuata!"};
// The program's own viewer, when no text editor can be started. {1} the
// file's name.
inline constexpr Text kTextViewerTitle{"ZENTRIX - {1} (read only)", "ZENTRIX - {1} (doar citire)"};
// {1} the path.
inline constexpr Text kTextNotReadable{"The file cannot be read: {1}",
                                       "Fisierul nu poate fi citit: {1}"};
// {1} the number of megabytes shown.
inline constexpr Text kTextCutShort{"[... only the first {1} MB of the file are shown here ...]",
                                    "[... aici se arata doar primii {1} MB ai fisierului ...]"};

// The Coordinates and Topology dialogs.
inline constexpr Text kCoordinatesPrompt2{
    "Input Coordinates X, Y:\nSeparators: Space(s); Comma",
    "Introduceti coordonatele X, Y:\nSeparatori: spatiu(i); virgula"};
inline constexpr Text kCoordinatesPrompt3{
    "Input Coordinates X, Y, Z:\nSeparators: Space(s); Comma",
    "Introduceti coordonatele X, Y, Z:\nSeparatori: spatiu(i); virgula"};
inline constexpr Text kNoNodeSelected{"No Node Selected", "Nu s-a selectat nici un nod."};
inline constexpr Text kWrongCoordinates{"Wrong Coordinates String.", "Sir eronat de coordonate."};
inline constexpr Text kNoElementSelected{"No Element Selected", "Nu s-a selectat nci un element."};
inline constexpr Text kWrongEndNodes{"Wrong End Nodes String", "Sir eronat de noduri de capat."};
// {1} the end node, {2} the nodes of the Base module.
inline constexpr Text kEndNodeOutsideBase{
    "End node {1} is outside the Base module's nodes 1 to {2}.",
    "Nodul de capat {1} este in afara nodurilor 1 - {2} ale modulului de baza."};
inline constexpr Text kZeroEndNodes{"Values 0 in End Nodes", "Valori 0 in nodurile de capat."};

// The ELEMENT TYPES dialog. {1} the field, {2} what was typed.
inline constexpr Text kAreaNotANumber{"{1} is not a number: \"{2}\".",
                                      "{1} nu este un numar: \"{2}\"."};

// The expansion parameter dialogs.
inline constexpr Text kWrongFootCoordinates{"Wrong Foot Coordinates String.",
                                            "Sir eronat pentru coordonatele piciorului."};

// zentrix --help. Its first paragraph is the manual page's one-line summary.
inline constexpr Text kDesktopHelp{
    "zentrix: the desktop program of ZENTRIX, the geometry pre-processor of the\n"
    "KARVEL package, in English or Romanian.\n"
    "Usage: zentrix [--help | --version]\n"
    "\n"
    "Opens the main dialog; it takes no other arguments.\n"
    "\n"
    "Options:\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n"
    "\n"
    "Files, each looked for in the current folder first:\n"
    "  language.dat  a first line starting with R or r chooses Romanian\n"
    "  uir/          the button images, else those installed with the program\n"
    "  ../Doc/       the readmes, else the current folder, else those installed\n"
    "                with the program\n",
    "zentrix: programul desktop al ZENTRIX, preprocesorul de geometrie al\n"
    "pachetului KARVEL, in engleza sau romana.\n"
    "Utilizare: zentrix [--help | --version]\n"
    "\n"
    "Deschide dialogul principal; nu primeste alte argumente.\n"
    "\n"
    "Optiuni:\n"
    "  --help     afiseaza acest ajutor si iese\n"
    "  --version  afiseaza versiunea si iese\n"
    "\n"
    "Fisiere, cautate intai in directorul curent:\n"
    "  language.dat  o prima linie care incepe cu R sau r alege romana\n"
    "  uir/          imaginile butoanelor, altfel cele instalate cu programul\n"
    "  ../Doc/       fisierele readme, altfel directorul curent, altfel cele\n"
    "                instalate cu programul\n"};

}  // namespace zentrix::ui::texts
