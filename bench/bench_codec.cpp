#include "core/file/FeatureFileCodec.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// A feature file of just over a megabyte: the realistic sample, repeated.
const std::string& MegabyteFile()
{
    static const std::string bytes = [] {
        std::string sample;
        std::string error;
        if (!ReadFileBytes(QUILLMARK_SOURCE_DIR "/bench/data/realistic-1998.feature", sample, error)
            || sample.empty())
            std::abort();
        std::string whole;
        while (whole.size() < 1'000'000)
            whole += sample;
        return whole;
    }();
    return bytes;
}

std::string AsUtf16LittleEndian(const std::u16string& text)
{
    std::string bytes = "\xFF\xFE";
    bytes.reserve(2 * text.size() + 2);
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

void BM_DecodeUtf8Megabyte(benchmark::State& state)
{
    const std::string& bytes = MegabyteFile();
    for (auto _ : state) {
        DecodedFeatureFile decoded = DecodeFeatureFile(bytes);
        benchmark::DoNotOptimize(decoded.text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_DecodeUtf8Megabyte)->Unit(benchmark::kMillisecond);

void BM_EncodeUtf8Megabyte(benchmark::State& state)
{
    const std::u16string text = DecodeFeatureFile(MegabyteFile()).text;
    for (auto _ : state) {
        std::string bytes = EncodeFeatureFile(text);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * MegabyteFile().size()));
}
BENCHMARK(BM_EncodeUtf8Megabyte)->Unit(benchmark::kMillisecond);

// The UTF-16 road also rebuilds every line end.
void BM_DecodeUtf16Megabyte(benchmark::State& state)
{
    const std::string bytes = AsUtf16LittleEndian(DecodeFeatureFile(MegabyteFile()).text);
    for (auto _ : state) {
        DecodedFeatureFile decoded = DecodeFeatureFile(bytes);
        benchmark::DoNotOptimize(decoded.text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_DecodeUtf16Megabyte)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
