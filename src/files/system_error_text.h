// The reasons of failed file operations in the user's language. The texts
// are the program's own, one per cause on every platform (the Windows unit
// of platform_files translates its codes to the same <cerrno> numbers), so a
// folder given as a file reads "Is a folder" and a path through a regular
// file names the part that is not a folder, in English and in Romanian.
#pragma once

#include <filesystem>
#include <string>

namespace zentrix::files {

// The reason for an <cerrno> number, as the end of a message.
std::string systemErrorText(int error, bool romanian);

// The reason for `error` met on `path`: when a part of the path is a file,
// it names that part ("\"a.dat\" is not a folder"), on every platform.
std::string failureReason(int error, const std::filesystem::path& path, bool romanian);

// "Cannot create the file \"<path>\": <reason>" and its kin, with the path
// as the user gave it and its control characters escaped.
std::string cannotCreate(std::string_view pathText, const std::string& reason, bool romanian);
std::string cannotWrite(std::string_view pathText, const std::string& reason, bool romanian);
std::string cannotOpen(std::string_view pathText, const std::string& reason, bool romanian);
std::string cannotRead(std::string_view pathText, const std::string& reason, bool romanian);

// The one message of a write the user cancelled, for every writer.
std::string writeCancelled(std::string_view pathText, bool romanian);

}  // namespace zentrix::files
