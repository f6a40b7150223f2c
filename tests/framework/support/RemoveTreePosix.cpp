#include "tests/framework/support/RemoveTree.h"

namespace fennick::test {

void RemoveTree(const std::filesystem::path& root) noexcept
{
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

} // namespace fennick::test
