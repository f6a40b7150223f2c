#pragma once

#include "framework/portable/NativePath.h"

namespace fennick {

// A fresh path for a temporary file in the folder of `target`: "~fennick-" and 16 random
// hexadecimal digits, so that names collide only by rare chance (creators still refuse an
// existing name and ask again).
NativePath TemporaryPathBeside(const NativePath& target);

} // namespace fennick
