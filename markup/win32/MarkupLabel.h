#pragma once

#include "framework/win32/Control.h"
#include "framework/win32/GdiHandles.h"
#include "markup/portable/BackgroundEffect.h"
#include "markup/portable/Color.h"
#include "markup/portable/LabelPlacement.h"
#include "markup/portable/MarkupDrawer.h"
#include "markup/win32/DrawManager.h"
#include "markup/win32/GdiSurface.h"
#include "markup/win32/LabelCanvas.h"
#include "markup/win32/SelectedBitmap.h"
#include "markup/win32/Win32PlatformActions.h"

#include <windows.h>

#include <string>

namespace fennick {

// A static control that shows its window text as markup. Every paint lays the text out again
// and composes it over a cached background in memory, so the label never flickers; the fonts
// and images of the text are kept from one paint to the next while the text uses them. Links
// follow the pointer and clicks, and animated strips move on the ticks of kAnimationTimerId.
// Attach it to a static of a dialog template; it takes the static's text, font and enabled
// state. Configure it (margins, alignment, colours, background, frame, corners) at any time:
// each setter shows its effect at once.
class MarkupLabel : public Control {
public:
    // The timer whose ticks advance the animated strips, started and stopped by the owner.
    static constexpr UINT_PTR kAnimationTimerId = 260;
    // Draws the laid-out text again over the cached background without laying it out anew.
    static constexpr UINT kRecomposeMessage = WM_APP + 100;
    // No colour forced on the whole text.
    static constexpr Color kNoTextColor = 0xFFFFFFFF;

    // The sources are where links reach the shell and the registry; tests replace them.
    explicit MarkupLabel(const Win32ActionSources& sources = {});
    ~MarkupLabel() override;

    // The layout engine: tags, style classes, colour names, link cursor and link targets, image
    // list, shadow and tab width.
    MarkupDrawer& Drawer() { return drawer_; }

    void SetMargins(int marginX, int marginY);
    // kAlign* bits; a pair left at 0 follows the window style (SS_CENTER, SS_RIGHT, SS_CENTERIMAGE).
    void SetAlignFlags(int alignFlags);
    // A colour for the whole text, or kNoTextColor.
    void SetTextColor(Color textColor);
    // On: the text is laid out as given, without the text colour and without the no-wrap
    // style's minimum width. Setting a new window text turns it off again.
    void SetRawText(bool rawText);

    // The background: a fill with an effect (the default is solid in the dialog colour) or a
    // copy of whatever lies beneath the label on the screen when it first paints.
    void SetBackgroundEffect(BackgroundEffect effect, Color startColor, Color midColor, Color endColor,
                             int effectParam = 0);
    void SetBackgroundFromScreen();

    // A frame of strokes width x height around the label (following its rounded corners).
    void SetFrame(Color color, int width, int height);
    void RemoveFrame();
    // Rounded corners with ellipses of width x height, kept through every size change; a width
    // or height of 0 squares them again. The corners show the parent.
    void SetRoundCorners(int cornerWidth, int cornerHeight);

    // Ticks of kAnimationTimerId every `period` milliseconds (from attaching, if not attached yet).
    void StartAnimation(UINT period);
    void StopAnimation();

    // Where the last paint put the text block, in client coordinates, and its measured size.
    const PixelRect& TextRect() const { return textRect_; }
    PixelSize TextSize() const { return textSize_; }

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    enum class BackMode { Effect, ScreenCopy };

    void OnPaint();
    bool OnSetCursor();
    void OnLButtonDown(POINT point);
    void OnMouseMove();
    void OnTimer(UINT_PTR id);
    void OnEnable(bool enabled);
    void OnSize();
    void OnSetText(const wchar_t* text);
    LRESULT OnGetText(WPARAM capacity, wchar_t* buffer) const;
    void OnSetFont(HFONT font);
    void OnMouseLeave();

    std::wstring MarkupToShow() const;
    RECT ClientRect() const;
    bool NeedsBackground(const RECT& client) const;
    void BuildBackground(HDC dc, const RECT& client);
    void DropBackground();
    // Draws the background and the text of the last layout into `target`, within `area` (client
    // coordinates) when one is given; null draws on the window itself.
    void Compose(HDC target, const RECT* area = nullptr);
    void DrawMarkup(GdiSurface& surface);
    // Copies the area of the finished canvas to the target, inside the region, and frames it.
    void Present(HDC target, HDC canvas, const RECT& client, const RECT& area);
    // Where links `first` and `second` are drawn, with room for an image's shadow.
    RECT LinkBounds(int first, int second) const;
    // Follows the pointer at a client point; true when it showed the link cursor.
    bool HoverAt(POINT point);
    // Gives the window the rounded region of its size, or takes a region away.
    void ShapeCorners();
    // Installs the region (none for a rectangle) without repainting.
    void InstallRegion(OwnedRegion region);
    void Invalidate();

    Win32PlatformActions actions_;
    DrawManager drawManager_;
    SurfaceCache surfaceCache_;
    LabelCanvas canvas_;
    SelectedBitmap background_;
    OwnedRegion windowRegion_; // in client coordinates; the window holds its own copy
    bool roundRegion_ = false;
    int cornerWidth_ = 0;
    int cornerHeight_ = 0;
    OwnedBrush frameBrush_;
    int frameWidth_ = 1;
    int frameHeight_ = 1;
    int marginX_ = 0;
    int marginY_ = 0;
    PixelRect textRect_;
    PixelSize textSize_;
    MarkupDrawer drawer_;
    int alignFlags_ = 0;
    std::wstring text_;
    bool enabled_ = true;
    bool trackingLeave_ = false; // a WM_MOUSELEAVE is asked for
    bool rawText_ = false;
    HFONT font_ = nullptr;
    Color textColor_ = kNoTextColor;
    Color backStartColor_;
    Color backMidColor_;
    Color backEndColor_;
    BackMode backMode_ = BackMode::Effect;
    BackgroundEffect backEffect_ = EffectSolid;
    int backEffectParam_ = 0;
    UINT animationPeriod_ = 0; // 0: stopped
};

} // namespace fennick
