#pragma once

#include "markup/portable/PlatformActions.h"

#include <optional>
#include <string>
#include <string_view>

namespace fennick {

// The longest command line Windows starts a process with, terminating zero included.
constexpr std::size_t kMaxCommandLine = 32767;

// A target that may be handed on: not empty, with no double quote (which could end the quoted
// argument and add arguments of its own) and no control character.
bool IsSafeLinkTarget(std::wstring_view target);

// The target as one quoted command-line argument; backslashes before the closing quote are
// doubled so that it stays closed.
std::wstring QuoteArgument(std::wstring_view argument);

// The registered command cut at its first "%1" (quoted or, failing that, bare) with the quoted
// target appended; nothing for an unsafe target or a command line too long to start.
std::optional<std::wstring> BuildOpenCommand(std::wstring_view registeredCommand, std::wstring_view target);

// Opens an address with the shell, or else with the program registered for web pages.
void OpenAddress(PlatformActions& actions, const std::wstring& target, int showCommand);

} // namespace fennick
