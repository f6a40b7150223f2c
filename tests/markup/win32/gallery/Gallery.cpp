// Renders every background effect, border style and image style of the DrawManager into one
// bitmap file, so that a person can look them over. Fails when a sample draws nothing at all
// or the file cannot be written.

#include "markup/portable/BackgroundEffect.h"
#include "markup/portable/ImageStyle.h"
#include "markup/win32/DrawManager.h"
#include "tests/markup/win32/Canvas.h"

#include <cmath>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

using namespace fennick;

namespace {

constexpr int Columns = 6;
constexpr int CellWidth = 128;
constexpr int CellHeight = 84;
constexpr COLORREF Paper = RGB(236, 236, 236);
constexpr COLORREF Magenta = RGB(255, 0, 255);

struct Sample {
    const wchar_t* name;
    // Draws into the art box of its cell: (x, y) to (x + 112, y + 60).
    std::function<void(DrawManager&, HDC, int x, int y)> draw;
};

COLORREF Disc(int x, int y, COLORREF outside)
{
    const double dx = x - 23.5;
    const double dy = y - 23.5;
    if (std::sqrt(dx * dx + dy * dy) > 22) {
        return outside;
    }
    return RGB(40 + x * 4, 60 + y * 3, 230 - x * 4);
}

std::vector<Sample> EffectSamples()
{
    static const wchar_t* const names[] = {L"transparent", L"solid", L"hgradient", L"vgradient", L"hcgradient",
                                           L"vcgradient", L"3hgradient", L"3vgradient", L"noise", L"diagshade",
                                           L"hshade", L"vshade", L"hbump", L"vbump", L"softbump", L"hardbump",
                                           L"metal"};
    std::vector<Sample> samples;
    for (int effect = EffectTransparent; effect <= EffectMetal; ++effect) {
        samples.push_back({names[effect + 1], [effect](DrawManager& manager, HDC dc, int x, int y) {
                               const RECT area{x, y, x + 112, y + 60};
                               manager.FillBackground(dc, effect, area, RGB(250, 220, 120), RGB(200, 90, 60),
                                                      RGB(40, 50, 120), 5, 0);
                           }});
    }
    return samples;
}

std::vector<Sample> BorderSamples()
{
    static const wchar_t* const names[] = {L"solid", L"dashed", L"dotted", L"dash-dot", L"dash-dot-dot", L"double"};
    std::vector<Sample> samples;
    for (int style = BorderSolid; style <= BorderDouble; ++style) {
        samples.push_back({names[style - 1], [style](DrawManager& manager, HDC dc, int x, int y) {
                               manager.DrawBorderRect(dc, {x + 4, y + 4, x + 108, y + 36}, RGB(220, 40, 40),
                                                      RGB(40, 40, 220), style, 1);
                               manager.DrawLine(dc, x + 4, y + 46, x + 108, y + 46, RGB(0, 120, 0), style, 1);
                           }});
    }
    samples.push_back({L"wide solid", [](DrawManager& manager, HDC dc, int x, int y) {
                           manager.DrawBorderRect(dc, {x + 4, y + 4, x + 108, y + 56}, RGB(220, 40, 40),
                                                  RGB(40, 40, 220), BorderSolid, 4);
                       }});
    samples.push_back({L"lines", [](DrawManager& manager, HDC dc, int x, int y) {
                           manager.DrawLine(dc, x + 10, y + 4, x + 10, y + 56, RGB(0, 0, 0), BorderDouble, 1);
                           manager.DrawLine(dc, x + 20, y + 4, x + 100, y + 50, RGB(0, 0, 0), BorderDouble, 1);
                       }});
    return samples;
}

std::vector<Sample> ImageSamples(HBITMAP masked, HBITMAP alpha, HICON icon, HBITMAP strip)
{
    struct Style {
        const wchar_t* name;
        std::int32_t style;
    };
    std::vector<Sample> samples;
    for (const Style& look : {Style{L"mask", 0}, Style{L"grayscale", ImageGrayscale}, Style{L"darken", ImageDarken},
                              Style{L"lighten", ImageLighten}, Style{L"gray+darken", ImageGrayscale | ImageDarken},
                              Style{L"one colour", ImageOneColor}, Style{L"hard shadow", ImageHardShadow},
                              Style{L"soft shadow", ImageSoftShadow}}) {
        samples.push_back({look.name, [masked, look](DrawManager& manager, HDC dc, int x, int y) {
                               manager.DrawBitmapImage(dc, x + 4, y + 2, 48, 48, masked, true, Magenta, look.style,
                                                       true, 5, 5, 4, 4, RGB(60, 60, 60));
                               manager.DrawBitmapImage(dc, x + 60, y + 2, 48, 48, masked, false, Magenta, look.style,
                                                       false, 0, 0, 0, 0, RGB(60, 60, 60));
                           }});
    }
    samples.push_back({L"alpha", [alpha](DrawManager& manager, HDC dc, int x, int y) {
                           manager.FillBackground(dc, EffectHGradient, {x, y, x + 112, y + 60}, RGB(255, 255, 255),
                                                  0, RGB(0, 0, 0), 0, 0);
                           manager.DrawBitmapImage(dc, x + 32, y + 6, 48, 48, alpha, true, Magenta, 0, false, 0, 0, 0,
                                                   0, 0);
                       }});
    samples.push_back({L"icon 32 / 48", [icon](DrawManager& manager, HDC dc, int x, int y) {
                           manager.DrawIconImage(dc, x + 4, y + 10, 32, 32, icon, 0, false, 0, 0, 0, 0, 0);
                           manager.DrawIconImage(dc, x + 50, y + 2, 48, 48, icon, ImageSoftShadow, true, 4, 4, 3, 3,
                                                 RGB(80, 80, 80));
                       }});
    samples.push_back({L"strip frames", [strip](DrawManager& manager, HDC dc, int x, int y) {
                           for (int frame = 0; frame < 4; ++frame) {
                               manager.DrawStripFrame(dc, x + 4 + frame * 27, y + 16, 24, 24, strip, frame, 16, 16,
                                                      false, Magenta, 0, false, 0, 0, 0, 0, 0);
                           }
                       }});
    samples.push_back({L"tiled", [strip](DrawManager& manager, HDC dc, int x, int y) {
                           const MemoryDC stripDC = MakeMemoryDC(dc);
                           const GdiSelection selection(stripDC.get(), strip);
                           manager.TileBitmap(dc, x, y, 112, 60, stripDC.get(), 0, 0, 20, 16);
                       }});
    return samples;
}

// Each group starts on a row of its own; empty samples fill the gap.
void AppendOnNewRow(std::vector<Sample>& samples, const std::vector<Sample>& group)
{
    while (samples.size() % Columns != 0) {
        samples.push_back({nullptr, nullptr});
    }
    samples.insert(samples.end(), group.begin(), group.end());
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    const std::wstring output = argc > 1 ? argv[1] : L"markup-gallery.bmp";
    const OwnedBitmap masked = MakeBitmap(48, 48, [](int x, int y) { return Disc(x, y, Magenta); });
    const OwnedBitmap alpha = MakeBitmap(48, 48, [](int x, int y) { return Disc(x, y, Magenta); }, 32, 0xB0);
    const OwnedIcon icon = MakeIcon(
        48, 48, [](int x, int y) { return Disc(x, y, 0); }, [](int x, int y) { return Disc(x, y, Magenta) != Magenta; });
    const COLORREF cells[] = {RGB(230, 60, 60), RGB(60, 160, 60), RGB(60, 60, 230), RGB(230, 200, 40)};
    const OwnedBitmap strip = MakeBitmap(64, 16, [&](int x, int y) {
        return (x % 16 - 8) * (x % 16 - 8) + (y - 8) * (y - 8) < 40 ? cells[x / 16] : RGB(250, 250, 250);
    });

    std::vector<Sample> samples;
    AppendOnNewRow(samples, EffectSamples());
    AppendOnNewRow(samples, BorderSamples());
    AppendOnNewRow(samples, ImageSamples(masked.get(), alpha.get(), icon.get(), strip.get()));

    const int rows = static_cast<int>((samples.size() + Columns - 1) / Columns);
    Canvas canvas(Columns * CellWidth, rows * CellHeight, Paper);
    DrawManager manager;
    SelectObject(canvas.DC(), GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(canvas.DC(), TRANSPARENT);
    int failures = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (!samples[i].draw) {
            continue;
        }
        const int x = static_cast<int>(i % Columns) * CellWidth + 8;
        const int y = static_cast<int>(i / Columns) * CellHeight + 4;
        samples[i].draw(manager, canvas.DC(), x, y);
        if (canvas.Unchanged(Paper, {x, y, x + 112, y + 60})) {
            std::fwprintf(stderr, L"gallery: \"%ls\" drew nothing\n", samples[i].name);
            ++failures;
        }
        TextOutW(canvas.DC(), x, y + 62, samples[i].name, static_cast<int>(std::wcslen(samples[i].name)));
    }
    if (!canvas.WriteBitmapFile(output)) {
        std::fwprintf(stderr, L"gallery: cannot write %ls\n", output.c_str());
        return 1;
    }
    return failures == 0 ? 0 : 1;
}
