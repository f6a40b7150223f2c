#include "markup/portable/BackgroundImageSource.h"

#include <array>
#include <cwchar>
#include <optional>

#include "framework/portable/AsciiText.h"

namespace fennick {

namespace {

bool IsNameStart(wchar_t c)
{
    return IsAsciiDigit(c) || IsAsciiLetter(c) || c == L'.';
}

struct Declaration {
    std::wstring_view name;
    std::wstring_view value;
};

// One "name: value" declaration as style text is scanned: the name runs to a space or ":", the
// value follows the ":" and any spaces or ";", and runs to the next ";" unless it is quoted.
std::optional<Declaration> ReadDeclaration(std::wstring_view text)
{
    std::size_t position = 0;
    while (position < text.size() && !IsNameStart(text[position])) {
        ++position;
    }
    const std::size_t nameEnd = text.find_first_of(L" :", position);
    if (position == text.size() || nameEnd == std::wstring_view::npos) {
        return std::nullopt;
    }
    Declaration declaration{text.substr(position, nameEnd - position), {}};
    position = text.find_first_not_of(L' ', nameEnd);
    if (position == std::wstring_view::npos || text[position] != L':') {
        return declaration;
    }
    position = text.find_first_not_of(L" ;", position + 1);
    if (position == std::wstring_view::npos) {
        return declaration;
    }
    if (text[position] == L'"') {
        const std::size_t closing = text.find(L'"', position + 1);
        if (closing != std::wstring_view::npos) {
            declaration.value = text.substr(position + 1, closing - position - 1);
        }
        return declaration;
    }
    declaration.value = text.substr(position, text.find(L';', position) - position);
    return declaration;
}

// A resource number written as a length: a percentage of nothing is 0, a sign is dropped,
// "px" is read as decimal and a bare number in any C base. Units that depend on the device
// make no sense for a resource and give 0.
unsigned long long ReadResourceNumber(std::wstring_view value)
{
    if (value.empty() || value.back() == L'%') {
        return 0;
    }
    if (value.front() == L'+' || value.front() == L'-') {
        value.remove_prefix(1);
    }
    const std::wstring digits(value);
    const std::wstring_view unit = value.size() >= 2 ? value.substr(value.size() - 2) : std::wstring_view{};
    if (unit == L"px") {
        return std::wcstoull(digits.c_str(), nullptr, 10);
    }
    constexpr std::array<std::wstring_view, 7> deviceUnits{L"ex", L"em", L"in", L"cm", L"mm", L"pt", L"pc"};
    for (std::wstring_view deviceUnit : deviceUnits) {
        if (unit == deviceUnit) {
            return 0;
        }
    }
    return std::wcstoull(digits.c_str(), nullptr, 0);
}

} // namespace

BackgroundImageSource ParseBackgroundImageSource(std::wstring_view text)
{
    BackgroundImageSource source;
    const auto declaration = text.size() >= 6 ? ReadDeclaration(text) : std::nullopt;
    if (!declaration) {
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
    const unsigned long long number = ReadResourceNumber(declaration->value);
    if (number >= 1 && number <= 0xFFFF) {
        source.kind = resource ? BackgroundImageKind::Resource : BackgroundImageKind::LibraryResource;
        source.resourceId = static_cast<int>(number);
    }
    return source;
}

} // namespace fennick
