#include "framework/portable/ErrorReport.h"

#include <utility>

namespace fennick {

namespace {

ErrorReportHandler& InstalledHandler()
{
    static ErrorReportHandler handler;
    return handler;
}

} // namespace

ErrorReportHandler SetErrorReportHandler(ErrorReportHandler handler)
{
    return std::exchange(InstalledHandler(), std::move(handler));
}

void FileException::ReportError() const
{
    if (const ErrorReportHandler& handler = InstalledHandler()) {
        handler(*this);
    }
}

} // namespace fennick
