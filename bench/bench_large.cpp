// The editor view on large texts: the realistic document repeated to 1998,
// 20,000 and 200,000 lines. Loading the text into the view, and typing at
// its end, which should cost the same whatever the length of the text.

#include "RealisticView.h"
#include "core/language/KeywordDictionary.h"
#include "editor/CQuillmark2View.h"

#include <QTextBlock>
#include <QTextCursor>

#include <benchmark/benchmark.h>

namespace {

// The realistic document repeated to `lines` lines, CR LF between them.
QString RepeatedText(int lines)
{
    const QStringList sample = RealisticText().split(QStringLiteral("\r\n"));
    QStringList repeated;
    repeated.reserve(lines);
    while (!sample.isEmpty() && repeated.size() < lines)
        repeated.append(sample.mid(0, lines - repeated.size()));
    return repeated.join(QStringLiteral("\r\n"));
}

void BM_LoadText(benchmark::State& state)
{
    Language english = LanguageOf(u"en");
    const QString text = RepeatedText(static_cast<int>(state.range(0)));
    CQuillmark2View view(english);
    for (auto _ : state)
        view.LoadText(text);
    state.counters["lines"] = view.control().GetLineCount();
}
BENCHMARK(BM_LoadText)->Arg(1998)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);

// A keystroke typed at the end of the last line, then taken back with
// Backspace; each iteration is one keystroke. A line break changes the line
// count with every keystroke, a character does not.
void TypeAtEnd(benchmark::State& state, const QString& keystroke)
{
    Language english = LanguageOf(u"en");
    CQuillmark2View view(english);
    view.LoadText(RepeatedText(static_cast<int>(state.range(0))));
    QTextCursor cursor(view.document());
    cursor.movePosition(QTextCursor::End);
    TypeAndTakeBack(state, cursor, keystroke);
    state.counters["lines"] = view.control().GetLineCount();
}

void BM_TypedCharacterAtEnd(benchmark::State& state)
{
    TypeAtEnd(state, QStringLiteral("x"));
}
BENCHMARK(BM_TypedCharacterAtEnd)->Arg(1998)->Arg(200000)->Unit(benchmark::kMicrosecond);

void BM_TypedLineBreakAtEnd(benchmark::State& state)
{
    TypeAtEnd(state, QStringLiteral("\n"));
}
BENCHMARK(BM_TypedLineBreakAtEnd)->Arg(1998)->Arg(200000)->Unit(benchmark::kMicrosecond);

} // namespace
