#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <new>

#include "convert/portable/FileConverter.h"
#include "tests/convert/support/PlatformAnsi.h"
#include "tests/framework/support/CapturedReports.h"
#include "tests/framework/support/TestDirectory.h"

namespace fennick::test {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

Bytes Marked(Bytes bytes)
{
    bytes.insert(bytes.begin(), utf8Mark.begin(), utf8Mark.end());
    return bytes;
}

// Only well-formed UTF-8 stays as it is; anything else is ANSI text and is converted.
TEST(ConvertToUtf8, LeavesEachKindOfFileInItsState)
{
    const struct {
        const char* what;
        Bytes before;
        Bytes after;
        bool backedUp;
    } cases[] = {
        {"empty", {}, {}, false},
        {"marked, whatever follows", {0xEF, 0xBB, 0xBF, 0xB0, 0xA1}, {0xEF, 0xBB, 0xBF, 0xB0, 0xA1}, false},
        {"ASCII", {'a', 'b', 'c'}, Marked({'a', 'b', 'c'}), true},
        {"UTF-8", {'a', 0xEA, 0xB0, 0x80}, Marked({'a', 0xEA, 0xB0, 0x80}), false},
        {"UTF-8 cut short", {'a', 0xEA, 0xB0}, Marked({'a', 0xE5, 0xAA, 0x9B}), true},
        {"encoded surrogate", {0xED, 0xB0, 0xB0, 'a'}, Marked({0xE6, 0x81, 0xA3, 0xEC, 0xBA, 0xBB}), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestDirectory directory;
        CapturedReports reports;
        directory.Write(L"a.txt", c.before);

        EXPECT_TRUE(FileConverter().ConvertToUtf8(directory.Path(L"a.txt")));
        EXPECT_EQ(directory.Read(L"a.txt"), c.after);
        if (c.backedUp) {
            EXPECT_EQ(directory.Read(L"a.txt.bak"), c.before);
        } else {
            EXPECT_THAT(directory.Names(), ElementsAre(L"a.txt"));
        }
        EXPECT_THAT(reports.Reports(), IsEmpty());
    }
}

TEST(ConvertToUtf8, ConvertsKoreanTextUnderAKoreanName)
{
    const std::u8string_view text = u8"<p>똠방각하께서 햏 뷁 하시니, UTF-8 로 변환합니다.</p>\r\n※ 「괄호」와 ①②③, 漢字.\n";
    TestDirectory directory;
    directory.Write(L"한글 문서.html", ToAnsiByPlatform(text));
    FileConverter converter;
    converter.SetBackupFlag(false);

    EXPECT_TRUE(converter.ConvertToUtf8(directory.Path(L"한글 문서.html")));
    EXPECT_EQ(directory.Read(L"한글 문서.html"), Marked(Bytes(text.begin(), text.end())));
    EXPECT_THAT(directory.Names(), ElementsAre(L"한글 문서.html"));
}

// Files are read and converted a piece at a time; characters cut by the end of a piece must
// come out whole, and UTF-8 must be recognised across pieces.
TEST(ConvertToUtf8, ConvertsFilesOfManyPiecesWhole)
{
    const struct {
        const char* what;
        Bytes unit;
        Bytes unitUtf8;
    } cases[] = {
        {"pairs only", {0xB0, 0xA1}, {0xEA, 0xB0, 0x80}},
        {"pairs ending in letters", {0x81, 'A'}, {0xEA, 0xB0, 0x82}},
        {"pairs after ASCII runs", {'<', 'p', '>', 0xB0, 0xA1, ' '}, {'<', 'p', '>', 0xEA, 0xB0, 0x80, ' '}},
        {"UTF-8", {0xEA, 0xB0, 0x80}, {0xEA, 0xB0, 0x80}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes before{'a'}; // an odd start, so that pieces end inside characters
        Bytes after = Marked({'a'});
        while (before.size() < 1'500'000) {
            before.insert(before.end(), c.unit.begin(), c.unit.end());
            after.insert(after.end(), c.unitUtf8.begin(), c.unitUtf8.end());
        }
        TestDirectory directory;
        directory.Write(L"a.txt", before);
        FileConverter converter;
        converter.SetBackupFlag(false);

        EXPECT_TRUE(converter.ConvertToUtf8(directory.Path(L"a.txt")));
        EXPECT_TRUE(directory.Read(L"a.txt") == after);
    }
}

TEST(ConvertToUtf8, OverwritesAnExistingBackupOnlyWhenAskedTo)
{
    for (const bool backUp : {true, false}) {
        TestDirectory directory;
        directory.Write(L"a.txt", {'n', 'e', 'w'});
        directory.Write(L"a.txt.bak", {'o', 'l', 'd'});
        FileConverter converter;
        converter.SetBackupFlag(backUp);

        EXPECT_TRUE(converter.ConvertToUtf8(directory.Path(L"a.txt")));
        EXPECT_EQ(directory.Read(L"a.txt.bak"), backUp ? Bytes({'n', 'e', 'w'}) : Bytes({'o', 'l', 'd'}));
    }
}

// Nothing on disk changes when the file or its backup may not be written; nothing is shown.
TEST(ConvertToUtf8, FailsQuietlyOnFilesItMayNotReadOrWrite)
{
    TestDirectory directory;
    CapturedReports reports;
    std::filesystem::create_directory(FileSystemPath(directory.Path(L"folder")));
    std::filesystem::create_directory(FileSystemPath(directory.Path(L"b.txt.bak")));
    for (const wchar_t* name : {L"a.txt", L"b.txt", L"c.txt"}) {
        directory.Write(name, {0xB0, 0xA1});
    }
    directory.Write(L"c.txt.bak", {'o', 'l', 'd'});
    directory.Write(L"marked.txt", {0xEF, 0xBB, 0xBF, 'a'});
    for (const wchar_t* readOnly : {L"a.txt", L"c.txt.bak", L"marked.txt"}) {
        directory.MakeReadOnly(readOnly);
    }
    FileConverter converter;

    for (const wchar_t* name : {L"missing.txt", L"folder", L"a.txt", L"b.txt", L"c.txt"}) {
        EXPECT_FALSE(converter.ConvertToUtf8(directory.Path(name))) << name;
    }
    EXPECT_TRUE(converter.ConvertToUtf8(directory.Path(L"marked.txt")));
    for (const wchar_t* name : {L"a.txt", L"b.txt", L"c.txt"}) {
        EXPECT_EQ(directory.Read(name), Bytes({0xB0, 0xA1})) << name;
    }
    EXPECT_EQ(directory.Read(L"c.txt.bak"), Bytes({'o', 'l', 'd'}));
    EXPECT_THAT(directory.Names(),
                ElementsAre(L"a.txt", L"b.txt", L"b.txt.bak", L"c.txt", L"c.txt.bak", L"folder", L"marked.txt"));
    EXPECT_THAT(reports.Reports(), IsEmpty());
}

TEST(ConvertToUtf8, HandlesPathsBeyondTheClassicLimit)
{
    TestDirectory directory;
    std::wstring name;
    for (int level = 0; level < 4; ++level) {
        name += std::wstring(70, static_cast<wchar_t>(L'k' + level)) + L"/";
        std::filesystem::create_directory(FileSystemPath(directory.Path(name)));
    }
    name += L"긴 경로.txt";
    directory.Write(name, {0xB0, 0xA1});
    ASSERT_GT(directory.Path(name).size(), 300u);

    EXPECT_TRUE(FileConverter().ConvertToUtf8(directory.Path(name)));
    EXPECT_EQ(directory.Read(name), Marked({0xEA, 0xB0, 0x80}));
    EXPECT_EQ(directory.Read(name + L".bak"), Bytes({0xB0, 0xA1}));
}

// The ANSI code page, with something else happening each time a piece is converted.
class InterferingCodePage final : public CodePage {
public:
    explicit InterferingCodePage(std::function<bool()> interfere) : interfere_(std::move(interfere)) {}
    bool IsLeadByte(unsigned char byte) const override { return AnsiCodePage().IsLeadByte(byte); }
    std::optional<std::size_t> ToUtf8(std::span<const unsigned char> text, std::span<unsigned char> utf8) const override
    {
        return interfere_() ? AnsiCodePage().ToUtf8(text, utf8) : std::nullopt;
    }

private:
    std::function<bool()> interfere_;
};

TEST(ConvertToUtf8, KeepsTheFileWhenConvertingFailsAndTheBackupWhenTheFileVanishes)
{
    // The last lead byte is converted after the file has been read to its end and closed: by
    // then even Windows lets the file go.
    const Bytes original{0xB0, 0xA1, 0xB0};
    TestDirectory* current = nullptr;
    const struct {
        const char* what;
        std::function<bool()> interfere;
        std::vector<std::wstring> namesAfter;
        bool reported;
    } cases[] = {
        {"out of memory", []() -> bool { throw std::bad_alloc(); }, {L"a.txt"}, true},
        {"the system fails", [] { return false; }, {L"a.txt"}, false},
        {"the file is removed", [&] {
             std::error_code stillOpen;
             std::filesystem::remove(FileSystemPath(current->Path(L"a.txt")), stillOpen);
             return true;
         }, {L"a.txt.bak"}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestDirectory directory;
        current = &directory;
        CapturedReports reports;
        directory.Write(L"a.txt", original);

        EXPECT_FALSE(FileConverter(InterferingCodePage(c.interfere)).ConvertToUtf8(directory.Path(L"a.txt")));
        EXPECT_EQ(directory.Names(), c.namesAfter);
        EXPECT_EQ(directory.Read(c.namesAfter.front()), original);
        ASSERT_EQ(reports.Reports().size(), c.reported ? 1u : 0u);
        if (c.reported) {
            EXPECT_EQ(reports.Reports()[0].Path(), directory.Path(L"a.txt"));
        }
    }
}

} // namespace
} // namespace fennick::test
