#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fennick {

// The exclusion text as the list of patterns it holds, separated by ";" with spaces around
// them ignored. A pattern is matched against a file's whole name (the path's last component):
// "*" stands for any run of characters, "?" for exactly one, and ASCII letters match in either
// case. A pattern without wildcards that has no dot ("php") or begins with one (".php") names
// an extension. So "*.html;*php;" hides a.html, b.HTML and c.php, but not d.htm or e.h.
class ExclusionPatterns {
public:
    explicit ExclusionPatterns(std::wstring_view text);

    bool Hides(std::wstring_view path) const;

private:
    std::vector<std::wstring> patterns_; // letters folded to lower case
};

} // namespace fennick
