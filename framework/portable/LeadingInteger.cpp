#include "framework/portable/LeadingInteger.h"

#include <climits>

#include "framework/portable/AsciiText.h"

namespace fennick {

int LeadingInteger(std::wstring_view text)
{
    size_t position = 0;
    while (position < text.size() && IsAsciiSpace(text[position]))
        ++position;
    bool negative = false;
    if (position < text.size() && (text[position] == L'-' || text[position] == L'+'))
        negative = text[position++] == L'-';
    // Any magnitude from here on saturates; reading stops so that it cannot overflow.
    constexpr long long kBeyondAnyInt = static_cast<long long>(INT_MAX) + 2;
    long long magnitude = 0;
    for (; position < text.size() && IsAsciiDigit(text[position]) && magnitude < kBeyondAnyInt; ++position)
        magnitude = magnitude * 10 + (text[position] - L'0');
    const long long value = negative ? -magnitude : magnitude;
    return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<int>(value);
}

} // namespace fennick
