#pragma once

#include <map>
#include <string>
#include <string_view>

namespace fennick {

// Orders texts by their UTF-16 code units, as Windows compares wide strings: case-sensitive, so
// .TXT comes before .txt, and "없음" comes after every ASCII key. Where wchar_t holds whole code
// points the supplementary characters are placed as their surrogates would be, so the order is
// the same on every platform.
struct Utf16Less {
    using is_transparent = void;
    bool operator()(std::wstring_view left, std::wstring_view right) const;
};

// Extension key -> number of shown files with that key, in key order.
using ExtensionTable = std::map<std::wstring, int, Utf16Less>;

// Counts one more file under the key.
void CountExtension(ExtensionTable& table, std::wstring_view key);

} // namespace fennick
