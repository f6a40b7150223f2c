// The command line of the registry fallback: whatever the registered command and the target,
// the target reaches the program as exactly one argument, or the command is not run.
#include "markup/portable/AddressOpener.h"
#include "tests/markup/fuzz/FuzzInput.h"

#include <vector>

using namespace fennick;

namespace {

// The arguments of a command-line tail by the rules of the Windows C runtime.
std::vector<std::wstring> SplitArguments(std::wstring_view line)
{
    std::vector<std::wstring> arguments;
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && (line[i] == L' ' || line[i] == L'\t')) {
            ++i;
        }
        if (i == line.size()) {
            return arguments;
        }
        std::wstring argument;
        bool quoted = false;
        while (i < line.size() && (quoted || (line[i] != L' ' && line[i] != L'\t'))) {
            if (line[i] == L'\\') {
                const std::size_t run = std::min(line.find_first_not_of(L'\\', i), line.size()) - i;
                i += run;
                const bool beforeQuote = i < line.size() && line[i] == L'"';
                argument.append(beforeQuote ? run / 2 : run, L'\\');
                if (beforeQuote && run % 2 == 1) {
                    argument.push_back(L'"');
                    ++i;
                }
            } else if (line[i] == L'"') {
                quoted = !quoted;
                ++i;
            } else {
                argument.push_back(line[i++]);
            }
        }
        arguments.push_back(argument);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::wstring input = fuzz::ToText(data, size);
    const std::size_t split = std::min(input.find(L'\x01'), input.size());
    const std::wstring registered = input.substr(0, split);
    const std::wstring target = input.substr(std::min(split + 1, input.size()));
    const std::optional<std::wstring> command = BuildOpenCommand(registered, target);
    if (!IsSafeLinkTarget(target)) {
        fuzz::Check(!command);
    }
    if (!command) {
        return 0;
    }
    const std::wstring appended = L" " + QuoteArgument(target);
    fuzz::Check(command->size() >= appended.size());
    fuzz::Check(command->compare(command->size() - appended.size(), appended.size(), appended) == 0);
    fuzz::Check(
        registered.compare(0, command->size() - appended.size(), *command, 0, command->size() - appended.size()) == 0);
    const std::vector<std::wstring> arguments = SplitArguments(appended);
    fuzz::Check(arguments.size() == 1 && arguments[0] == target);
    return 0;
}
