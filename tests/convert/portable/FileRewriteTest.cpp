#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <new>
#include <type_traits>

#include "convert/portable/FileConverter.h"
#include "tests/framework/support/CapturedReports.h"
#include "tests/framework/support/TestDirectory.h"

namespace fennick::test {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using Operation = FileOutcome (FileConverter::*)(const std::wstring&) const;

Bytes Marked(Bytes bytes)
{
    bytes.insert(bytes.begin(), kUtf8Mark.begin(), kUtf8Mark.end());
    return bytes;
}

enum Setting { Kept, BackedUp, ReadOnly, BackupReadOnly };
const Operation convert = &FileConverter::ConvertToUtf8;
const Operation insert = &FileConverter::InsertUtf8Header;
const Operation remove = &FileConverter::RemoveUtf8Header;

// Only well-formed UTF-8 escapes conversion, whose backup replaces an older one; the mark alone
// changes otherwise. What may not be written fails, unchanged, only when it needs rewriting.
TEST(FileConverter, LeavesEachKindOfFileInItsState)
{
    const Bytes old{'o', 'l', 'd'};
    const struct {
        Operation operation;
        Bytes before;
        Bytes after;
        Setting setting = Kept;
    } cases[] = {
        {convert, {}, {}},
        {convert, Marked({0xB0, 0xA1}), Marked({0xB0, 0xA1})},
        {convert, {'a', 0xEA, 0xB0, 0x80}, Marked({'a', 0xEA, 0xB0, 0x80})},
        {convert, {'a', 'b', 'c'}, Marked({'a', 'b', 'c'}), BackedUp},
        {convert, {'a', 0xEA, 0xB0}, Marked({'a', 0xE5, 0xAA, 0x9B}), BackedUp}, // UTF-8 cut short
        {convert, {0xED, 0xB0, 0xB0, 'a'}, Marked({0xE6, 0x81, 0xA3, 0xEC, 0xBA, 0xBB}), BackedUp}, // encoded surrogate
        {convert, {0xB0, 0xA1}, Marked({0xEA, 0xB0, 0x80}), ReadOnly},
        {convert, Marked({'a'}), Marked({'a'}), ReadOnly},
        {convert, {0xB0, 0xA1}, Marked({0xEA, 0xB0, 0x80}), BackupReadOnly},
        {insert, {'a'}, Marked({'a'})},
        {insert, Marked({'a'}), Marked({'a'})},
        {insert, {}, {}},
        {insert, {0xEF, 0xBB}, Marked({0xEF, 0xBB})},
        {remove, Marked({}), {}},
        {remove, Marked(Marked({'a'})), Marked({'a'})},
        {remove, {0xEF, 0xBB}, {0xEF, 0xBB}},
        {insert, {'a'}, Marked({'a'}), ReadOnly},
        {insert, Marked({'a'}), Marked({'a'}), ReadOnly},
        {remove, Marked({'a'}), {'a'}, ReadOnly},
        {remove, {'a'}, {'a'}, ReadOnly},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        TestDirectory directory;
        CapturedReports reports;
        directory.Write(L"a.txt", c.before);
        directory.Write(L"a.txt.bak", old);
        const bool blocked = c.setting == ReadOnly || c.setting == BackupReadOnly;
        if (blocked) {
            directory.MakeReadOnly(c.setting == ReadOnly ? L"a.txt" : L"a.txt.bak");
        }

        EXPECT_EQ((FileConverter().*c.operation)(directory.Path(L"a.txt")), !blocked || c.before == c.after);
        EXPECT_EQ(directory.Read(L"a.txt"), blocked ? c.before : c.after);
        EXPECT_EQ(directory.Read(L"a.txt.bak"), c.setting == BackedUp ? c.before : old);
        EXPECT_THAT(directory.Names(), ElementsAre(L"a.txt", L"a.txt.bak"));
        EXPECT_THAT(reports.Reports(), IsEmpty());
    }
}

// Files are read and rewritten a piece at a time; characters cut by the end of a piece must
// come out whole, and UTF-8 must be recognised across pieces.
TEST(FileConverter, RewritesFilesOfManyPiecesWhole)
{
    const std::pair<Bytes, Bytes> units[] = {
        {{0xB0, 0xA1}, {0xEA, 0xB0, 0x80}},
        {{0x81, 'A'}, {0xEA, 0xB0, 0x82}},
        {{0xEA, 0xB0, 0x80}, {0xEA, 0xB0, 0x80}},
        {{'<', 'p', '>', 0xB0, 0xA1, ' '}, {'<', 'p', '>', 0xEA, 0xB0, 0x80, ' '}},
    };
    for (const auto& [unit, unitUtf8] : units) {
        SCOPED_TRACE(::testing::PrintToString(unit));
        Bytes before{'a'}; // an odd start, so that pieces end inside characters
        Bytes after = Marked({'a'});
        while (before.size() < 1'500'000) {
            before.insert(before.end(), unit.begin(), unit.end());
            after.insert(after.end(), unitUtf8.begin(), unitUtf8.end());
        }
        TestDirectory directory;
        directory.Write(L"a.txt", before);
        directory.Write(L"a.txt.bak", {'o', 'l', 'd'});
        FileConverter converter;
        converter.SetBackupFlag(false);

        EXPECT_TRUE(converter.ConvertToUtf8(directory.Path(L"a.txt")));
        EXPECT_TRUE(directory.Read(L"a.txt") == after);
        EXPECT_EQ(directory.Read(L"a.txt.bak"), Bytes({'o', 'l', 'd'}));
        EXPECT_TRUE(converter.RemoveUtf8Header(directory.Path(L"a.txt")));
        EXPECT_TRUE(directory.Read(L"a.txt") == Bytes(after.begin() + 3, after.end()));
        EXPECT_TRUE(converter.InsertUtf8Header(directory.Path(L"a.txt")));
        EXPECT_TRUE(directory.Read(L"a.txt") == after);
    }
}

// Nothing on disk changes, and nothing is shown, for what is missing or no file.
TEST(FileConverter, FailsQuietlyOnFilesItCannotOpenOrBackUp)
{
    TestDirectory directory;
    CapturedReports reports;
    directory.MakeFolders(L"folder");
    directory.MakeFolders(L"a.txt.bak");
    directory.Write(L"a.txt", {0xB0, 0xA1});
    const FileConverter converter;

    for (const Operation operation : {convert, insert, remove}) {
        EXPECT_FALSE((converter.*operation)(directory.Path(L"missing.txt")));
        EXPECT_FALSE((converter.*operation)(directory.Path(L"folder")));
    }
    EXPECT_FALSE(converter.ConvertToUtf8(directory.Path(L"a.txt")));
    EXPECT_EQ(directory.Read(L"a.txt"), Bytes({0xB0, 0xA1}));
    EXPECT_THAT(directory.Names(), ElementsAre(L"a.txt", L"a.txt.bak", L"folder"));
    EXPECT_THAT(reports.Reports(), IsEmpty());
}

TEST(ConvertToUtf8, HandlesKoreanPathsBeyondTheClassicLimit)
{
    TestDirectory directory;
    const std::wstring folder(70, L'k');
    const std::wstring name = folder + L"/" + folder + L"/" + folder + L"/" + folder + L"/긴 경로.txt";
    directory.Write(name, {0xB0, 0xA1});

    EXPECT_TRUE(FileConverter().ConvertToUtf8(directory.Path(name)));
    EXPECT_EQ(directory.Read(name), Marked({0xEA, 0xB0, 0x80}));
    EXPECT_EQ(directory.Read(name + L".bak"), Bytes({0xB0, 0xA1}));
}

// The ANSI code page, with something else happening each time a piece is converted.
class InterferingCodePage final : public CodePage {
public:
    explicit InterferingCodePage(std::function<void()> interfere) : interfere_(std::move(interfere)) {}
    Converted ToUtf8(std::span<const unsigned char> text, std::span<unsigned char> utf8, bool textEnds) const override
    {
        interfere_();
        return AnsiCodePage().ToUtf8(text, utf8, textEnds);
    }

private:
    std::function<void()> interfere_;
};

static_assert(!std::is_constructible_v<FileConverter, InterferingCodePage>,
              "a converter outlives a temporary code page");

TEST(ConvertToUtf8, KeepsTheFileWhenConvertingFailsAndTheBackupWhenTheFileVanishes)
{
    const Bytes original{0xB0, 0xA1, 0xB0}; // the last lead byte is converted after the file is closed
    TestDirectory* current = nullptr;
    const auto removeFile = [&] {
        std::error_code stillOpen;
        std::filesystem::remove(FileSystemPath(current->Path(L"a.txt")), stillOpen);
    };
    const struct {
        std::function<void()> interfere;
        std::wstring left;
    } cases[] = {
        {[] { throw std::bad_alloc(); }, L"a.txt"},
        {removeFile, L"a.txt.bak"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        TestDirectory directory;
        current = &directory;
        CapturedReports reports;
        directory.Write(L"a.txt", original);

        const InterferingCodePage codePage(c.interfere);
        EXPECT_FALSE(FileConverter(codePage).ConvertToUtf8(directory.Path(L"a.txt")));
        EXPECT_EQ(directory.Names(), std::vector{c.left});
        EXPECT_EQ(directory.Read(c.left), original);
        EXPECT_EQ(reports.Paths(), std::vector{directory.Path(L"a.txt")});
    }
}

} // namespace
} // namespace fennick::test
