#pragma once

#include "markup/portable/Color.h"

#include "markup/portable/TextScan.h"

#include <map>
#include <string>
#include <string_view>

namespace fennick {

// The named colours and the enabled state: a disabled control draws every colour the markup
// asks for in the one disabledColor.
class ColorScheme {
public:
    ColorScheme();

    // The colour of a name (letter case ignored); fallback for an unknown name; disabledColor
    // while disabled.
    Color ColorByName(std::wstring_view name, Color fallback) const;
    void SetColorName(std::wstring_view name, Color color);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool isEnabled) { enabled_ = isEnabled; }
    Color DisabledColor() const { return disabledColor_; }
    void SetDisabledColor(Color color) { disabledColor_ = color; }

    // The colour itself while enabled, else disabledColor.
    Color Shown(Color color) const { return enabled_ ? color : disabledColor_; }

private:
    std::map<std::wstring, Color, LessIgnoringAsciiCase> colorNames_; // lower-case names
    bool enabled_ = true;
    Color disabledColor_ = 0x808080;
};

} // namespace fennick
