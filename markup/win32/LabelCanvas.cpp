#include "markup/win32/LabelCanvas.h"

namespace fennick {

bool LabelCanvas::Start(HDC target, const RECT& client, const SelectedBitmap& background, const RECT& area)
{
    if (!background) {
        return false;
    }
    if (!canvas_ || size_.cx != client.right || size_.cy != client.bottom) {
        canvas_.Reset(target, OwnedBitmap(CreateCompatibleBitmap(target, client.right, client.bottom)));
        if (!canvas_) {
            return false;
        }
        size_ = {client.right, client.bottom};
    }
    const HDC dc = canvas_.Dc();
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, background.Dc(), area.left,
           area.top, SRCCOPY);
    SelectClipRgn(dc, nullptr);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    return true;
}

} // namespace fennick
