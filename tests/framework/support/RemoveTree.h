#pragma once

#include <filesystem>

namespace fennick::test {

// Removes `root` and everything in it, read-only files and paths of any length included, as
// far as possible: it runs when a test ends, whatever happened in it.
void RemoveTree(const std::filesystem::path& root) noexcept;

} // namespace fennick::test
