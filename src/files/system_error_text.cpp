#include "files/system_error_text.h"

#include <cerrno>
#include <system_error>

#include "files/native_path.h"
#include "model/printable_text.h"

namespace zentrix::files {

namespace {

struct Text {
  int error;
  const char* en;
  const char* ro;
};

// The common causes; any other keeps the system's (English) text, with its
// number for the Romanian reader to look up.
constexpr Text kReasons[] = {
    {ENOENT, "No such file or directory", "Fisierul sau dosarul nu exista"},
    {EACCES, "Permission denied", "Permisiune refuzata"},
    {EPERM, "Permission denied", "Permisiune refuzata"},
    {ENOSPC, "No space left on device", "Nu mai este spatiu pe disc"},
#if defined(EDQUOT)
    {EDQUOT, "Disk quota exceeded", "Cota de disc a fost depasita"},
#endif
    {EROFS, "Read-only file system", "Sistem de fisiere doar pentru citire"},
    {EISDIR, "Is a folder", "Este un dosar"},
    {ENOTDIR, "Not a folder", "Nu este un dosar"},
    {ENAMETOOLONG, "File name too long", "Numele fisierului este prea lung"},
    {EFBIG, "File too large", "Fisierul este prea mare"},
    {EIO, "Input/output error", "Eroare de intrare/iesire"},
    {ENOMEM, "Not enough memory", "Memorie insuficienta"},
    {EINTR, "Cancelled", "Anulat"},
    {ENXIO, "No program reads from this pipe", "Niciun program nu citeste din aceasta conducta"},
    {EAGAIN, "It is a pipe or a terminal, which could make the program wait for ever",
     "Este o conducta sau un terminal, care ar putea face programul sa astepte la nesfarsit"},
#if defined(ELOOP)
    {ELOOP, "Too many levels of symbolic links", "Prea multe legaturi simbolice"},
#endif
    {EEXIST, "File exists", "Fisierul exista"},
};

std::string quotedText(std::string_view text) {
  return "\"" + model::escapedControls(text) + "\"";
}

}  // namespace

std::string systemErrorText(int error, bool romanian) {
  for (const Text& text : kReasons)
    if (text.error == error) return romanian ? text.ro : text.en;
  const std::string system = std::generic_category().message(error);
  if (!romanian) return system;
  return "eroare de sistem " + std::to_string(error) + " (" + system + ")";
}

std::string failureReason(int error, const std::filesystem::path& path, bool romanian) {
  if (error == ENOTDIR || error == ENOENT) {
    // The first part of the path that exists and is not a folder (Windows
    // says only that the path was not found).
    std::filesystem::path part;
    for (const auto& element : path.parent_path()) {
      part /= element;
      std::error_code ignored;
      const auto status = std::filesystem::status(part, ignored);
      if (std::filesystem::exists(status) && !std::filesystem::is_directory(status))
        return quotedText(modelPathText(part)) +
               (romanian ? " nu este un dosar" : " is not a folder");
    }
  }
  return systemErrorText(error, romanian);
}

std::string cannotCreate(std::string_view pathText, const std::string& reason, bool romanian) {
  return (romanian ? "Nu se poate crea fisierul " : "Cannot create the file ") +
         quotedText(pathText) + ": " + reason;
}

std::string cannotWrite(std::string_view pathText, const std::string& reason, bool romanian) {
  return (romanian ? "Nu se poate scrie fisierul " : "Cannot write the file ") +
         quotedText(pathText) + ": " + reason;
}

std::string cannotOpen(std::string_view pathText, const std::string& reason, bool romanian) {
  return (romanian ? "Nu se poate deschide fisierul " : "Cannot open the file ") +
         quotedText(pathText) + ": " + reason;
}

std::string cannotRead(std::string_view pathText, const std::string& reason, bool romanian) {
  return (romanian ? "Nu se poate citi fisierul " : "Cannot read the file ") +
         quotedText(pathText) + ": " + reason;
}

std::string writeCancelled(std::string_view pathText, bool romanian) {
  if (romanian)
    return "Scrierea fisierului " + quotedText(pathText) +
           " a fost anulata; fisierul existent a ramas neschimbat.";
  return "Writing the file " + quotedText(pathText) +
         " was cancelled; an existing file of that name is unchanged.";
}

}  // namespace zentrix::files
