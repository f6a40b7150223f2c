#include "markup/portable/BackgroundImageSource.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

struct SourceCase {
    const wchar_t* text;
    BackgroundImageKind kind;
    int resourceId;
    const wchar_t* path;
};

void PrintTo(const SourceCase& source, std::ostream* out)
{
    *out << ::testing::PrintToString(std::wstring(source.text));
}

class BackgroundImageSources : public ::testing::TestWithParam<SourceCase> {};

TEST_P(BackgroundImageSources, AreRead)
{
    const BackgroundImageSource source = ParseBackgroundImageSource(GetParam().text);
    EXPECT_EQ(source.kind, GetParam().kind);
    EXPECT_EQ(source.resourceId, GetParam().resourceId);
    EXPECT_EQ(source.path, GetParam().path);
}

using Kind = BackgroundImageKind;
INSTANTIATE_TEST_SUITE_P(
    Sources, BackgroundImageSources,
    ::testing::Values(SourceCase{L"idres: 130", Kind::Resource, 130, L""},
                      SourceCase{L"  idres :;  0x82", Kind::Resource, 130, L""},
                      SourceCase{L"idres: 010", Kind::Resource, 8, L""},
                      SourceCase{L"idres: -12px", Kind::Resource, 12, L""},
                      SourceCase{L"iddll: 7;", Kind::LibraryResource, 7, L""},
                      SourceCase{L"file: c:\\pics\\tile.bmp", Kind::File, 0, L"c:\\pics\\tile.bmp"},
                      SourceCase{L"file: \"c:\\my pics\\a;b.bmp\" rest", Kind::File, 0, L"c:\\my pics\\a;b.bmp"},
                      SourceCase{L"file: tile.bmp; idres: 3", Kind::File, 0, L"tile.bmp"},
                      SourceCase{L"file: \"unclosed.bmp", Kind::None, 0, L""},
                      SourceCase{L"idres:1", Kind::Resource, 1, L""},
                      SourceCase{L"idr:1", Kind::None, 0, L""}, // shorter than 6 characters
                      SourceCase{L"IDRES: 5", Kind::None, 0, L""},
                      SourceCase{L"bitmap: 5", Kind::None, 0, L""},
                      SourceCase{L"idres 5 more", Kind::None, 0, L""},
                      SourceCase{L"idres: 50%", Kind::None, 0, L""},
                      SourceCase{L"idres: 2in", Kind::None, 0, L""},
                      SourceCase{L"idres: 0", Kind::None, 0, L""},
                      SourceCase{L"idres: 65536", Kind::None, 0, L""},
                      SourceCase{L"idres: 99999999999999999999", Kind::None, 0, L""},
                      SourceCase{L"idres: 65535", Kind::Resource, 65535, L""},
                      SourceCase{L"::::::", Kind::None, 0, L""}));

} // namespace
} // namespace fennick
