#pragma once

#include "markup/portable/HostSurface.h"
#include "markup/win32/DrawManager.h"
#include "markup/win32/GdiImage.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <list>
#include <map>
#include <memory>

namespace fennick {

// The images of a text, each loaded once (an icon read once) and kept from one pass to the next
// with the looks it was drawn in, so that a repaint or a hover draws without loading or
// transforming anything. The owner's images (handles) are read anew at every opening and
// nothing of them is kept: the owner may change them at any time. Memory stays bounded: a
// text of many images keeps the ones used last.
class ImageCache {
public:
    static constexpr std::size_t kMaxImages = 64;
    static constexpr std::size_t kMaxLooks = 64;
    static constexpr std::int64_t kMaxLookPixels = std::int64_t{1} << 20; // of all looks together

    ImageCache() = default;
    ImageCache(const ImageCache&) = delete;
    ImageCache& operator=(const ImageCache&) = delete;

    // The image the request names, loaded at its first request; none when it cannot be loaded.
    std::shared_ptr<const GdiImage> Open(const ImageRequest& request);

    // Draws the image as the drawing asks, prepared for that look at its first drawing.
    void Draw(HDC dc, DrawManager& drawManager, const GdiImage& image, const ImageDrawing& drawing);

    // Starts a pass whose images ForgetUnused keeps.
    void MarkUnused();
    // Lets go of the images not opened since MarkUnused, and of the looks not drawn since.
    void ForgetUnused();
    // Lets go of every image, so that each is loaded anew (a file may have changed).
    void Clear();

private:
    struct RequestOrder {
        bool operator()(const ImageRequest& a, const ImageRequest& b) const;
    };
    struct Entry {
        std::shared_ptr<const GdiImage> image; // none: it could not be loaded
        std::uint64_t lastUse = 0;
        bool used = true; // since the last MarkUnused
    };
    struct Look {
        std::uint64_t serial; // of the image
        ImageDrawing drawing; // its box moved to (0, 0)
        PreparedImage prepared;
        bool used = true; // since the last MarkUnused
    };

    bool Keeps(const GdiImage& image) const;
    void ForgetLooksOf(std::uint64_t serial);
    void ForgetLooksIf(const std::function<bool(const Look&)>& forget);
    void TrimLooks();

    std::map<ImageRequest, Entry, RequestOrder> images_;
    std::list<Look> looks_; // the one drawn last first
    std::int64_t lookPixels_ = 0;
    std::uint64_t clock_ = 0;
};

} // namespace fennick
