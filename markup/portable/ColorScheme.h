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

    bool Enabled() const { return enabled; }
    void SetEnabled(bool isEnabled) { enabled = isEnabled; }
    Color DisabledColor() const { return disabledColor; }
    void SetDisabledColor(Color color) { disabledColor = color; }

    // The colour itself while enabled, else disabledColor.
    Color Shown(Color color) const { return enabled ? color : disabledColor; }

private:
    std::map<std::wstring, Color, LessIgnoringAsciiCase> colorNames; // lower-case names
    bool enabled = true;
    Color disabledColor = 0x808080;
};

} // namespace fennick
