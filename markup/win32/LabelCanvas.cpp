#include "markup/win32/LabelCanvas.h"

namespace fennick {

bool LabelCanvas::Start(HDC target, const RECT& client, HBITMAP background, const RECT& area)
{
    if (background == nullptr) {
        return false;
    }
    if (!selection_ || size_.cx != client.right || size_.cy != client.bottom) {
        selection_.reset();
        bitmap_.reset(CreateCompatibleBitmap(target, client.right, client.bottom));
        if (!dc_) {
            dc_ = MakeMemoryDC(target);
        }
        if (!dc_ || !bitmap_) {
            return false;
        }
        selection_.emplace(dc_.get(), bitmap_.get());
        size_ = {client.right, client.bottom};
    }
    const MemoryDC source = MakeMemoryDC(target);
    const GdiSelection sourceSelection(source.get(), background);
    BitBlt(dc_.get(), area.left, area.top, area.right - area.left, area.bottom - area.top, source.get(), area.left,
           area.top, SRCCOPY);
    SelectClipRgn(dc_.get(), nullptr);
    IntersectClipRect(dc_.get(), area.left, area.top, area.right, area.bottom);
    return true;
}

} // namespace fennick
