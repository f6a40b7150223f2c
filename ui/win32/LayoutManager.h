#pragma once

#include <windows.h>

#include "ui/portable/AnchoredLayout.h"

namespace fennick {

// Keeps the registered child controls of a resizable window anchored: each follows the
// window's client-size changes by its own move and grow factors.
class LayoutManager {
public:
    LayoutManager() = default;
    LayoutManager(const LayoutManager&) = delete;
    LayoutManager& operator=(const LayoutManager&) = delete;
    virtual ~LayoutManager() = default;

    // Measures changes from the parent's client size now; a second call starts over without
    // controls. Fails for a missing window or an empty client area.
    bool AttachParent(HWND parent);

    // Registers the parent's child `id` at its current rectangle; fails for an unknown child.
    bool AddControl(int id, double moveX, double moveY, double growX, double growY);

    // Follows a new client size (WM_SIZE's width and height); does nothing before attachment.
    void OnParentSize(int width, int height);

private:
    HWND parent_ = nullptr;
    AnchoredLayout<HWND> layout_;
};

} // namespace fennick
