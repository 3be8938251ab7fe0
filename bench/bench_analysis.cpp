#include "core/editor/Format.h"
#include "core/editor/LineAnalysis.h"
#include "core/editor/TextLineSource.h"
#include "core/language/KeywordDictionary.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

// The benchmark file is plain ASCII, so widening each byte is its exact UTF-16 form.
std::u16string RealisticText()
{
    std::ifstream in(QUILLMARK_SOURCE_DIR "/bench/data/realistic-1998.feature", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return { bytes.begin(), bytes.end() };
}

const TextLineSource& RealisticSource()
{
    static const TextLineSource source(RealisticText());
    return source;
}

// Every line read and classified, then the context pass: what a change of
// line count or any command costs.
void BM_AnalyseAllLines(benchmark::State& state)
{
    const Language english = LanguageOf(u"en");
    const TextLineSource& source = RealisticSource();
    LineAnalysis analysis;
    for (auto _ : state) {
        analysis.AnalyseLines(english, source, 0, source.lineCount());
        benchmark::DoNotOptimize(analysis.lineType.data());
    }
    state.counters["lines"] = analysis.analysedLineCount;
}
BENCHMARK(BM_AnalyseAllLines)->Unit(benchmark::kMicrosecond);

// Three lines around the caret and the context pass over all: one keystroke.
void BM_AnalyseAroundKeystroke(benchmark::State& state)
{
    const Language english = LanguageOf(u"en");
    const TextLineSource& source = RealisticSource();
    LineAnalysis analysis;
    analysis.AnalyseAll(english, source);
    const int caret = analysis.analysedLineCount / 2;
    for (auto _ : state) {
        analysis.AnalyseLines(english, source, caret - 1, caret + 2);
        benchmark::DoNotOptimize(analysis.lineType.data());
    }
}
BENCHMARK(BM_AnalyseAroundKeystroke)->Unit(benchmark::kMicrosecond);

// The whole command's text: the tables checked against the text, rebuilt, and the rest carried over.
void BM_FormatWholeText(benchmark::State& state)
{
    const Language english = LanguageOf(u"en");
    const TextLineSource& source = RealisticSource();
    LineAnalysis analysis;
    analysis.AnalyseAll(english, source);
    int docStringColumn = 0;
    for (auto _ : state) {
        std::u16string text = FormatWholeText(english, source, analysis, docStringColumn);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_FormatWholeText)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
