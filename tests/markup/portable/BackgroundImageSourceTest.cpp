#include "markup/portable/BackgroundImageSource.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

TEST(BackgroundImageSource, ReadsOneDeclaration)
{
    using Kind = BackgroundImageKind;
    struct Case {
        const wchar_t* text;
        Kind kind;
        int resourceId;
        const wchar_t* path;
    };
    for (const Case& test : {
             Case{L"idres: 130", Kind::Resource, 130, L""},
             Case{L"  idres :;  0x82", Kind::Resource, 130, L""},
             Case{L"idres: 010", Kind::Resource, 8, L""}, // octal, as a bare number is read
             Case{L"idres: -12px", Kind::Resource, 12, L""},
             Case{L"iddll: 7;", Kind::LibraryResource, 7, L""},
             Case{L"file: c:\\pics\\tile.bmp", Kind::File, 0, L"c:\\pics\\tile.bmp"},
             Case{L"file: \"c:\\my pics\\a;b.bmp\" x", Kind::File, 0, L"c:\\my pics\\a;b.bmp"},
             Case{L"file: tile.bmp; idres: 3", Kind::File, 0, L"tile.bmp"},
             Case{L"file: \"unclosed.bmp", Kind::None, 0, L""},
             Case{L"idr:1", Kind::None, 0, L""}, // under 6 characters
             Case{L"IDRES: 5", Kind::None, 0, L""},
             Case{L"idres 5 more", Kind::None, 0, L""},
             Case{L"idres: 50%", Kind::None, 0, L""},
             Case{L"idres: 2in", Kind::None, 0, L""},
             Case{L"idres: 65536", Kind::None, 0, L""},
             Case{L"idres: 99999999999999999999", Kind::None, 0, L""},
             Case{L"::::::", Kind::None, 0, L""},
         }) {
        const BackgroundImageSource source = ParseBackgroundImageSource(test.text);
        EXPECT_EQ(source.kind, test.kind) << ::testing::PrintToString(std::wstring(test.text));
        EXPECT_EQ(source.resourceId, test.resourceId) << ::testing::PrintToString(std::wstring(test.text));
        EXPECT_EQ(source.path, test.path);
    }
}

} // namespace
} // namespace fennick
