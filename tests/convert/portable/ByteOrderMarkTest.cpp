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

struct MarkCase {
    const char* what;
    Operation operation;
    Bytes before;
    Bytes after;
};

const Operation insert = &FileConverter::InsertUtf8Header;
const Operation remove = &FileConverter::RemoveUtf8Header;

TEST(ByteOrderMark, ChangesOnlyTheFirstThreeBytes)
{
    const MarkCase cases[] = {
        {"insert before text", insert, {'a', 'b', 'c'}, {0xEF, 0xBB, 0xBF, 'a', 'b', 'c'}},
        {"insert before a marked file", insert, {0xEF, 0xBB, 0xBF, 'a'}, {0xEF, 0xBB, 0xBF, 'a'}},
        {"insert before EF BB", insert, {0xEF, 0xBB}, {0xEF, 0xBB, 0xBF, 0xEF, 0xBB}},
        {"insert before ANSI text", insert, {0xB0, 0xA1}, {0xEF, 0xBB, 0xBF, 0xB0, 0xA1}},
        {"insert into an empty file", insert, {}, {}},
        {"remove from text", remove, {0xEF, 0xBB, 0xBF, 'a', 'b', 'c'}, {'a', 'b', 'c'}},
        {"remove the only content", remove, {0xEF, 0xBB, 0xBF}, {}},
        {"remove one of two marks", remove, {0xEF, 0xBB, 0xBF, 0xEF, 0xBB, 0xBF, 'a'}, {0xEF, 0xBB, 0xBF, 'a'}},
        {"remove from an unmarked file", remove, {'a', 'b', 'c'}, {'a', 'b', 'c'}},
        {"remove from EF BB", remove, {0xEF, 0xBB}, {0xEF, 0xBB}},
        {"remove from an empty file", remove, {}, {}},
    };
    for (const MarkCase& c : cases) {
        SCOPED_TRACE(c.what);
        TestDirectory directory;
        CapturedReports reports;
        directory.Write(L"a.txt", c.before);
        const FileConverter converter; // wants backups, which these operations never write

        EXPECT_TRUE((converter.*c.operation)(directory.Path(L"a.txt")));
        EXPECT_EQ(directory.Read(L"a.txt"), c.after);
        EXPECT_THAT(directory.Names(), ElementsAre(L"a.txt"));
        EXPECT_THAT(reports.Reports(), IsEmpty());
    }
}

TEST(ByteOrderMark, ReadOnlyFilesFailOnlyWhenTheyNeedRewriting)
{
    struct ReadOnlyCase {
        const char* what;
        Operation operation;
        Bytes content;
        bool succeeds;
    };
    const ReadOnlyCase cases[] = {
        {"insert needed", insert, {'a'}, false},
        {"remove needed", remove, {0xEF, 0xBB, 0xBF, 'a'}, false},
        {"insert not needed", insert, {0xEF, 0xBB, 0xBF, 'a'}, true},
        {"remove not needed", remove, {'a'}, true},
    };
    for (const ReadOnlyCase& c : cases) {
        SCOPED_TRACE(c.what);
        TestDirectory directory;
        CapturedReports reports;
        directory.Write(L"a.txt", c.content);
        directory.MakeReadOnly(L"a.txt");

        EXPECT_EQ((FileConverter().*c.operation)(directory.Path(L"a.txt")), c.succeeds);
        EXPECT_EQ(directory.Read(L"a.txt"), c.content);
        EXPECT_THAT(directory.Names(), ElementsAre(L"a.txt"));
        EXPECT_THAT(reports.Reports(), IsEmpty());
    }
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
