#pragma once

#include "markup/portable/HostSurface.h"

#include <cstddef>
#include <string_view>

namespace fennick {

struct LinePiece {
    std::wstring_view text;
    int width = 0;
};

// Takes from the front of run what goes on the line and leaves the rest in run. All of it when
// it fits into space (the width left on the line); else the part up to and including the last
// break character (" -.,!:;)}]?") that fits, without trailing spaces, the rest losing its
// leading spaces. When not even the first word fits, the piece is empty and the run, without
// leading spaces, waits for the next line, unless the line is empty: then the word is cut
// between characters, taking one
// at least, so that every call on an empty line makes progress. Only about as much text as the
// piece holds is measured, so breaking a long run into many lines takes linear time.
LinePiece BreakLine(const HostSurface& surface, std::wstring_view& run, int space, bool lineIsEmpty);

std::size_t CountChar(std::wstring_view text, wchar_t character);

} // namespace fennick
