#include <gtest/gtest.h>

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <string>
#include <vector>

#include "framework/portable/ReplacementFile.h"
#include "tests/framework/support/TestDirectory.h"

// The program's own fsync and rename stand before the C library's: they note what they are
// asked, while a test watches, and pass it on.
static std::vector<std::string>* watched = nullptr;

extern "C" int fsync(int descriptor)
{
    char path[PATH_MAX] = {};
    if (watched != nullptr &&
        readlink(("/proc/self/fd/" + std::to_string(descriptor)).c_str(), path, sizeof path - 1) > 0)
        watched->push_back(path);
    static const auto next = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    return next(descriptor);
}

extern "C" int rename(const char* from, const char* to)
{
    if (watched != nullptr)
        watched->push_back(std::string("rename ") + from);
    static const auto next = reinterpret_cast<int (*)(const char*, const char*)>(dlsym(RTLD_NEXT, "rename"));
    return next(from, to);
}

namespace fennick::test {
namespace {

// After a power loss the file's name must not point at content that only reached the cache.
TEST(ReplacementFile, FlushesTheNewContentBeforeItTakesTheFilesPlace)
{
    TestDirectory directory;
    directory.Write(L"a.txt", {'o', 'l', 'd'});
    std::vector<std::string> calls;
    ReplacementFile replacement;
    ASSERT_TRUE(replacement.Open(directory.Path(L"a.txt"), ReplacementFile::Target::Existing));
    replacement.Write(Bytes{'n', 'e', 'w'});
    watched = &calls;
    replacement.Commit();
    watched = nullptr;

    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1], "rename " + calls[0]) << "the flushed file is the one that takes the place";
    EXPECT_EQ(directory.Read(L"a.txt"), Bytes({'n', 'e', 'w'}));
}

} // namespace
} // namespace fennick::test
