#include <gtest/gtest.h>

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/portable/ReplacementFile.h"
#include "tests/framework/support/TestDirectory.h"

namespace fennick::test {
namespace {

// What the file system was asked to do while a test watched: "flush <path>", "rename <path>".
std::vector<std::string>* watched = nullptr;

std::string PathOfDescriptor(int descriptor)
{
    char path[PATH_MAX] = {};
    const ssize_t length = readlink(("/proc/self/fd/" + std::to_string(descriptor)).c_str(), path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string();
}

} // namespace
} // namespace fennick::test

// The program's own fsync and rename stand before the C library's, note the call and pass it on.
extern "C" int fsync(int descriptor)
{
    if (fennick::test::watched != nullptr)
        fennick::test::watched->push_back("flush " + fennick::test::PathOfDescriptor(descriptor));
    static const auto next = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    return next(descriptor);
}

extern "C" int rename(const char* from, const char* to)
{
    if (fennick::test::watched != nullptr)
        fennick::test::watched->push_back("rename " + std::string(from));
    static const auto next = reinterpret_cast<int (*)(const char*, const char*)>(dlsym(RTLD_NEXT, "rename"));
    return next(from, to);
}

namespace fennick::test {
namespace {

// A power loss right after a replacement must not find the new name pointing at content that
// only ever reached the cache.
TEST(ReplacementFile, FlushesTheNewContentBeforeItTakesTheFilesPlace)
{
    TestDirectory directory;
    directory.Write(L"a.txt", {'o', 'l', 'd'});
    std::vector<std::string> calls;
    {
        ReplacementFile replacement;
        ASSERT_TRUE(replacement.Open(directory.Path(L"a.txt"), ReplacementFile::Target::Existing));
        replacement.Write(Bytes{'n', 'e', 'w'});
        watched = &calls;
        replacement.Commit();
        watched = nullptr;
    }

    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].substr(0, 6), "flush ");
    EXPECT_EQ(calls[1], "rename " + calls[0].substr(6));
    EXPECT_EQ(directory.Read(L"a.txt"), Bytes({'n', 'e', 'w'}));
}

} // namespace
} // namespace fennick::test
