#include "markup/portable/AddressOpener.h"

#include <algorithm>

namespace fennick {

namespace {

bool IsControl(wchar_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

std::size_t PlaceholderStart(std::wstring_view command)
{
    if (const std::size_t quoted = command.find(L"\"%1\""); quoted != std::wstring_view::npos) {
        return quoted;
    }
    return std::min(command.find(L"%1"), command.size());
}

} // namespace

bool IsSafeLinkTarget(std::wstring_view target)
{
    return !target.empty() &&
           std::none_of(target.begin(), target.end(), [](wchar_t c) { return c == L'"' || IsControl(c); });
}

std::wstring QuoteArgument(std::wstring_view argument)
{
    const std::size_t lastOther = argument.find_last_not_of(L'\\');
    const std::size_t trailing =
        lastOther == std::wstring_view::npos ? argument.size() : argument.size() - lastOther - 1;
    std::wstring quoted;
    quoted.reserve(argument.size() + trailing + 2);
    quoted.append(L"\"").append(argument).append(trailing, L'\\').append(L"\"");
    return quoted;
}

std::optional<std::wstring> BuildOpenCommand(std::wstring_view registeredCommand, std::wstring_view target)
{
    if (!IsSafeLinkTarget(target)) {
        return std::nullopt;
    }
    std::wstring command(registeredCommand.substr(0, PlaceholderStart(registeredCommand)));
    command.append(L" ").append(QuoteArgument(target));
    if (command.size() >= kMaxCommandLine) {
        return std::nullopt;
    }
    return command;
}

void OpenAddress(PlatformActions& actions, const std::wstring& target, int showCommand)
{
    if (!IsSafeLinkTarget(target) || actions.OpenWithShell(target, showCommand)) {
        return;
    }
    const std::optional<std::wstring> registered = actions.HtmlOpenCommand();
    if (!registered) {
        return;
    }
    if (const std::optional<std::wstring> command = BuildOpenCommand(*registered, target)) {
        actions.StartProcess(*command, showCommand);
    }
}

} // namespace fennick
