#pragma once

#include <cstddef>

namespace fennick::testing {

// How many blocks from operator new are still allocated in this program.
std::ptrdiff_t LiveAllocations();

} // namespace fennick::testing
