#pragma once

#include "DemoResources.h"
#include "framework/win32/Dialog.h"
#include "markup/win32/MarkupLabel.h"

#include <array>

namespace fennick {

// The demo's one window: markup labels in a grid that follows the window's size, each showing
// some of what the label can do, and a status line that shows what message links send.
class DemoDialog : public Dialog {
public:
    // What a message link of the demo's labels sends to the window; wParam is the link's text.
    static constexpr UINT kLinkMessage = WM_APP + 1;

    struct LabelCell {
        int id;
        const wchar_t* name;
        int column;
        int row;
        int columns;
    };
    static constexpr int kColumns = 3;
    static constexpr int kRows = 4;
    static constexpr std::array<LabelCell, 10> kCells{{
        {IDC_SAMPLE, L"sample", 0, 0, 1},
        {IDC_FONTS, L"fonts", 1, 0, 1},
        {IDC_JUSTIFIED, L"justified", 2, 0, 1},
        {IDC_TABLE, L"table", 0, 1, 2},
        {IDC_IMAGES, L"images", 2, 1, 1},
        {IDC_ANIMATION, L"animation", 0, 2, 1},
        {IDC_ROUNDED, L"rounded", 1, 2, 1},
        {IDC_DISABLED, L"disabled", 2, 2, 1},
        {IDC_LINKS, L"links", 0, 3, 1},
        {IDC_KOREAN, L"korean", 1, 3, 2},
    }};

    DemoDialog();

    // The label of kCells[index].
    MarkupLabel& Label(std::size_t index) { return labels_[index]; }
    MarkupLabel& LabelWithId(int id);

protected:
    void DoDataExchange(DataExchange& exchange) override;
    bool OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ConfigureLabels();
    void PlaceLabels(int width, int height);
    void OnLinkMessage(const wchar_t* text);

    std::array<MarkupLabel, kCells.size()> labels_;
    MarkupLabel status_;
};

} // namespace fennick
