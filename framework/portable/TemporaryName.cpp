#include "framework/portable/TemporaryName.h"

#include <cstdio>
#include <random>

namespace fennick {

NativePath TemporaryPathBeside(const NativePath& target)
{
    static std::mt19937_64 generator{std::random_device{}()};
    constexpr auto separator = std::filesystem::path::preferred_separator;

    char name[32];
    const int length =
        std::snprintf(name, sizeof name, "~fennick-%016llx.tmp", static_cast<unsigned long long>(generator()));
    const auto lastSeparator = target.find_last_of(separator);
    NativePath path = lastSeparator == NativePath::npos ? NativePath(1, '.') : target.substr(0, lastSeparator);
    path += separator;
    path.append(name, name + length);
    return path;
}

} // namespace fennick
