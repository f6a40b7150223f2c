#pragma once

#include <concepts>
#include <string>
#include <string_view>
#include <vector>

#include "ui/portable/ExtensionKey.h"

namespace fennick {

// Columns of a file-list row: the full path as collected, and the result of the last run.
inline constexpr int kPathColumn = 0;
inline constexpr int kResultColumn = 1;

// A list whose rows carry check boxes.
template <typename List>
concept TickableList = requires(List& list, const List& constList, int row, bool tick)
{
    {
        constList.RowCount()
        } -> std::convertible_to<int>;
    {
        constList.GetCheck(row)
        } -> std::convertible_to<bool>;
    list.SetCheck(row, tick);
};

// The file list: ticked rows whose stored cell texts hold the full path, whatever its length.
template <typename List>
concept FileRowList = TickableList<List> && requires(List& list, const List& constList, int row, std::wstring_view text)
{
    {
        constList.GetRowTexts(row)
        } -> std::convertible_to<const std::vector<std::wstring>&>;
    list.SetCellText(row, kResultColumn, text);
};

template <TickableList List>
int CountTickedRows(const List& list)
{
    int ticked = 0;
    for (int row = 0; row < list.RowCount(); ++row)
        ticked += list.GetCheck(row) ? 1 : 0;
    return ticked;
}

// Gives the tick to every file row whose extension matches the key (see MatchesExtensionKey);
// the other rows keep theirs.
template <FileRowList List>
void TickByExtension(List& list, std::wstring_view key, bool tick)
{
    for (int row = 0; row < list.RowCount(); ++row) {
        // Rows already in the wanted state are left alone: every change notifies and repaints.
        if (list.GetCheck(row) != tick && MatchesExtensionKey(list.GetRowTexts(row)[kPathColumn], key))
            list.SetCheck(row, tick);
    }
}

} // namespace fennick
