#include "markup/win32/FontCache.h"

#include <algorithm>
#include <cstring>

namespace fennick {

bool SameLogFont(const LOGFONTW& a, const LOGFONTW& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

const FontCache::Font* FontCache::Find(HDC dc, const LOGFONTW& logFont)
{
    const auto found = std::find_if(fonts_.begin(), fonts_.end(), [&](const std::unique_ptr<Font>& font) {
        return SameLogFont(font->logFont, logFont);
    });
    if (found != fonts_.end()) {
        (*found)->lastUse = ++clock_;
        (*found)->used = true;
        return found->get();
    }
    auto made = std::make_unique<Font>();
    made->logFont = logFont;
    made->font.reset(CreateFontIndirectW(&logFont));
    made->holder = MakeMemoryDC(dc);
    if (!made->font || !made->holder) {
        return nullptr;
    }
    made->selection.emplace(made->holder.get(), made->font.get());
    TEXTMETRICW metrics{};
    GetTextMetricsW(made->holder.get(), &metrics);
    made->metrics = {metrics.tmHeight, metrics.tmAscent, metrics.tmDescent};
    made->lastUse = ++clock_;
    if (fonts_.size() >= kCapacity) {
        const auto oldest = std::min_element(fonts_.begin(), fonts_.end(),
                                             [](const auto& a, const auto& b) { return a->lastUse < b->lastUse; });
        fonts_.erase(oldest);
    }
    fonts_.push_back(std::move(made));
    return fonts_.back().get();
}

void FontCache::ForgetUnused()
{
    std::erase_if(fonts_, [](const std::unique_ptr<Font>& font) { return !font->used; });
}

void FontCache::MarkUnused()
{
    for (const std::unique_ptr<Font>& font : fonts_) {
        font->used = false;
    }
}

} // namespace fennick
