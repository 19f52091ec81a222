#include "files/system_error_text.h"

#include <cerrno>
#include <system_error>

#include "files/file_texts.h"
#include "files/native_path.h"
#include "files/platform_files.h"
#include "model/printable_text.h"

namespace zentrix::files {

namespace {

struct Reason {
  int error;
  model::Text text;
};

// The common causes; any other keeps the system's (English) text, with its
// number for the Romanian reader to look up.
constexpr Reason kReasons[] = {
    {ENOENT, {"No such file or directory", "Fisierul sau dosarul nu exista"}},
    {EACCES, {"Permission denied", "Permisiune refuzata"}},
    {EPERM, {"Permission denied", "Permisiune refuzata"}},
    {ENOSPC, {"No space left on device", "Nu mai este spatiu pe disc"}},
#if defined(EDQUOT)
    {EDQUOT, {"Disk quota exceeded", "Cota de disc a fost depasita"}},
#endif
    {EROFS, {"Read-only file system", "Sistem de fisiere doar pentru citire"}},
    {EISDIR, {"Is a folder", "Este un dosar"}},
    {ENOTDIR, {"Not a folder", "Nu este un dosar"}},
    {ENAMETOOLONG, {"File name too long", "Numele fisierului este prea lung"}},
    {EFBIG, {"File too large", "Fisierul este prea mare"}},
    {EIO, {"Input/output error", "Eroare de intrare/iesire"}},
    {ENOMEM, {"Not enough memory", "Memorie insuficienta"}},
    {EINTR, {"Cancelled", "Anulat"}},
    {ENXIO, {"No program reads from this pipe", "Niciun program nu citeste din aceasta conducta"}},
    {EAGAIN,
     {"It is a pipe or a terminal, which could make the program wait for ever",
      "Este o conducta sau un terminal, care ar putea face programul sa astepte la nesfarsit"}},
#if defined(ELOOP)
    {ELOOP, {"Too many levels of symbolic links", "Prea multe legaturi simbolice"}},
#endif
    {EEXIST, {"File exists", "Fisierul exista"}},
};

}  // namespace

std::string systemErrorText(int error, bool romanian) {
  for (const Reason& reason : kReasons)
    if (reason.error == error) return model::say(reason.text, romanian);
  return model::say(texts::kSystemError, romanian,
                    {std::to_string(error), std::generic_category().message(error)});
}

std::string failureReason(int error, const std::filesystem::path& path, bool romanian) {
  // A relative path in a folder that was deleted: no error number says so.
  int currentError = 0;
  if (path.is_relative() && !platform::currentFolder(currentError) && currentError == ENOENT)
    return model::say(texts::kCurrentFolderDeleted, romanian);
  if (error == ENOTDIR || error == ENOENT) {
    // The first part of the path that exists and is not a folder (Windows
    // says only that the path was not found).
    std::filesystem::path part;
    for (const auto& element : path.parent_path()) {
      part /= element;
      std::error_code ignored;
      const auto status = std::filesystem::status(part, ignored);
      if (std::filesystem::exists(status) && !std::filesystem::is_directory(status))
        return model::say(texts::kNotAFolder, romanian, {model::quotedText(modelPathText(part))});
    }
  }
  return systemErrorText(error, romanian);
}

std::string cannotCreate(std::string_view pathText, const std::string& reason, bool romanian) {
  return model::say(texts::kCannotCreate, romanian, {model::quotedText(pathText), reason});
}

std::string cannotWrite(std::string_view pathText, const std::string& reason, bool romanian) {
  return model::say(texts::kCannotWrite, romanian, {model::quotedText(pathText), reason});
}

std::string cannotOpen(std::string_view pathText, const std::string& reason, bool romanian) {
  return model::say(texts::kCannotOpen, romanian, {model::quotedText(pathText), reason});
}

std::string cannotRead(std::string_view pathText, const std::string& reason, bool romanian) {
  return model::say(texts::kCannotRead, romanian, {model::quotedText(pathText), reason});
}

std::string writeCancelled(std::string_view pathText, bool romanian) {
  return model::say(texts::kWriteCancelled, romanian, {model::quotedText(pathText)});
}

}  // namespace zentrix::files
