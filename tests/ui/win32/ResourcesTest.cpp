#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "resources/resource.h"

namespace fennick {
namespace {

std::wstring VersionText(const std::vector<BYTE>& block, const wchar_t* name)
{
    void* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\041204b0\\") + name;
    if (!VerQueryValueW(block.data(), path.c_str(), &value, &length))
        return L"<missing>";
    const auto* text = static_cast<const wchar_t*>(value);
    return length == 0 ? std::wstring() : std::wstring(text);
}

TEST(Resources, VersionBlockHasTheKoreanUnicodeTexts)
{
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    const DWORD size = GetFileVersionInfoSizeW(program, nullptr);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(program, 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    EXPECT_EQ(translation[0], 0x0412);
    EXPECT_EQ(translation[1], 1200);

    const std::pair<const wchar_t*, const wchar_t*> texts[] = {
        {L"CompanyName", L""},
        {L"FileDescription", L"Fennick MFC 응용 프로그램"},
        {L"FileVersion", L"1, 0, 0, 1"},
        {L"InternalName", L"Fennick"},
        {L"LegalTrademarks", L""},
        {L"OriginalFilename", L"Fennick.EXE"},
        {L"ProductName", L"Fennick 응용 프로그램"},
        {L"ProductVersion", L"1, 0, 0, 1"},
    };
    for (const auto& [name, text] : texts)
        EXPECT_EQ(VersionText(block, name), text) << name;
    EXPECT_NE(VersionText(block, L"LegalCopyright").find(L"Copyright"), std::wstring::npos);
}

TEST(Resources, ManifestMakesTheProcessDpiAware)
{
    EXPECT_TRUE(IsProcessDPIAware());
}

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST(Resources, IconHasA32And16PixelImageOf16ColoursEach)
{
    HMODULE program = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(IDI_FENNICK), MAKEINTRESOURCEW(14));
    ASSERT_NE(found, nullptr);
    const auto* group = static_cast<const WORD*>(LockResource(LoadResource(program, found)));
    ASSERT_EQ(group[2], 2); // image count
    const auto* entries = reinterpret_cast<const IconGroupEntry*>(group + 3);
    std::vector<int> widths;
    for (int i = 0; i < 2; ++i) {
        widths.push_back(entries[i].width);
        EXPECT_EQ(entries[i].height, entries[i].width);
        EXPECT_EQ(entries[i].colourCount, 16);
        EXPECT_EQ(entries[i].bitCount, 4);
    }
    EXPECT_EQ(widths, (std::vector<int>{32, 16}));
}

} // namespace
} // namespace fennick
