#include "framework/portable/FileException.h"

#include <utility>

namespace fennick {

FileException::FileException(std::wstring path, std::wstring description)
    : path_(std::move(path)), description_(std::move(description))
{}

std::wstring FileException::ReportText() const
{
    return path_ + L"\n" + description_;
}

const char* FileException::what() const noexcept
{
    return "file operation failed";
}

} // namespace fennick
