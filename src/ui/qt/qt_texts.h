// The texts of the Qt backend: the standard buttons and file dialog labels
// Qt would take from its own catalogue, and the backend's few messages. %1
// is filled by QString::arg.
#pragma once

#include <array>

#include "model/text.h"

namespace zentrix::ui::qt_texts {

using model::Text;

inline constexpr Text kYes{"&Yes", "&Da"};
inline constexpr Text kNo{"&No", "&Nu"};
inline constexpr Text kRetry{"&Retry", "&Reincercare"};
inline constexpr Text kCancel{"Cancel", "Anulare"};
inline constexpr Text kSave{"&Save", "&Salvare"};
inline constexpr Text kDiscard{"&Discard", "&Renuntare"};
inline constexpr Text kOpen{"&Open", "&Deschidere"};
inline constexpr Text kClose{"&Close", "&Inchide"};
inline constexpr Text kLookIn{"Look in:", "Cauta in:"};
inline constexpr Text kFileName{"File name:", "Nume fisier:"};
inline constexpr Text kFilesOfType{"Files of type:", "Tip fisier:"};
inline constexpr Text kDataFiles{"Data files (*.dat)", "Fisiere de date (*.dat)"};
inline constexpr Text kAllFiles{"All files (*)", "Toate fisierele (*)"};
inline constexpr Text kUnexpectedError{"Unexpected error: %1", "Eroare neasteptata: %1"};
inline constexpr Text kReplaceFile{"%1 already exists.\nDo you want to replace it?",
                                   "%1 exista deja.\nDoriti sa il inlocuiti?"};
inline constexpr Text kNoSuchFolder{"The folder does not exist:\n%1", "Dosarul nu exista:\n%1"};

// Qt's own texts in its file dialog, which a Romanian session translates
// (qt_translator.h): the context Qt looks them up in, and Qt's English
// source text with ours. What QFileDialog::setLabelText sets is above.
struct OwnText {
  const char* context;
  Text text;
};

inline constexpr std::array<OwnText, 58> kQtOwnTexts{
    // The columns of the file list and the names of what it lists.
    OwnText{"QFileSystemModel", {"Name", "Nume"}},
    OwnText{"QFileSystemModel", {"Size", "Marime"}},
    OwnText{"QFileSystemModel", {"Type", "Tip"}},
    OwnText{"QFileSystemModel", {"Kind", "Tip"}},
    OwnText{"QFileSystemModel", {"Date Modified", "Data modificarii"}},
    OwnText{"QFileSystemModel", {"My Computer", "Calculatorul meu"}},
    OwnText{"QFileSystemModel", {"Computer", "Calculator"}},
    OwnText{"QFileSystemModel", {"Invalid filename", "Nume de fisier nevalid"}},
    OwnText{"QFileSystemModel",
            {"<b>The name \"%1\" cannot be used.</b><p>Try using another name, with fewer "
             "characters or no punctuation marks.",
             "<b>Numele \"%1\" nu poate fi folosit.</b><p>Incercati alt nume, cu mai putine "
             "caractere sau fara semne de punctuatie."}},
    OwnText{"QFileSystemModel", {"%1 bytes", "%1 octeti"}},
    OwnText{"QAbstractFileIconProvider", {"Drive", "Unitate"}},
    OwnText{"QAbstractFileIconProvider", {"Folder", "Dosar"}},
    OwnText{"QAbstractFileIconProvider", {"File Folder", "Dosar"}},
    OwnText{"QAbstractFileIconProvider", {"Shortcut", "Scurtatura"}},
    OwnText{"QAbstractFileIconProvider", {"Unknown", "Necunoscut"}},
    // The dialog's buttons, their tool tips, its menu and its questions.
    OwnText{"QFileDialog", {"Look in:", "Cauta in:"}},
    OwnText{"QFileDialog", {"Back", "Inapoi"}},
    OwnText{"QFileDialog", {"Go back", "Inapoi"}},
    OwnText{"QFileDialog", {"Forward", "Inainte"}},
    OwnText{"QFileDialog", {"Go forward", "Inainte"}},
    OwnText{"QFileDialog", {"Parent Directory", "Dosarul parinte"}},
    OwnText{"QFileDialog", {"Go to the parent directory", "La dosarul parinte"}},
    OwnText{"QFileDialog", {"Create New Folder", "Dosar nou"}},
    OwnText{"QFileDialog", {"Create a New Folder", "Creati un dosar nou"}},
    OwnText{"QFileDialog", {"List View", "Lista"}},
    OwnText{"QFileDialog", {"Change to list view mode", "Arata fisierele ca lista"}},
    OwnText{"QFileDialog", {"Detail View", "Detalii"}},
    OwnText{"QFileDialog", {"Change to detail view mode", "Arata detaliile fisierelor"}},
    OwnText{"QFileDialog", {"Sidebar", "Bara laterala"}},
    OwnText{"QFileDialog", {"List of places and bookmarks", "Locuri si semne de carte"}},
    OwnText{"QFileDialog", {"Files", "Fisiere"}},
    OwnText{"QFileDialog", {"Files of type:", "Tip fisier:"}},
    OwnText{"QFileDialog", {"File &name:", "&Nume fisier:"}},
    OwnText{"QFileDialog", {"Directory:", "Dosar:"}},
    OwnText{"QFileDialog", {"Directories", "Dosare"}},
    OwnText{"QFileDialog", {"Open", "Deschidere"}},
    OwnText{"QFileDialog", {"Save As", "Salvare ca"}},
    OwnText{"QFileDialog", {"&Open", "&Deschidere"}},
    OwnText{"QFileDialog", {"&Save", "&Salvare"}},
    OwnText{"QFileDialog", {"&Choose", "&Alegere"}},
    OwnText{"QFileDialog", {"&Rename", "&Redenumire"}},
    OwnText{"QFileDialog", {"&Delete", "&Stergere"}},
    OwnText{"QFileDialog", {"Show &hidden files", "Arata fisierele &ascunse"}},
    OwnText{"QFileDialog", {"&New Folder", "Dosar &nou"}},
    OwnText{"QFileDialog", {"New Folder", "Dosar nou"}},
    OwnText{"QFileDialog", {"Find Directory", "Cautare dosar"}},
    OwnText{"QFileDialog", {"Recent Places", "Locuri recente"}},
    OwnText{"QFileDialog", {"All Files (*)", "Toate fisierele (*)"}},
    OwnText{"QFileDialog", {"My Computer", "Calculatorul meu"}},
    OwnText{"QFileDialog", {"Computer", "Calculator"}},
    OwnText{"QFileDialog", {"Unknown", "Necunoscut"}},
    OwnText{"QFileDialog", {"Delete", "Stergere"}},
    OwnText{"QFileDialog",
            {"Are you sure you want to delete '%1'?", "Sigur doriti sa stergeti '%1'?"}},
    OwnText{"QFileDialog",
            {"'%1' is write protected.\nDo you want to delete it anyway?",
             "'%1' este protejat la scriere.\nDoriti totusi sa il stergeti?"}},
    OwnText{"QFileDialog", {"Could not delete directory.", "Dosarul nu a putut fi sters."}},
    OwnText{"QFileDialog",
            {"%1\nDirectory not found.\nPlease verify the correct directory name was given.",
             "%1\nDosarul nu a fost gasit.\nVerificati numele dosarului."}},
    OwnText{"QFileDialog",
            {"%1\nFile not found.\nPlease verify the correct file name was given.",
             "%1\nFisierul nu a fost gasit.\nVerificati numele fisierului."}},
    OwnText{"QFileDialog",
            {"%1 already exists.\nDo you want to replace it?",
             "%1 exista deja.\nDoriti sa il inlocuiti?"}},
};

}  // namespace zentrix::ui::qt_texts
