#pragma once

#include <functional>

#include "framework/portable/FileException.h"

namespace fennick {

// Where the reports of failed file operations go. There is one handler for the whole program:
// the main window installs one that shows a message box, tests install one that collects the
// reports. Until a handler is installed, reports are dropped, so nothing can ever wait on a box
// that nobody asked for.
using ErrorReportHandler = std::function<void(const FileException&)>;

// Installs `handler` (an empty one drops reports) and returns the handler it replaces.
ErrorReportHandler SetErrorReportHandler(ErrorReportHandler handler);

} // namespace fennick
