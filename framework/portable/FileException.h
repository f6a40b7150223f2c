#pragma once

#include <exception>
#include <string>

namespace fennick {

// A file operation that failed after the file was opened (or an allocation for one): which
// file, and the system's own description of what went wrong.
class FileException : public std::exception {
public:
    FileException(std::wstring path, std::wstring description);

    // Running out of memory while working on `path`, described as the system describes it.
    static FileException OutOfMemory(std::wstring path);

    const std::wstring& Path() const noexcept { return path_; }

    // The text of the report: the path, a line break and the description.
    std::wstring ReportText() const;

    // Hands this exception to the error report handler (ErrorReport.h).
    void ReportError() const;

    const char* what() const noexcept override;

private:
    std::wstring path_;
    std::wstring description_;
};

} // namespace fennick
