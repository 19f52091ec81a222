// The texts of the Qt backend: the standard buttons and file dialog labels
// Qt would take from its own catalogue, and the backend's few messages. %1
// is filled by QString::arg.
#pragma once

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

}  // namespace zentrix::ui::qt_texts
