#pragma once

#include <windows.h>

#include <memory>
#include <string_view>

namespace fennick {

// A font handle owned by the object; the handle is null when creation failed.
class Font {
public:
    explicit Font(HFONT handle) : handle_(handle) {}
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    ~Font();

    HFONT Handle() const { return handle_; }

private:
    HFONT handle_;
};

// A font of `points` for the device `dc`, with its height and average width scaled by the two
// percentages (a width of exactly 100 % keeps the face's own proportions).
std::unique_ptr<Font> CreateScaledFont(HDC dc, double points, std::wstring_view faceName, bool bold, bool italic,
                                       bool underline, bool strikeOut, double widthPercent, double heightPercent);

} // namespace fennick
