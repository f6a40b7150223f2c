#pragma once

#include "framework/win32/GdiHandles.h"
#include "markup/portable/HostSurface.h"
#include "markup/win32/DrawManager.h"
#include "markup/win32/IconBitmaps.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <memory>

namespace fennick {

// A bitmap or an icon of the markup. A bitmap loaded here is deleted with this object; the
// owner's bitmap (a handle in the markup) is only borrowed. An icon is read into its bitmaps
// once, when it is opened, and drawn from them.
class GdiImage final : public SurfaceImage {
public:
    // The image the request names, or none when it cannot be loaded.
    static std::shared_ptr<GdiImage> Open(const ImageRequest& request);
    // Icon `index` of an image list, or none for an index outside it.
    static std::shared_ptr<GdiImage> OpenListIcon(HIMAGELIST list, int index);

    // Whether the request names an image of the owner's (a handle), which may change between
    // passes and so is read anew each time.
    static bool IsOwnersImage(const ImageRequest& request);

    GdiImage(const GdiImage&) = delete;
    GdiImage& operator=(const GdiImage&) = delete;
    ~GdiImage() override = default;

    PixelSize Size() const override { return size_; }
    // Tells images apart for as long as the program runs, unlike their addresses.
    std::uint64_t Serial() const { return serial_; }

    // The image made ready to draw as the drawing asks (its box gives the size).
    PreparedImage Prepare(HDC dc, DrawManager& drawManager, const ImageDrawing& drawing) const;

private:
    GdiImage(HBITMAP bitmap, OwnedBitmap owned);
    explicit GdiImage(IconBitmaps icon);

    HBITMAP bitmap_ = nullptr; // ownBitmap_ or the owner's; none for an icon
    OwnedBitmap ownBitmap_;
    IconBitmaps icon_;
    PixelSize size_;
    std::uint64_t serial_;
};

} // namespace fennick
