#pragma once

#include "framework/win32/GdiHandles.h"
#include "markup/portable/HostSurface.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace fennick {

// Whether two font descriptions are the same to the last byte.
bool SameLogFont(const LOGFONTW& a, const LOGFONTW& b);

// The fonts the markup's styles ask for, each made once with its metrics and kept from one pass
// to the next: making a font again costs GDI far more than finding it, and a font kept keeps
// the glyph measurements GDI has cached for it.
class FontCache {
public:
    // Enough for every style of a busy text; beyond it the font unused longest goes.
    static constexpr std::size_t kCapacity = 64;

    struct Font {
        LOGFONTW logFont{};
        OwnedFont font;
        // A DC of its own holds the font selected, so that GDI keeps it realized with its glyph
        // cache: Wine keeps only a few fonts that no DC holds, and a text of many styles would
        // otherwise realize each again at every selection.
        MemoryDC holder;
        std::optional<GdiSelection> selection; // ends before the DC and the font
        FontMetrics metrics;
        std::uint64_t lastUse = 0;
        bool used = true; // since the last MarkUnused
    };

    FontCache() = default;
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    // The font of the description, made with a DC like dc when missing; none when GDI cannot
    // make it. The font found last is never the one that makes room, so a surface may keep the
    // font it selected while it finds the next one. The result stays valid until ForgetUnused.
    const Font* Find(HDC dc, const LOGFONTW& logFont);

    // Starts a pass whose fonts ForgetUnused keeps.
    void MarkUnused();
    // Deletes the fonts not found since MarkUnused. No font may be selected into a DC then.
    void ForgetUnused();

    std::size_t Size() const { return fonts_.size(); }

private:
    std::vector<std::unique_ptr<Font>> fonts_;
    std::uint64_t clock_ = 0;
};

} // namespace fennick
