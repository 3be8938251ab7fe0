// The language model's hot paths: classifying every analysed line of a
// document, and switching the current language.
#include "core/language/KeywordDictionary.h"
#include "core/language/LineClassifier.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The lines of the benchmark document as the editor reads them: every line
// but the last ends in its carriage return. The file is plain ASCII.
std::vector<std::u16string> DocumentLines()
{
    const char* path = QUILLMARK_SOURCE_DIR "/bench/data/realistic-1998.feature";
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    const std::string text = bytes.str();
    if (text.empty()) {
        std::fprintf(stderr, "cannot read %s\n", path);
        std::exit(1);
    }
    std::vector<std::u16string> lines(1);
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            std::fprintf(stderr, "%s is not plain ASCII\n", path);
            std::exit(1);
        }
        if (c == '\n')
            lines.emplace_back();
        else
            lines.back().push_back(static_cast<char16_t>(c));
    }
    if (lines.back().empty())
        lines.pop_back();
    for (std::u16string& line : lines)
        if (!line.empty() && line.back() == u'\r')
            line.pop_back();
    for (std::size_t i = 0; i + 1 < lines.size(); ++i)
        lines[i].push_back(u'\r');
    return lines;
}

void BM_ClassifyDocument(benchmark::State& state, const char16_t* language)
{
    const std::vector<std::u16string> lines = DocumentLines();
    const Language selected = LanguageOf(language);
    if (selected.Code().empty()) {
        state.SkipWithError("unknown language");
        return;
    }
    // One keyword string per line, as the per-line tables keep them.
    std::vector<std::u16string> keywords(lines.size());
    for (auto _ : state) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            keywords[i].clear();
            benchmark::DoNotOptimize(ClassifyLine(selected, lines[i], keywords[i]));
        }
        benchmark::ClobberMemory();
    }
    state.counters["lines"] = static_cast<double>(lines.size());
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(lines.size()));
}
// English is the document's language; German walks more slots before giving up.
BENCHMARK_CAPTURE(BM_ClassifyDocument, en, u"en")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ClassifyDocument, de, u"de")->Unit(benchmark::kMicrosecond);

void BM_SetLanguage(benchmark::State& state, const char16_t* language)
{
    const std::u16string code = language;
    Language selected;
    for (auto _ : state)
        benchmark::DoNotOptimize(SetLanguage(selected, code));
}
BENCHMARK_CAPTURE(BM_SetLanguage, de, u"de");
BENCHMARK_CAPTURE(BM_SetLanguage, en, u"en");

} // namespace

BENCHMARK_MAIN();
