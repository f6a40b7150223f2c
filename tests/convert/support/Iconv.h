#pragma once

#include <optional>
#include <span>

#include "tests/framework/support/TestDirectory.h"

namespace fennick::test {

// `text` converted by iconv from the encoding `from` to the encoding `to`, or nothing when
// iconv rejects any of it.
std::optional<Bytes> ConvertByIconv(const char* to, const char* from, std::span<const unsigned char> text);

} // namespace fennick::test
