// Times the markup layout under Wine with GDI: measure and draw into a memory DC, as the label
// paints, for the samples of the native benchmark.
//
// markup_timings [repetitions]

#include "bench/markup/MarkupSamples.h"
#include "framework/win32/GdiHandles.h"
#include "markup/portable/MarkupDrawer.h"
#include "markup/win32/GdiSurface.h"
#include "markup/win32/Win32PlatformActions.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace fennick;

struct Timing {
    double median = 0;
    double fastest = 0;
};

Timing TimeMeasureAndDraw(HDC dc, DrawManager& drawing, const std::wstring& text, int wrapWidth, int repetitions)
{
    Win32PlatformActions actions;
    MarkupDrawer drawer(actions);
    drawer.SetWrapWidth(wrapWidth);
    SurfaceCache cache; // kept from one paint to the next, as a label keeps it
    std::vector<double> milliseconds;
    for (int i = 0; i <= repetitions; ++i) { // the first run warms the font cache of GDI
        const auto start = std::chrono::steady_clock::now();
        GdiSurface surface(dc, drawing, cache);
        const PixelSize size = drawer.Measure(surface, text);
        drawer.Draw(surface, {0, 0, size.width, size.height});
        GdiFlush();
        if (i > 0) {
            milliseconds.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    return {milliseconds[milliseconds.size() / 2], milliseconds.front()};
}

} // namespace

int main(int argc, char** argv)
{
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    const WindowDC screen;
    const MemoryDC dc = MakeMemoryDC(screen.Get());
    const OwnedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), 1600, 1200));
    const GdiSelection selection(dc.get(), bitmap.get());
    DrawManager drawing;

    struct Sample {
        const char* name;
        std::wstring text;
        int wrapWidth;
    };
    const Sample samples[] = {
        {"2 KB label text", bench::LabelText(), 400},
        {"20 KB mixed inline document", bench::MixedDocument(20000), 600},
        {"table of 40 x 50 cells", bench::Table(40, 50), 0},
        {"table of 40 x 500 cells", bench::Table(40, 500), 0},
    };
    std::vector<double> medians;
    for (const Sample& sample : samples) {
        const Timing timing = TimeMeasureAndDraw(dc.get(), drawing, sample.text, sample.wrapWidth, repetitions);
        std::printf("%s (%zu characters): measure and draw %.2f ms (median of %d), %.2f ms fastest\n", sample.name,
                    sample.text.size(), timing.median, repetitions, timing.fastest);
        medians.push_back(timing.median);
    }
    std::printf("10 x the cells: %.1f x the time\n", medians[3] / medians[2]);
    return 0;
}
