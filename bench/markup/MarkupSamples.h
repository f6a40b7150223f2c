#pragma once

#include <string>

namespace fennick::bench {

// The markup the layout benchmarks measure and draw, the same natively and under Wine.

// About 2,000 characters: what a label shows: a heading, styled and coloured text, links, a
// justified paragraph, a rule and a small table.
inline std::wstring LabelText()
{
    return L"<h1>Fennick</h1>"
           L"Converts <b>ANSI</b> text files to <font color=#008000>UTF-8</font> with a byte-order mark.<br>"
           L"<a href=\"https://example.org/\">Home page</a> - <a msg=about>About</a> - <a msg=help>Help</a><br>"
           L"<hr width=80% size=2 color=gray>"
           L"<justify>Drop files and folders on the window: the list counts them by extension, hides the "
           L"extensions named in the exclusion field and lets you tick the files to convert, one by one or a "
           L"whole extension at a time. <i>변환시작</i> converts every ticked file from the system's ANSI code "
           L"page to UTF-8, optionally keeping a <code>.bak</code> copy of each file as it was.</justify><br>"
           L"<table border=1 cellpadding=3 bgcolor=#ffffe0><tr><td colspan=2 align=center><b>Last run</b></td>"
           L"</tr><tr><td>성공</td><td align=right>1,024</td></tr><tr><td>실패</td><td align=right>3</td></tr>"
           L"<tr><td>Elapsed</td><td align=right>2.4 s</td></tr></table>"
           L"<small>Insert or remove the byte-order mark with the two header buttons; results show in the "
           L"<font color=#0000ff>결과</font> column as <b>성공</b> or <b>실패</b>.</small><br>"
           L"<hr><b>What changes</b><br>Only the ticked files are rewritten, each through a temporary file in "
           L"the same folder that then replaces it, so a failure leaves the file as it was. Files that already "
           L"carry the mark are left alone; files that are already UTF-8 only get the mark.<br>"
           L"<hr><b>Tips</b><br><t>Hold <font color=#800000>Shift</font> while dropping to skip the question about "
           L"sub-folders.<br><t>Type <code>*.bak;*.tmp;</code> in the exclusion field to hide backups and temporary "
           L"files.<br><t>Sort either list by clicking its header; click again to reverse the order.<br>"
           L"<right><a msg=log>Show the log</a> | <a msg=settings>Settings</a> | <a href=\"mailto:help@example.org\">"
           L"Write to us</a></right>"
           L"<center><font size=2 color=gray>Version 1.0.0.1 - <u>Korean</u> <s>code page</s> 949</font></center>";
}

// About `characters` of mixed inline markup: paragraphs with styles, colours, links, breaks,
// tabs, rules and alignment, no tables.
inline std::wstring MixedDocument(std::size_t characters)
{
    const std::wstring paragraph =
        L"<b>Bold</b> and <i>italic</i> words, <font color=#804000 face=tahoma>coloured text</font> and "
        L"<a href=\"https://example.org/page\">a link</a> run on through a paragraph long enough to wrap "
        L"several times at the width of a label.<br><t>Tabbed <u>underlined</u> text, <s>struck</s>, "
        L"<font size=150%>larger</font> and <small>smaller</small>.<br><justify>Justified lines spread "
        L"their spaces so that both edges line up, all but the last one of the paragraph.</justify><br>"
        L"<center>centred</center><right>right</right><hr width=50%>";
    std::wstring text;
    while (text.size() < characters) {
        text += paragraph;
    }
    return text;
}

// A table of the given size with a border, every cell the same short text, so that the text
// grows as the cells do.
inline std::wstring Table(int columns, int rows)
{
    std::wstring text = L"<table border=1 cellpadding=2>";
    for (int row = 0; row < rows; ++row) {
        text += L"<tr>";
        for (int column = 0; column < columns; ++column) {
            text += L"<td>cell</td>";
        }
        text += L"</tr>";
    }
    return text + L"</table>";
}

} // namespace fennick::bench
