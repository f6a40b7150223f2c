#pragma once

#include <string>

namespace fennick {

// The markup a demo label shows, by its control id.
std::wstring DemoMarkup(int labelId);

// The status line's text after a message link sent `message` to the demo.
std::wstring StatusMarkup(const std::wstring& message);

} // namespace fennick
