// Times the markup demo's labels under Wine: one full paint of each label (layout and drawing),
// the pointer moving across the label with the most links, and the label with the most markup
// painting 100 times. Goals: a paint within 5 ms, a pointer move within 1 ms.
//
// markup_demo_timings

#include "demo/win32/DemoDialog.h"
#include "tests/support/win32/ModalDriver.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using fennick::DemoDialog;
using fennick::MarkupLabel;

constexpr int kPaintSamples = 20;
constexpr double kPaintGoal = 5.0; // milliseconds
constexpr double kMoveGoal = 1.0;

double MillisecondsOf(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Lays the label's text out and draws it, as every repaint does.
double FullPaint(const MarkupLabel& label)
{
    return MillisecondsOf([&] { RedrawWindow(label.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); });
}

const char* Verdict(double milliseconds, double goal)
{
    return milliseconds <= goal ? "within the goal" : "OVER THE GOAL";
}

// The first second of a new window under Wine is slow whatever it draws: the window is settled
// and every label painted once before anything is timed.
void WarmUp(DemoDialog& dialog)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (std::chrono::steady_clock::now() < until) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        fennick::testing::PumpMessages();
    }
    for (std::size_t i = 0; i < DemoDialog::kCells.size(); ++i) {
        FullPaint(dialog.Label(i));
    }
}

void TimePaints(DemoDialog& dialog)
{
    std::printf("one full paint of each label (median of %d, slowest):\n", kPaintSamples);
    for (std::size_t i = 0; i < DemoDialog::kCells.size(); ++i) {
        std::vector<double> samples;
        for (int sample = 0; sample < kPaintSamples; ++sample) {
            samples.push_back(FullPaint(dialog.Label(i)));
        }
        std::sort(samples.begin(), samples.end());
        const double median = samples[samples.size() / 2];
        std::printf("  %-10ls %6.2f ms  (%6.2f ms)  %s\n", DemoDialog::kCells[i].name, median, samples.back(),
                    Verdict(median, kPaintGoal));
    }
}

struct Spread {
    double mean = 0.0;
    double p95 = 0.0;
    double slowest = 0.0;
};

Spread SpreadOf(std::vector<double> samples)
{
    if (samples.empty()) {
        return {};
    }
    std::sort(samples.begin(), samples.end());
    double total = 0.0;
    for (const double sample : samples) {
        total += sample;
    }
    return {total / samples.size(), samples[samples.size() * 95 / 100], samples.back()};
}

// The pointer crosses every line of the label in steps of 2 pixels; only the label's answers to
// the pointer's messages are timed. A move onto another link draws the label again, without a
// new layout.
void TimePointerMoves(DemoDialog& dialog, std::size_t index)
{
    MarkupLabel& label = dialog.Label(index);
    HWND window = label.Handle();
    const fennick::PixelRect text = label.TextRect();
    const fennick::LinkTracker& links = label.Drawer().Language().Links();
    std::vector<double> sameLink;
    std::vector<double> otherLink;
    for (int y = text.top + 4; y < text.bottom; y += 16) {
        for (int x = text.left; x < text.right; x += 2) {
            POINT screen{x, y};
            ClientToScreen(window, &screen);
            SetCursorPos(screen.x, screen.y);
            const int before = links.HoveredLink();
            const double took = MillisecondsOf([&] {
                SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
                SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
            });
            (links.HoveredLink() != before ? otherLink : sameLink).push_back(took);
        }
    }
    std::printf("pointer moves across '%ls' (mean, 95th percentile, slowest):\n", DemoDialog::kCells[index].name);
    for (const auto& [what, samples] :
         {std::pair{"over the same link or text", &sameLink}, std::pair{"onto another link (redrawn)", &otherLink}}) {
        const Spread spread = SpreadOf(*samples);
        std::printf("  %-28s %4zu moves  %.3f ms  %.3f ms  %.3f ms  %s\n", what, samples->size(), spread.mean,
                    spread.p95, spread.slowest, Verdict(spread.p95, kMoveGoal));
    }
}

void TimeRepeatedPaints(DemoDialog& dialog, std::size_t index)
{
    const MarkupLabel& label = dialog.Label(index);
    const double total = MillisecondsOf([&] {
        for (int i = 0; i < 100; ++i) {
            FullPaint(label);
        }
    });
    std::printf("'%ls' painted 100 times: %.0f ms, %.2f ms a paint  %s\n", DemoDialog::kCells[index].name, total,
                total / 100, Verdict(total / 100, kPaintGoal));
}

std::size_t MostMarkup(const DemoDialog& dialog)
{
    std::size_t most = 0;
    for (std::size_t i = 1; i < DemoDialog::kCells.size(); ++i) {
        auto& demo = const_cast<DemoDialog&>(dialog);
        if (GetWindowTextLengthW(demo.Label(i).Handle()) > GetWindowTextLengthW(demo.Label(most).Handle())) {
            most = i;
        }
    }
    return most;
}

std::size_t MostLinks(DemoDialog& dialog)
{
    std::size_t most = 0;
    const auto links = [&](std::size_t i) { return dialog.Label(i).Drawer().Language().Links().Areas().size(); };
    for (std::size_t i = 1; i < DemoDialog::kCells.size(); ++i) {
        most = links(i) > links(most) ? i : most;
    }
    return most;
}

} // namespace

int main()
{
    DemoDialog dialog;
    fennick::testing::DriveNextModal([&](HWND) {
        WarmUp(dialog);
        TimePaints(dialog);
        TimePointerMoves(dialog, MostLinks(dialog));
        TimeRepeatedPaints(dialog, MostMarkup(dialog));
        std::fflush(stdout);
        dialog.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
    return 0;
}
