#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace fennick {

// A path in the form the system's file functions take: UTF-8 bytes on POSIX systems, a full
// path with the \\?\ prefix on Windows, so that paths of any length are opened in full.
using NativePath = std::filesystem::path::string_type;

// The native form of `path`, or nothing for a path that names no file: one holding a NUL
// (the system would see only the part before it) or, on POSIX, a value that is no character.
std::optional<NativePath> ToNativePath(const std::wstring& path);

} // namespace fennick
