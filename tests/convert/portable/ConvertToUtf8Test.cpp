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

Bytes Utf8Bytes(std::u8string_view text)
{
    return Bytes(text.begin(), text.end());
}

struct ConversionCase {
    const char* what;
    Bytes before;
    Bytes after;
    bool backedUp;
};

TEST(ConvertToUtf8, LeavesEachKindOfFileInItsState)
{
    const ConversionCase cases[] = {
        {"empty", {}, {}, false},
        {"only the mark", {0xEF, 0xBB, 0xBF}, {0xEF, 0xBB, 0xBF}, false},
        {"marked, whatever follows", {0xEF, 0xBB, 0xBF, 0xB0, 0xA1}, {0xEF, 0xBB, 0xBF, 0xB0, 0xA1}, false},
        {"ASCII", {'a', 'b', 'c'}, Marked({'a', 'b', 'c'}), true},
        {"one Hangul syllable", {0xB0, 0xA1}, Marked({0xEA, 0xB0, 0x80}), true},
        {"UTF-8", {'a', 0xEA, 0xB0, 0x80}, Marked({'a', 0xEA, 0xB0, 0x80}), false},
        {"UTF-8 cut short", {'a', 0xEA, 0xB0}, Marked({'a', 0xE5, 0xAA, 0x9B}), true},
        {"a lone lead byte", {0xC3}, Marked({'?'}), true},
        {"EF BB", {0xEF, 0xBB}, Marked({0xE7, 0x99, 0xA4}), true},
        {"overlong two-byte form", {0xC0, 0xBB}, Marked({0xEC, 0x9D, 0x84}), true},
        {"encoded surrogate", {0xED, 0xB0, 0xB0, 'a'}, Marked({0xE6, 0x81, 0xA3, 0xEC, 0xBA, 0xBB}), true},
        {"beyond U+10FFFF", {0xF4, 0x90, 0xA1, 0xA1}, Marked({'?', 0xE3, 0x80, 0x80}), true},
    };
    for (const ConversionCase& c : cases) {
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
    const std::u8string_view text =
        u8"<p>똠방각하께서 햏 뷁 하시니, 파일을 UTF-8 로 변환합니다.</p>\r\n"
        u8"가나다라 마바사 아자차카 타파하 ※ 괄호(「」)와 ①②③, 漢字도 있습니다.\n";
    TestDirectory directory;
    directory.Write(L"한글 문서.html", ToAnsiByPlatform(text));
    FileConverter converter;
    converter.SetBackupFlag(false);

    EXPECT_TRUE(converter.ConvertToUtf8(directory.Path(L"한글 문서.html")));
    EXPECT_EQ(directory.Read(L"한글 문서.html"), Marked(Utf8Bytes(text)));
    EXPECT_THAT(directory.Names(), ElementsAre(L"한글 문서.html"));
}

// Files are read a piece at a time; characters cut by the end of a piece must come out whole.
TEST(ConvertToUtf8, ConvertsFilesOfManyPiecesWhole)
{
    TestDirectory directory;
    Bytes ansi{'a'};
    Bytes utf8 = Marked({'a'});
    Bytes unicode{'a'};
    for (int syllable = 0; syllable < 400'000; ++syllable) {
        ansi.insert(ansi.end(), {0xB0, 0xA1});
        utf8.insert(utf8.end(), {0xEA, 0xB0, 0x80});
        unicode.insert(unicode.end(), {0xEA, 0xB0, 0x80});
    }
    directory.Write(L"ansi.txt", ansi);
    directory.Write(L"utf8.txt", unicode);
    FileConverter converter;
    converter.SetBackupFlag(false);

    EXPECT_TRUE(converter.ConvertToUtf8(directory.Path(L"ansi.txt")));
    EXPECT_TRUE(converter.ConvertToUtf8(directory.Path(L"utf8.txt")));
    EXPECT_TRUE(directory.Read(L"ansi.txt") == utf8);
    EXPECT_TRUE(directory.Read(L"utf8.txt") == utf8);
}

TEST(ConvertToUtf8, OverwritesAnExistingBackupOnlyWhenAskedTo)
{
    for (const bool backUp : {true, false}) {
        TestDirectory directory;
        directory.Write(L"a.txt", {'n', 'e', 'w'});
        directory.Write(L"a.txt.bak", {'o', 'l', 'd', 'e', 'r'});
        FileConverter converter;
        converter.SetBackupFlag(backUp);

        EXPECT_TRUE(converter.ConvertToUtf8(directory.Path(L"a.txt")));
        EXPECT_EQ(directory.Read(L"a.txt.bak"), backUp ? Bytes({'n', 'e', 'w'}) : Bytes({'o', 'l', 'd', 'e', 'r'}));
    }
}

// Nothing on disk changes when the file or its backup may not be written; nothing is shown.
TEST(ConvertToUtf8, FailsQuietlyOnFilesItMayNotReadOrWrite)
{
    TestDirectory directory;
    CapturedReports reports;
    std::filesystem::create_directory(FileSystemPath(directory.Path(L"folder")));
    std::filesystem::create_directory(FileSystemPath(directory.Path(L"b.txt.bak")));
    directory.Write(L"a.txt", {0xB0, 0xA1});
    directory.Write(L"b.txt", {0xB0, 0xA1});
    directory.Write(L"c.txt", {0xB0, 0xA1});
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
    std::wstring folder = L"";
    for (int level = 0; level < 4; ++level) {
        folder += std::wstring(70, static_cast<wchar_t>(L'k' + level)) + L"/";
        std::filesystem::create_directory(FileSystemPath(directory.Path(folder)));
    }
    const std::wstring name = folder + L"긴 경로.txt";
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

    std::optional<std::size_t> ToUtf8(std::span<const unsigned char> text,
                                      std::span<unsigned char> utf8) const override
    {
        return interfere_() ? AnsiCodePage().ToUtf8(text, utf8) : std::nullopt;
    }

private:
    std::function<bool()> interfere_;
};

TEST(ConvertToUtf8, DoesNotBringBackAFileRemovedWhileConverting)
{
    TestDirectory directory;
    CapturedReports reports;
    // The last lead byte is converted after the file has been read to its end and closed: by
    // then even Windows lets the file go.
    const Bytes original{0xB0, 0xA1, 0xB0};
    directory.Write(L"a.txt", original);
    const InterferingCodePage codePage([&] {
        std::error_code stillOpen;
        std::filesystem::remove(FileSystemPath(directory.Path(L"a.txt")), stillOpen);
        return true;
    });

    EXPECT_FALSE(FileConverter(codePage).ConvertToUtf8(directory.Path(L"a.txt")));
    EXPECT_THAT(directory.Names(), ElementsAre(L"a.txt.bak"));
    EXPECT_EQ(directory.Read(L"a.txt.bak"), original);
    ASSERT_EQ(reports.Reports().size(), 1u);
    EXPECT_EQ(reports.Reports()[0].Path(), directory.Path(L"a.txt"));
}

TEST(ConvertToUtf8, KeepsTheFileWhenConvertingFails)
{
    const struct {
        const char* what;
        std::function<bool()> interfere;
        bool reported;
    } cases[] = {
        {"out of memory", []() -> bool { throw std::bad_alloc(); }, true},
        {"the system fails", [] { return false; }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestDirectory directory;
        CapturedReports reports;
        directory.Write(L"a.txt", {0xB0, 0xA1});
        const InterferingCodePage codePage(c.interfere);

        EXPECT_FALSE(FileConverter(codePage).ConvertToUtf8(directory.Path(L"a.txt")));
        EXPECT_EQ(directory.Read(L"a.txt"), Bytes({0xB0, 0xA1}));
        EXPECT_THAT(directory.Names(), ElementsAre(L"a.txt"));
        ASSERT_EQ(reports.Reports().size(), c.reported ? 1u : 0u);
        if (c.reported) {
            EXPECT_EQ(reports.Reports()[0].Path(), directory.Path(L"a.txt"));
            EXPECT_EQ(reports.Reports()[0].Description(), FileException::OutOfMemory(L"").Description());
        }
    }
}

} // namespace
} // namespace fennick::test
