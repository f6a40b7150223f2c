#pragma once

#include <string>
#include <string_view>

namespace fennick {

class StyleParser;

enum class BackgroundImageKind { None, Resource, LibraryResource, File };

// Where the tiled background image of a table comes from, read from one declaration
// "kind: value": "idres: <number>", "iddll: <number>" or "file: <path>".
struct BackgroundImageSource {
    BackgroundImageKind kind = BackgroundImageKind::None;
    int resourceId = 0; // 1..65535 for the resource kinds
    std::wstring path; // for a file
};

// Sources shorter than 6 characters, unknown kinds and resource numbers outside 1..65535 give
// kind None. Numbers are lengths, read as the style parser reads them.
BackgroundImageSource ParseBackgroundImageSource(std::wstring_view text, const StyleParser& parser);

} // namespace fennick
