#pragma once

#include "markup/portable/HostSurface.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace fennick {

// Takes from the front of run the piece that fits into space (the width left on the line; the
// whole line is lineWidth wide) and leaves the rest in run; space receives the piece's width.
// The piece ends after a break character (" -.,!:;)}]?"), without trailing spaces, and the
// rest loses its leading spaces. When not even the first word fits, the piece is empty and the
// run moves whole to the next line, unless the line is empty (space == lineWidth): then the word
// is cut between characters, taking at least one, so every call on an empty line makes progress.
std::wstring BreakLine(const HostSurface& surface, std::wstring& run, int lineWidth, int& space);

std::size_t CountChar(std::wstring_view text, wchar_t character);

} // namespace fennick
