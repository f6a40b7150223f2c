#pragma once

#include <string>
#include <vector>

namespace fennick {

// Full paths of every collected file in collection order: files only, duplicates kept, and
// not filtered (the exclusion text is applied each time the lists are rebuilt).
using CollectedPaths = std::vector<std::wstring>;

} // namespace fennick
