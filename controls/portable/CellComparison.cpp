#include "controls/portable/CellComparison.h"

#include <algorithm>
#include <array>

#include "controls/portable/LeadingInteger.h"

namespace fennick {

namespace {

constexpr size_t kDateLength = 10;

// A part of the text at a fixed position; nothing where the text is too short.
std::wstring_view Part(std::wstring_view text, size_t position, size_t length)
{
    return position < text.size() ? text.substr(position, length) : std::wstring_view{};
}

int Order(int first, int second)
{
    return (first > second) - (first < second);
}

int CompareKnownKinds(const std::wstring& first, const std::wstring& second, TextComparer compareTexts)
{
    if (IsNumberText(first))
        return CompareNumberTexts(first, second);
    if (IsDateText(first))
        return CompareDateTexts(first, second);
    return compareTexts(first.c_str(), second.c_str());
}

} // namespace

bool IsNumberText(std::wstring_view text)
{
    return std::all_of(text.begin(), text.end(), IsDecimalDigit);
}

bool IsDateText(std::wstring_view text)
{
    if (text.size() != kDateLength)
        return false;
    for (size_t i = 0; i < kDateLength; ++i) {
        const bool separator = i == 2 || i == 5;
        if (separator ? text[i] != L'/' : !IsDecimalDigit(text[i]))
            return false;
    }
    return true;
}

int CompareNumberTexts(std::wstring_view first, std::wstring_view second)
{
    return CompareLeadingIntegers(first, second);
}

int CompareDateTexts(std::wstring_view first, std::wstring_view second)
{
    struct Field {
        size_t position;
        size_t length;
    };
    constexpr std::array<Field, 3> kMostSignificantFirst{{{6, 4}, {3, 2}, {0, 2}}};
    for (const Field field : kMostSignificantFirst) {
        const int order = Order(LeadingInteger(Part(first, field.position, field.length)),
                                LeadingInteger(Part(second, field.position, field.length)));
        if (order != 0)
            return order;
    }
    return 0;
}

int CompareCells(const std::wstring& first, const std::wstring& second, bool ascending, TextComparer compareTexts)
{
    return ascending ? CompareKnownKinds(first, second, compareTexts) : CompareKnownKinds(second, first, compareTexts);
}

} // namespace fennick
