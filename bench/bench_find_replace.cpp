// Find and Replace on the editor view with a realistic 1998-line document:
// walking through every match, and Replace All of a common keyword, where the
// view re-analyses and re-colours the text after the one edit.

#include "RealisticView.h"
#include "core/language/KeywordDictionary.h"
#include "editor/CQuillmark2View.h"
#include "find/TextSearch.h"

#include <QApplication>
#include <QFile>
#include <QTextCursor>

#include <benchmark/benchmark.h>

namespace {

SearchRequest Request(const QString& what, const QString& with = {})
{
    SearchRequest request;
    request.findWhat = what;
    request.replaceWith = with;
    request.matchCase = true;
    request.wholeWord = true;
    return request;
}

void BM_FindInText(benchmark::State& state)
{
    const QString text = RealisticText();
    if (text.isEmpty())
        state.SkipWithError("bench/data/realistic-1998.feature is missing");
    const SearchRequest request = Request(QStringLiteral("Then"));
    for (auto _ : state)
        benchmark::DoNotOptimize(FindAllInText(text, request).size());
}
BENCHMARK(BM_FindInText)->Unit(benchmark::kMicrosecond);

// Find Next from the top until the search goes round: one selection per match.
void BM_FindNextThroughTheView(benchmark::State& state)
{
    RealisticView fixture;
    const SearchRequest request = Request(QStringLiteral("Given"));
    int matches = 0;
    for (auto _ : state) {
        fixture.view.moveCursor(QTextCursor::Start);
        matches = 0;
        // Going round to a match already passed ends the walk.
        for (int previous = -1; FindNextInEditor(fixture.view, request); ++matches) {
            const int start = fixture.view.textCursor().selectionStart();
            if (start <= previous)
                break;
            previous = start;
        }
    }
    state.counters["matches"] = matches;
}
BENCHMARK(BM_FindNextThroughTheView)->Unit(benchmark::kMillisecond);

// Replace All there and back, so that every iteration starts from the same text.
void BM_ReplaceAllThroughTheView(benchmark::State& state)
{
    RealisticView fixture;
    const SearchRequest there = Request(QStringLiteral("Given"), QStringLiteral("Angenommen"));
    const SearchRequest back = Request(QStringLiteral("Angenommen"), QStringLiteral("Given"));
    int replaced = 0;
    for (auto _ : state) {
        replaced = ReplaceAllInEditor(fixture.view, there);
        ReplaceAllInEditor(fixture.view, back);
    }
    state.counters["replaced"] = replaced;
}
BENCHMARK(BM_ReplaceAllThroughTheView)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
