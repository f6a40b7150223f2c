#include "markup/portable/BackgroundImageSource.h"

#include "markup/portable/StyleParser.h"

#include "framework/portable/AsciiText.h"

namespace fennick {

BackgroundImageSource ParseBackgroundImageSource(std::wstring_view text, const StyleParser& parser)
{
    BackgroundImageSource source;
    std::size_t position = 0;
    const auto declaration = text.size() >= 6 ? ReadDeclaration(text, position) : std::nullopt;
    if (!declaration || !declaration->hasColon) {
        return source;
    }
    if (declaration->name == L"file") {
        if (!declaration->value.empty()) {
            source.kind = BackgroundImageKind::File;
            source.path = declaration->value;
        }
        return source;
    }
    const bool resource = declaration->name == L"idres";
    if (!resource && declaration->name != L"iddll") {
        return source;
    }
    // Resource names are 16-bit numbers; anything larger would be cut to another resource.
    const int number = parser.ParseLength(declaration->value, 0, false);
    if (number >= 1 && number <= 0xFFFF) {
        source.kind = resource ? BackgroundImageKind::Resource : BackgroundImageKind::LibraryResource;
        source.resourceId = number;
    }
    return source;
}

} // namespace fennick
