#include "core/gherkin/GherkinCheck.h"
#include "core/gherkin/GherkinDialect.h"
#include "core/gherkin/GherkinParser.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// The benchmark file is plain ASCII, so widening each byte is its exact UTF-16 form.
std::u16string RealisticText()
{
    std::ifstream in(QUILLMARK_SOURCE_DIR "/bench/data/realistic-1998.feature", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return { bytes.begin(), bytes.end() };
}

// The whole file read as Cucumber reads it, its tree built: what the editor
// does after a change and `check` does for each file.
void BM_ParseRealisticFile(benchmark::State& state)
{
    const std::u16string text = RealisticText();
    const GherkinKeywordTable& table = CucumberKeywordTable();
    const GherkinDialect& english = *table.Find(u"en");
    for (auto _ : state) {
        GherkinParseResult parsed = ParseGherkin(text, table, english);
        benchmark::DoNotOptimize(parsed.document.feature);
    }
}
BENCHMARK(BM_ParseRealisticFile)->Unit(benchmark::kMicrosecond);

// The same with the warnings looked for and everything put in line order:
// what the editor shows and `check` prints.
void BM_CheckRealisticFile(benchmark::State& state)
{
    const std::u16string text = RealisticText();
    const GherkinKeywordTable& table = CucumberKeywordTable();
    const GherkinDialect& english = *table.Find(u"en");
    for (auto _ : state) {
        std::vector<GherkinProblem> problems = CheckGherkin(text, table, english);
        benchmark::DoNotOptimize(problems.data());
    }
}
BENCHMARK(BM_CheckRealisticFile)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
