#pragma once

#include "markup/portable/MarkupStyle.h"
#include "markup/portable/PlatformActions.h"

#include <cstdint>
#include <string>
#include <vector>

namespace fennick {

// The drawn rectangle of one run or image of a link.
struct LinkArea {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    LinkKind kind = LinkKind::None;
    int id = 0; // the link's number in the text, from 0
    std::wstring target;

    bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
    bool operator==(const LinkArea&) const = default;
};

// A window that is told about link events with a message; unset without window or message.
struct WindowTarget {
    WindowHandle window = nullptr;
    unsigned message = 0;
    std::intptr_t param = 0;

    bool IsSet() const { return window != nullptr && message != 0; }
};

constexpr int kNoHoveredLink = -2;

// The link areas of the last drawing, the link under the pointer and what a click does.
class LinkTracker {
public:
    explicit LinkTracker(PlatformActions& actions);
    ~LinkTracker();
    LinkTracker(const LinkTracker&) = delete;
    LinkTracker& operator=(const LinkTracker&) = delete;

    void ClearAreas() { linkAreas_.clear(); }
    void AddArea(const LinkArea& area) { linkAreas_.push_back(area); }
    const std::vector<LinkArea>& Areas() const { return linkAreas_; }

    // Follows the pointer (client coordinates): a change of link is reported to the hover
    // target (wParam = id, or -2 when the pointer left every link). Answers true when it showed
    // the link cursor.
    bool HoverAt(int x, int y);
    // The pointer is over no link: it left the control, or lies where links do not count.
    void HoverNowhere() { ReportHover(kNoHoveredLink); }
    // Opens an address link or sends a message link's target text to the click target.
    void ClickAt(int x, int y);
    int HoveredLink() const { return hoveredLink_; }

    // The tracker owns the cursor it is given and destroys it when another one replaces it.
    void SetLinkCursor(CursorHandle cursor);
    void ResetLinkCursor(); // back to the system's hand cursor
    CursorHandle LinkCursor() const { return linkCursor_; }

    void SetHoverTarget(const WindowTarget& target) { hoverTarget_ = target; }
    void SetClickTarget(const WindowTarget& target) { clickTarget_ = target; }

private:
    const LinkArea* AreaAt(int x, int y) const;
    void ReportHover(int id);

    PlatformActions& actions_;
    std::vector<LinkArea> linkAreas_;
    int hoveredLink_ = kNoHoveredLink;
    CursorHandle linkCursor_ = nullptr;
    WindowTarget hoverTarget_;
    WindowTarget clickTarget_;
};

} // namespace fennick
