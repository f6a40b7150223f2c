#include "controls/portable/LeadingInteger.h"

#include <climits>

namespace fennick {

namespace {

struct SignedDigits {
    bool negative;
    std::wstring_view digits; // without leading zeros, so the length orders the magnitudes
};

constexpr bool IsWhiteSpace(wchar_t character)
{
    return character == L' ' || (character >= L'\t' && character <= L'\r');
}

SignedDigits ReadSignedDigits(std::wstring_view text)
{
    size_t position = 0;
    while (position < text.size() && IsWhiteSpace(text[position]))
        ++position;
    bool negative = false;
    if (position < text.size() && (text[position] == L'-' || text[position] == L'+'))
        negative = text[position++] == L'-';
    while (position < text.size() && text[position] == L'0')
        ++position;
    const size_t first = position;
    while (position < text.size() && IsDecimalDigit(text[position]))
        ++position;
    const std::wstring_view digits = text.substr(first, position - first);
    return {negative && !digits.empty(), digits};
}

int CompareMagnitudes(std::wstring_view first, std::wstring_view second)
{
    if (first.size() != second.size())
        return first.size() < second.size() ? -1 : 1;
    const int order = first.compare(second);
    return (order > 0) - (order < 0);
}

} // namespace

int LeadingInteger(std::wstring_view text)
{
    const SignedDigits number = ReadSignedDigits(text);
    long long value = 0;
    for (const wchar_t digit : number.digits) {
        value = value * 10 + (digit - L'0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            break; // saturates below, as the run-time does
    }
    if (number.negative)
        return value > static_cast<long long>(INT_MAX) ? INT_MIN : static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

int CompareLeadingIntegers(std::wstring_view first, std::wstring_view second)
{
    const SignedDigits a = ReadSignedDigits(first);
    const SignedDigits b = ReadSignedDigits(second);
    if (a.negative != b.negative)
        return a.negative ? -1 : 1;
    const int magnitudeOrder = CompareMagnitudes(a.digits, b.digits);
    return a.negative ? -magnitudeOrder : magnitudeOrder;
}

} // namespace fennick
