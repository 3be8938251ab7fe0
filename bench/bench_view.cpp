// The editor view's hot paths on a realistic 1998-line document: the full
// refresh, one typed character (analysis and colouring, no painting on
// screen), Format, and opening a 1 MB file into the view.

#include "RealisticView.h"
#include "core/editor/LineAnalysis.h"
#include "core/language/KeywordDictionary.h"
#include "document/CQuillmark2Doc.h"
#include "editor/CQuillmark2View.h"
#include "editor/DocumentLineSource.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>

#include <benchmark/benchmark.h>

namespace {

void BM_RefreshAllLines(benchmark::State& state)
{
    RealisticView fixture;
    if (fixture.view.control().GetLineCount() < 1998)
        state.SkipWithError("bench/data/realistic-1998.feature is missing");
    for (auto _ : state)
        fixture.view.RefreshAllLines();
    state.counters["lines"] = fixture.view.analysis().analysedLineCount;
}
BENCHMARK(BM_RefreshAllLines)->Unit(benchmark::kMillisecond);

// The analysis alone, as the full refresh runs it: every line cut from one
// copy of the text, taken anew each time.
void BM_AnalyseOnly(benchmark::State& state)
{
    RealisticView fixture;
    const DocumentLineSource source(fixture.view.document());
    LineAnalysis analysis;
    for (auto _ : state) {
        const DocumentLineSource::CopyScope copy(source);
        analysis.AnalyseAll(fixture.language, source);
    }
    state.counters["lines"] = analysis.analysedLineCount;
}
BENCHMARK(BM_AnalyseOnly)->Unit(benchmark::kMillisecond);

void BM_ColorOnly(benchmark::State& state)
{
    RealisticView fixture;
    for (auto _ : state)
        fixture.view.ColorLines(0, 1998);
}
BENCHMARK(BM_ColorOnly)->Unit(benchmark::kMillisecond);

// Alternately types a character into a step in the middle of the document and
// takes it back with Backspace; each iteration is one keystroke.
void BM_TypedCharacter(benchmark::State& state)
{
    RealisticView fixture;
    QTextCursor cursor(fixture.view.document()->findBlockByNumber(1000));
    cursor.movePosition(QTextCursor::EndOfBlock);
    TypeAndTakeBack(state, cursor, QStringLiteral("x"));
}
BENCHMARK(BM_TypedCharacter)->Unit(benchmark::kMicrosecond);

// The check that follows a pause in the typing on a text this long: the
// whole text taken from the document, read as Cucumber reads it, and its
// problems compared with the ones marked.
void BM_CheckProblems(benchmark::State& state)
{
    RealisticView fixture;
    for (auto _ : state)
        fixture.view.problems().CheckNow();
}
BENCHMARK(BM_CheckProblems)->Unit(benchmark::kMicrosecond);

// Enter and Backspace: the line count changes with every keystroke.
void BM_TypedLineBreak(benchmark::State& state)
{
    RealisticView fixture;
    QTextCursor cursor(fixture.view.document()->findBlockByNumber(1000));
    TypeAndTakeBack(state, cursor, QStringLiteral("\n"));
}
BENCHMARK(BM_TypedLineBreak)->Unit(benchmark::kMillisecond);

// Format and Unformat in turn, so that every iteration rewrites the
// indentation of the whole text (Format of formatted text changes nothing).
void BM_FormatThenUnformat(benchmark::State& state)
{
    RealisticView fixture;
    bool formatted = false;
    for (auto _ : state) {
        if (formatted)
            fixture.view.OnUnformat();
        else
            fixture.view.OnFormat();
        formatted = !formatted;
    }
}
BENCHMARK(BM_FormatThenUnformat)->Unit(benchmark::kMillisecond);

// Format of the document as it comes, each time from the same text.
void BM_FormatFirstTime(benchmark::State& state)
{
    RealisticView fixture;
    for (auto _ : state) {
        fixture.view.OnFormat();
        state.PauseTiming();
        fixture.view.undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FormatFirstTime)->Unit(benchmark::kMillisecond);

void BM_Open1MB(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("large.feature"));
    const QByteArray piece = RealisticText().toUtf8();
    QByteArray bytes;
    while (!piece.isEmpty() && bytes.size() < 1000000)
        bytes += piece;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        state.SkipWithError("cannot write the large file");
    file.close();

    Language english = LanguageOf(u"en");
    CQuillmark2View view(english);
    CQuillmark2Doc document(view);
    for (auto _ : state)
        benchmark::DoNotOptimize(document.OnOpenDocument(path));
    state.counters["bytes"] = static_cast<double>(bytes.size());
    state.counters["lines"] = view.control().GetLineCount();
}
BENCHMARK(BM_Open1MB)->Unit(benchmark::kMillisecond);

} // namespace
