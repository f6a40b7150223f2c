// Draws every background effect, border style and image style of the DrawManager into one
// bitmap file for people to look over. Fails when a sample draws nothing or the file cannot be
// written.
#include "markup/portable/BackgroundEffect.h"
#include "markup/portable/ImageStyle.h"
#include "markup/win32/DrawManager.h"
#include "tests/markup/win32/Canvas.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using namespace fennick;

namespace {

constexpr int Columns = 6, CellWidth = 128, CellHeight = 84;
constexpr COLORREF Paper = RGB(236, 236, 236), Magenta = RGB(255, 0, 255), Shadow = RGB(60, 60, 60);
constexpr COLORREF Red = RGB(220, 40, 40), Blue = RGB(40, 40, 220);

// Each draws into its art box, (x, y) to (x + 112, y + 60); an unnamed one leaves its cell empty.
struct Sample {
    std::wstring name;
    std::function<void(HDC, int x, int y)> draw;
};

COLORREF Disc(int x, int y, COLORREF outside)
{
    const int dx = 2 * x - 47, dy = 2 * y - 47;
    return dx * dx + dy * dy > 44 * 44 ? outside : RGB(40 + x * 4, 60 + y * 3, 230 - x * 4);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    const OwnedBitmap masked = MakeBitmap(48, 48, [](int x, int y) { return Disc(x, y, Magenta); });
    const OwnedBitmap alpha = MakeBitmap(
        48, 48, [](int x, int y) { return Disc(x, y, Magenta); }, 32, 0xB0);
    const OwnedIcon icon = MakeIcon(
        48, 48, [](int x, int y) { return Disc(x, y, 0); },
        [](int x, int y) { return Disc(x, y, Magenta) != Magenta; });
    const COLORREF cells[] = {RGB(230, 60, 60), RGB(60, 160, 60), RGB(60, 60, 230), RGB(230, 200, 40)};
    const OwnedBitmap strip = MakeBitmap(64, 16, [&](int x, int y) {
        return (x % 16 - 8) * (x % 16 - 8) + (y - 8) * (y - 8) < 40 ? cells[x / 16] : RGB(250, 250, 250);
    });

    DrawManager manager;
    std::vector<Sample> samples;
    const auto newRow = [&] { samples.resize((samples.size() + Columns - 1) / Columns * Columns); };
    for (int effect = EffectTransparent; effect <= EffectMetal; ++effect) {
        samples.push_back({L"bgeffect=" + std::to_wstring(effect), [&, effect](HDC dc, int x, int y) {
                               manager.FillBackground(dc, effect, {x, y, x + 112, y + 60}, RGB(250, 220, 120),
                                                      RGB(200, 90, 60), RGB(40, 50, 120), 5, 0);
                           }});
    }
    newRow();
    for (int style = BorderSolid; style <= BorderDouble; ++style) {
        samples.push_back({L"border style " + std::to_wstring(style), [&, style](HDC dc, int x, int y) {
                               manager.DrawBorderRect(dc, {x + 4, y + 4, x + 108, y + 36}, Red, Blue, style,
                                                      style == BorderSolid ? 4 : 1);
                               manager.DrawLine(dc, x + 4, y + 46, x + 108, y + 56, RGB(0, 120, 0), style, 1);
                           }});
    }
    newRow();
    const std::pair<const wchar_t*, std::int32_t> looks[] = {{L"mask", 0},
                                                             {L"grayscale", ImageGrayscale},
                                                             {L"darken", ImageDarken},
                                                             {L"lighten", ImageLighten},
                                                             {L"one colour", ImageOneColor},
                                                             {L"hard shadow", ImageHardShadow},
                                                             {L"soft shadow", ImageSoftShadow}};
    for (const auto& [name, look] : looks) {
        samples.push_back({name, [&, look](HDC dc, int x, int y) {
                               const HBITMAP art = masked.get();
                               const ImageLook shadowed{look, true, Magenta, true, {false, 5, 5, 4, 4, Shadow}};
                               manager.DrawPrepared(dc, x + 4, y + 2, manager.PrepareBitmap(dc, 48, 48, art, shadowed));
                               manager.DrawPrepared(dc, x + 60, y + 2,
                                                    manager.PrepareBitmap(dc, 48, 48, art, {.style = look}));
                           }});
    }
    samples.push_back(
        {L"alpha", [&](HDC dc, int x, int y) {
             manager.FillBackground(dc, EffectHGradient, {x, y, x + 112, y + 60}, RGB(255, 255, 255), 0, 0, 0, 0);
             const ImageLook masked{.hasMask = true, .maskColor = Magenta};
             manager.DrawPrepared(dc, x + 32, y + 6, manager.PrepareBitmap(dc, 48, 48, alpha.get(), masked));
         }});
    samples.push_back({L"icon 32 / 48", [&](HDC dc, int x, int y) {
                           IconBitmaps parts;
                           parts.Read(icon.get());
                           manager.DrawPrepared(dc, x + 4, y + 10, manager.PrepareIcon(dc, 32, 32, parts, {}));
                           const ImageLook shadowed{ImageSoftShadow, false, 0, true, {false, 4, 4, 3, 3, Shadow}};
                           manager.DrawPrepared(dc, x + 50, y + 2, manager.PrepareIcon(dc, 48, 48, parts, shadowed));
                       }});
    samples.push_back({L"strip frames, tiled", [&](HDC dc, int x, int y) {
                           for (int frame = 0; frame < 4; ++frame) {
                               manager.DrawPrepared(
                                   dc, x + 4 + frame * 27, y,
                                   manager.PrepareStripFrame(dc, 24, 24, strip.get(), frame, {16, 16}, {}));
                           }
                           const MemoryDC stripDC = MakeMemoryDC(dc);
                           const GdiSelection selection(stripDC.get(), strip.get());
                           manager.TileBitmap(dc, x, y + 30, 112, 30, stripDC.get(), 0, 0, 20, 16);
                       }});

    Canvas canvas(Columns * CellWidth, static_cast<int>((samples.size() + Columns - 1) / Columns) * CellHeight, Paper);
    SelectObject(canvas.DC(), GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(canvas.DC(), TRANSPARENT);
    int failures = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const int x = static_cast<int>(i % Columns) * CellWidth + 8, y = static_cast<int>(i / Columns) * CellHeight + 4;
        if (!samples[i].name.empty()) {
            samples[i].draw(canvas.DC(), x, y);
            if (canvas.Unchanged(Paper, {x, y, x + 112, y + 60})) {
                std::fwprintf(stderr, L"gallery: \"%ls\" drew nothing\n", samples[i].name.c_str());
                ++failures;
            }
            TextOutW(canvas.DC(), x, y + 62, samples[i].name.c_str(), static_cast<int>(samples[i].name.size()));
        }
    }
    const std::wstring output = argc > 1 ? argv[1] : L"markup-gallery.bmp";
    if (!canvas.WriteBitmapFile(output)) {
        std::fwprintf(stderr, L"gallery: cannot write %ls\n", output.c_str());
        return 1;
    }
    return failures == 0 ? 0 : 1;
}
