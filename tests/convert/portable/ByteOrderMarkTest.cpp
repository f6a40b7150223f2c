#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "convert/portable/FileConverter.h"
#include "tests/framework/support/CapturedReports.h"
#include "tests/framework/support/TestDirectory.h"

namespace fennick::test {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

using Operation = bool (FileConverter::*)(const std::wstring&) const;
const Operation insert = &FileConverter::InsertUtf8Header;
const Operation remove = &FileConverter::RemoveUtf8Header;

// Only the first three bytes change; a read-only file fails only when it needs rewriting.
TEST(ByteOrderMark, ChangesOnlyTheFirstThreeBytes)
{
    const struct {
        const char* what;
        Operation operation;
        Bytes before;
        Bytes after;
        bool succeeds = true;
        bool readOnly = false;
    } cases[] = {
        {"insert before text", insert, {'a', 'b', 'c'}, {0xEF, 0xBB, 0xBF, 'a', 'b', 'c'}},
        {"insert before a marked file", insert, {0xEF, 0xBB, 0xBF, 'a'}, {0xEF, 0xBB, 0xBF, 'a'}},
        {"insert before EF BB", insert, {0xEF, 0xBB}, {0xEF, 0xBB, 0xBF, 0xEF, 0xBB}},
        {"insert into an empty file", insert, {}, {}},
        {"remove the only content", remove, {0xEF, 0xBB, 0xBF}, {}},
        {"remove one of two marks", remove, {0xEF, 0xBB, 0xBF, 0xEF, 0xBB, 0xBF, 'a'}, {0xEF, 0xBB, 0xBF, 'a'}},
        {"remove from EF BB", remove, {0xEF, 0xBB}, {0xEF, 0xBB}},
        {"insert needed, read-only", insert, {'a'}, {'a'}, false, true},
        {"remove needed, read-only", remove, {0xEF, 0xBB, 0xBF, 'a'}, {0xEF, 0xBB, 0xBF, 'a'}, false, true},
        {"insert not needed, read-only", insert, {0xEF, 0xBB, 0xBF, 'a'}, {0xEF, 0xBB, 0xBF, 'a'}, true, true},
        {"remove not needed, read-only", remove, {'a'}, {'a'}, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestDirectory directory;
        CapturedReports reports;
        directory.Write(L"a.txt", c.before);
        if (c.readOnly) {
            directory.MakeReadOnly(L"a.txt");
        }
        const FileConverter converter; // wants backups, which these operations never write

        EXPECT_EQ((converter.*c.operation)(directory.Path(L"a.txt")), c.succeeds);
        EXPECT_EQ(directory.Read(L"a.txt"), c.after);
        EXPECT_THAT(directory.Names(), ElementsAre(L"a.txt"));
        EXPECT_THAT(reports.Reports(), IsEmpty());
    }
}

// A file longer than one piece is read again from its start for the rewrite.
TEST(ByteOrderMark, RewritesFilesOfManyPiecesWhole)
{
    Bytes text(700'000, 'a');
    text.back() = 'z';
    Bytes marked{0xEF, 0xBB, 0xBF};
    marked.insert(marked.end(), text.begin(), text.end());
    TestDirectory directory;
    directory.Write(L"a.txt", text);
    const FileConverter converter;

    EXPECT_TRUE(converter.InsertUtf8Header(directory.Path(L"a.txt")));
    EXPECT_TRUE(directory.Read(L"a.txt") == marked);
    EXPECT_TRUE(converter.RemoveUtf8Header(directory.Path(L"a.txt")));
    EXPECT_TRUE(directory.Read(L"a.txt") == text);
}

TEST(ByteOrderMark, MissingFilesFail)
{
    TestDirectory directory;
    EXPECT_FALSE(FileConverter().InsertUtf8Header(directory.Path(L"missing.txt")));
    EXPECT_FALSE(FileConverter().RemoveUtf8Header(directory.Path(L"missing.txt")));
    EXPECT_THAT(directory.Names(), IsEmpty());
}

} // namespace
} // namespace fennick::test
