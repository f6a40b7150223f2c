#pragma once

#include "markup/portable/TextScan.h"

#include <map>
#include <string>
#include <string_view>

namespace fennick {

// Named style classes: declaration texts by lower-case class name. Tags apply "body", "hr",
// "a:link", "a:hover", "table", "tr", "td", their own names and ".name" for class="name".
class StyleSheet {
public:
    StyleSheet(); // with the built-in classes

    void SetStyleClass(std::wstring_view name, std::wstring_view declarations);
    // The declarations of the class, or an empty text; valid until the class is set again.
    const std::wstring& StyleClass(std::wstring_view name) const;

private:
    std::map<std::wstring, std::wstring, LessIgnoringAsciiCase> classes_; // lower-case names
};

} // namespace fennick
