// Collecting a dropped tree of 100,000 small files in 1,000 folders, summarising it for the two
// lists, and ticking one extension among its rows.
#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "tests/ui/portable/MemoryFileList.h"
#include "ui/portable/CollectionSummary.h"
#include "ui/portable/FileRows.h"
#include "ui/portable/FolderWalk.h"

namespace fennick {
namespace {

namespace fs = std::filesystem;

constexpr int TopFolders = 10;
constexpr int SubFoldersEach = 99; // 10 + 10 x 99 = 1,000 folders
constexpr int FilesPerFolder = 100;
constexpr std::array<const char*, 10> Extensions{".txt", ".TXT", ".h", ".cpp",    ".html",
                                                 ".htm", ".php", "",   ".tar.gz", ".md"};

void FillFolder(const fs::path& folder)
{
    fs::create_directory(folder);
    for (int file = 0; file < FilesPerFolder; ++file)
        std::ofstream(folder / ("file" + std::to_string(file) + Extensions[file % Extensions.size()])) << "small\n";
}

fs::path MakeTree()
{
    const fs::path root = fs::temp_directory_path() / "fennick-collection-benchmark";
    fs::remove_all(root);
    fs::create_directory(root);
    for (int top = 0; top < TopFolders; ++top) {
        const fs::path topFolder = root / ("top" + std::to_string(top));
        FillFolder(topFolder);
        for (int sub = 0; sub < SubFoldersEach; ++sub)
            FillFolder(topFolder / ("sub" + std::to_string(sub)));
    }
    return root;
}

std::wstring treeRoot;

const CollectedPaths& CollectedTree()
{
    static const CollectedPaths paths = [] {
        CollectedPaths collected;
        CollectFolder(treeRoot, collected);
        return collected;
    }();
    return paths;
}

void BM_CollectFolder(benchmark::State& state)
{
    std::size_t collected = 0;
    for (auto _ : state) {
        CollectedPaths paths;
        CollectFolder(treeRoot, paths);
        collected = paths.size();
        benchmark::DoNotOptimize(paths.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * collected));
    state.counters["files"] = static_cast<double>(collected);
}
BENCHMARK(BM_CollectFolder)->Unit(benchmark::kMillisecond);

void BM_SummarizeCollection(benchmark::State& state, const wchar_t* exclusionList)
{
    const CollectedPaths& paths = CollectedTree();
    std::size_t shown = 0;
    for (auto _ : state) {
        const CollectionSummary summary = SummarizeCollection(paths, exclusionList);
        shown = summary.shownPaths.size();
        benchmark::DoNotOptimize(summary.extensions.size());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * paths.size()));
    state.counters["shown"] = static_cast<double>(shown);
}
BENCHMARK_CAPTURE(BM_SummarizeCollection, no_exclusion, L"")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SummarizeCollection, html_php, L"*.html;*php;")->Unit(benchmark::kMillisecond);

void BM_TickByExtension(benchmark::State& state)
{
    testing::MemoryFileList list = testing::ListOf(CollectedTree());
    bool tick = true;
    for (auto _ : state) {
        // Alternating, so that every pass really changes the matching rows.
        TickByExtension(list, L".txt", tick);
        tick = !tick;
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * list.RowCount()));
    state.counters["rows"] = list.RowCount();
}
BENCHMARK(BM_TickByExtension)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace fennick

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    const std::filesystem::path root = fennick::MakeTree();
    fennick::treeRoot = root.wstring();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(root);
    return 0;
}
