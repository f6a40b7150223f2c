#include "demo/win32/DemoTexts.h"

#include "DemoResources.h"

namespace fennick {

namespace {

// Each text is one line of markup: a line feed in a label's text breaks the line.

const wchar_t kSample[] = L"<h1>Fennick</h1>\n"
                          L"Converts <b>ANSI</b> text files to <font color=#008000>UTF-8</font>.<br>\n"
                          L"<a href=\"https://example.org/\">Home page</a>";

const wchar_t kFonts[] =
    L"<h2>Headings</h2> <h3>and fonts</h3><br>"
    L"<b>bold</b> <i>italic</i> <u>underline</u> <s>strike</s> <font style=o>overline</font> "
    L"<font style=bi color=purple>both</font><br>"
    L"<font face=\"Times New Roman\" size=20>Times</font> <code>code()</code> <small>small</small> <big>big</big> "
    L"<font weight=lighter>lighter</font><br>"
    L"<font color=#c00000>red</font> <font color=navy bkgnd=#ffff80>on yellow</font> "
    L"<span class=note>a style class</span>";

const wchar_t kJustified[] =
    L"<justify><b>Justified.</b> Every line that wraps is spread to the full width of the label, so both edges "
    L"of the paragraph are straight; the last line keeps its natural spacing. Make the window wider or narrower "
    L"and the lines flow again at once.</justify>";

const wchar_t kTable[] =
    L"<table border=2 borderstyle=double bordercolor=#404080 cellpadding=4 cellspacing=2 "
    L"bgeffect=vgradient bgcolor=#f4f8ff bgendcolor=#c8d4f0>"
    L"<tr><td colspan=5 align=center bgeffect=hgradient bgcolor=#203870 bgendcolor=#7098d8>"
    L"<font color=white><b>Converted files</b></font></td></tr>"
    L"<tr><td rowspan=2 valign=middle bgeffect=metal bgcolor=#d8d8d8 bgmidcolor=#b0b0b0 bgendcolor=#f0f0f0>"
    L"<b>text</b></td><td>.txt</td><td align=right>12</td><td><font color=#008000>성공</font></td>"
    L"<td rowspan=3 valign=middle bgeffect=softbump bgcolor=#ffe0a0 bgmidcolor=#f0c060 bgendcolor=#fff4d8>"
    L"<center>a cell that<br>spans three rows</center></td></tr>"
    L"<tr><td>.md</td><td align=right>5</td><td><font color=#008000>성공</font></td></tr>"
    L"<tr><td colspan=2 bgeffect=noise bgcolor=#fff0c0 bgmidcolor=#ffe8a8 bgendcolor=#fff8e0>total</td>"
    L"<td align=right bgcolor=#ffe080><b>17</b></td><td bgcolor=#ffe080>files</td></tr>"
    L"</table>";

const wchar_t kImages[] = L"<center><bmp idres=111 style=s> <a msg=\"the grey landscape\"><bmp idres=111 style=g "
                          L"hotstyle=s></a> <icon idres=120 style=s><br>"
                          L"a shadow; grey until the pointer is on it; an icon</center>";

const wchar_t kAnimation[] =
    L"<middle><strip idres=110 cx=32 cy=32 speed=1 mask=#ff00ff> An image strip, one frame a tick of "
    L"timer 260</middle>";

const wchar_t kRounded[] = L"<center><b>Rounded corners</b><br>with a frame and a background effect</center>";

const wchar_t kDisabled[] = L"<b>Disabled:</b> <font color=red>colours</font>, <a href=\"https://example.org/\">links"
                            L"</a>, <table border=1 bgcolor=yellow><tr><td>tables</td></tr></table>"
                            L"and images <strip idres=110 cx=32 cy=32 index=2 mask=#ff00ff> are embossed.";

const wchar_t kLinks[] =
    L"Open <a href=\"https://example.org/\">example.org</a> or <a href=\"mailto:someone@example.org\">"
    L"write a mail</a>.<br>Send the demo a message: <a msg=\"one\">one</a> <a msg=\"two\">two</a> "
    L"<a msg=\"three\">three</a> <a msg=\"four\">four</a> <a msg=\"five\">five</a> <a msg=\"six\">six</a> "
    L"<a msg=\"seven\">seven</a> <a msg=\"eight\">eight</a> <a msg=\"아홉\">아홉</a> <a msg=\"열\">열</a>";

const wchar_t kKorean[] =
    L"<h3>한국어 텍스트</h3><br>마크업 레이블은 한글을 그대로 보여 줍니다: <b>굵게</b>, <i>기울여</i>, "
    L"<font color=#c00000>빨갛게</font>, <u>밑줄</u>, 그리고 줄이 넘치면 낱말 사이에서 알맞게 줄을 바꿉니다. "
    L"<string idres=130>";

} // namespace

std::wstring DemoMarkup(int labelId)
{
    switch (labelId) {
    case IDC_SAMPLE:
        return kSample;
    case IDC_FONTS:
        return kFonts;
    case IDC_JUSTIFIED:
        return kJustified;
    case IDC_TABLE:
        return kTable;
    case IDC_IMAGES:
        return kImages;
    case IDC_ANIMATION:
        return kAnimation;
    case IDC_ROUNDED:
        return kRounded;
    case IDC_DISABLED:
        return kDisabled;
    case IDC_LINKS:
        return kLinks;
    case IDC_KOREAN:
        return kKorean;
    case IDC_STATUS:
        return L"<b>메시지 링크:</b> 아직 받은 메시지가 없습니다.";
    }
    return {};
}

std::wstring StatusMarkup(const std::wstring& message)
{
    std::wstring shown; // the message as plain text: "<" is written "<<"
    for (const wchar_t c : message) {
        shown += c == L'<' ? L"<<" : std::wstring(1, c);
    }
    return L"<b>메시지 링크:</b> \"" + shown + L"\" 받음";
}

} // namespace fennick
