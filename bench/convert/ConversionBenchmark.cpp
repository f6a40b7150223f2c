// Throughput of the UTF-8 check and of the conversion, in memory (the conversion also a piece at
// a time, as a file's goes) and of a whole file, on generated 64 MiB texts: with the instruction
// set chosen at start-up, and in memory with each instruction set this processor has.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <vector>

#include "bench/convert/Corpus.h"
#include "convert/portable/FileConverter.h"
#include "convert/portable/InstructionSet.h"
#include "convert/portable/Utf8Transcoder.h"

namespace fennick::bench {
namespace {

constexpr std::size_t corpusSize = std::size_t{64} << 20;

const std::vector<unsigned char>& Corpus(CorpusKind kind)
{
    static std::map<CorpusKind, std::vector<unsigned char>> corpora;
    auto [entry, made] = corpora.try_emplace(kind);
    if (made) {
        entry->second = MakeCorpus(kind, corpusSize);
    }
    return entry->second;
}

void Measure(benchmark::State& state, std::size_t bytesPerIteration)
{
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytesPerIteration));
}

void IsUtf8Text(benchmark::State& state, CorpusKind kind)
{
    const auto& corpus = Corpus(kind);
    for (auto _ : state) {
        benchmark::DoNotOptimize(FileConverter::IsUtf8Text(corpus));
    }
    Measure(state, corpus.size());
}

void AnsiToUtf8(benchmark::State& state, CorpusKind kind)
{
    const auto& corpus = Corpus(kind);
    const FileConverter converter;
    // One output for every run, as a caller that converts text after text keeps it (this function
    // runs afresh for each repetition), converted into once beforehand so that its memory is in
    // place: the first use of fresh memory costs more than the conversion itself.
    static Utf8Bytes utf8;
    converter.AnsiToUtf8(corpus, utf8);
    for (auto _ : state) {
        benchmark::DoNotOptimize(converter.AnsiToUtf8(corpus, utf8));
    }
    Measure(state, corpus.size());
}

// The conversion as a file's goes, a piece at a time into the same output, which stays in the
// caches for the write that takes it (the pieces are as long as the file converter reads).
void PiecewiseToUtf8(benchmark::State& state, CorpusKind kind)
{
    constexpr std::size_t kPieceLength = std::size_t{256} * 1024;
    const auto& corpus = Corpus(kind);
    for (auto _ : state) {
        Utf8Transcoder transcoder(AnsiCodePage());
        for (std::size_t at = 0; at < corpus.size(); at += kPieceLength) {
            const std::size_t length = std::min(kPieceLength, corpus.size() - at);
            benchmark::DoNotOptimize(transcoder.Convert(std::span(corpus).subspan(at, length)).data());
        }
        benchmark::DoNotOptimize(transcoder.Finish().data());
    }
    Measure(state, corpus.size());
}

// The whole file operation: read, check, convert, write a temporary file, replace.
void ConvertToUtf8(benchmark::State& state, CorpusKind kind)
{
    const auto& corpus = Corpus(kind);
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("fennick-bench-" + std::to_string(std::random_device{}()) + ".txt");
    const std::u32string widePath = path.u32string();
    FileConverter converter;
    converter.SetBackupFlag(false);
    for (auto _ : state) {
        state.PauseTiming();
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(corpus.data()), static_cast<std::streamsize>(corpus.size()));
        state.ResumeTiming();
        if (!converter.ConvertToUtf8(std::wstring(widePath.begin(), widePath.end()))) {
            state.SkipWithError("conversion failed");
            break;
        }
    }
    std::filesystem::remove(path);
    Measure(state, corpus.size());
}

// The in-memory benchmarks again with each instruction set, named by it.
void RegisterForEveryInstructionSet()
{
    const std::pair<const char*, CorpusKind> corpora[] = {{"ascii", CorpusKind::Ascii},
                                                          {"korean_utf8", CorpusKind::KoreanUtf8},
                                                          {"korean_cp949", CorpusKind::KoreanCp949}};
    for (const InstructionSet set : SupportedInstructionSets()) {
        for (const auto& [corpusName, kind] : corpora) {
            const auto withSet = [set, kind](auto operation) {
                return [set, kind, operation](benchmark::State& state) {
                    UseInstructionSet(set);
                    operation(state, kind);
                    UseInstructionSet(SupportedInstructionSets().back());
                };
            };
            const std::string suffix = std::string("/") + InstructionSetName(set) + "/" + corpusName;
            if (kind != CorpusKind::KoreanCp949) {
                benchmark::RegisterBenchmark(("IsUtf8TextWith" + suffix).c_str(), withSet(IsUtf8Text))
                    ->Unit(benchmark::kMillisecond);
            }
            if (kind != CorpusKind::KoreanUtf8) {
                benchmark::RegisterBenchmark(("AnsiToUtf8With" + suffix).c_str(), withSet(AnsiToUtf8))
                    ->Unit(benchmark::kMillisecond);
            }
        }
    }
}

BENCHMARK_CAPTURE(IsUtf8Text, ascii, CorpusKind::Ascii)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(IsUtf8Text, korean_utf8, CorpusKind::KoreanUtf8)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AnsiToUtf8, ascii, CorpusKind::Ascii)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AnsiToUtf8, korean_cp949, CorpusKind::KoreanCp949)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PiecewiseToUtf8, ascii, CorpusKind::Ascii)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PiecewiseToUtf8, korean_cp949, CorpusKind::KoreanCp949)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ConvertToUtf8, ascii, CorpusKind::Ascii)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ConvertToUtf8, korean_cp949, CorpusKind::KoreanCp949)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace fennick::bench

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::AddCustomContext("instruction_set", fennick::InstructionSetName(fennick::ActiveInstructionSet()));
    fennick::bench::RegisterForEveryInstructionSet();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
