#pragma once

#include "controls/portable/Archive.h"
#include "framework/win32/Control.h"

namespace fennick {

// The header of a ColumnListCtrl. It remembers the column the list was last sorted by and draws
// that item itself: a flat face, the item's text and an engraved arrow pointing up (ascending)
// or down. A column that was ever sorted stays owner-drawn and is drawn without the arrow once
// the sort moves on. The column widths can be stored in and restored from an archive.
class SortHeaderCtrl : public Control {
public:
    void SetSortArrow(int column, bool ascending);
    int SortColumn() const { return sortColumn_; }
    bool SortAscending() const { return ascending_; }

    // Stores the count and widths of the items, or restores the widths when the stored count
    // matches the header's.
    void Serialize(Archive& archive);

protected:
    bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void DrawItem(const DRAWITEMSTRUCT& drawItem) const;
    int ItemCount() const;
    int ItemWidth(int item) const;
    void SetItemWidth(int item, int width);

    int sortColumn_ = -1;
    bool ascending_ = true;
};

} // namespace fennick
