// Saving a large file, and typing while recovery copies of it are written, as
// the user feels them: the longest time the interface thread goes without
// handling an event, which is how long the window stays frozen. The text is
// the realistic document repeated to the megabytes given, LF line ends.

#include "RealisticView.h"
#include "document/CQuillmark2Doc.h"
#include "document/RecoveryCopy.h"
#include "document/RecoveryFile.h"
#include "editor/CQuillmark2View.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

// A file of the realistic document repeated to `megabytes` MB, LF line ends.
QString LargeFile(const QTemporaryDir& folder, int megabytes)
{
    const QByteArray sample = RealisticText().toUtf8().replace("\r\n", "\n") + '\n';
    QByteArray bytes;
    bytes.reserve(qsizetype(megabytes) << 20);
    while (bytes.size() < (qsizetype(megabytes) << 20))
        bytes += sample;
    const QString path = folder.filePath(QStringLiteral("large.feature"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

// The longest time between two runs of a timer that asks to run every
// millisecond, from its start until it is read.
class StallMeter {
public:
    StallMeter()
    {
        m_tick.setInterval(1);
        QObject::connect(&m_tick, &QTimer::timeout, [this] { Tick(); });
        m_since.start();
        m_tick.start();
    }
    qint64 LongestMilliseconds()
    {
        Tick();
        return m_longest;
    }

private:
    void Tick() { m_longest = std::max(m_longest, m_since.restart()); }

    QTimer m_tick;
    QElapsedTimer m_since;
    qint64 m_longest = 0;
};

// The file is saved after a keystroke at its end, as File Save saves it: how
// long the save takes and how long the window is frozen during it.
void BM_SaveLargeFile(benchmark::State& state)
{
    Language english = LanguageOf(u"en");
    const QTemporaryDir folder;
    const QString path = LargeFile(folder, int(state.range(0)));
    CQuillmark2View view(english);
    CQuillmark2Doc document(view);
    if (!document.OnOpenDocument(path)) {
        state.SkipWithError("the file could not be opened");
        return;
    }
    qint64 longestStall = 0;
    for (auto _ : state) {
        QTextCursor end(view.document());
        end.movePosition(QTextCursor::End);
        end.insertText(QStringLiteral("x"));
        StallMeter meter;
        // As File Save does: the file is compared with the one read first.
        if (document.GetFileWatch().ChangedOnDisk() || !document.OnSaveDocument(path))
            state.SkipWithError("the file could not be saved");
        longestStall = std::max(longestStall, meter.LongestMilliseconds());
    }
    state.counters["longest_stall_ms"] = double(longestStall);
}
BENCHMARK(BM_SaveLargeFile)->Arg(50)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// A key every 50 ms for ten seconds at the end of the text, recovery copies
// being written meanwhile: the longest wait of a key beyond its 50 ms, and
// how many copies were written.
void BM_TypingWhileRecoveryCopiesAreWritten(benchmark::State& state)
{
    Language english = LanguageOf(u"en");
    const QTemporaryDir folder;
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder.filePath(QStringLiteral("data"))));
    const QString path = LargeFile(folder, int(state.range(0)));
    QWidget window;
    CQuillmark2View view(english, &window);
    CQuillmark2Doc document(view);
    RecoveryCopy copies(document, view, &window);
    if (!document.OnOpenDocument(path)) {
        state.SkipWithError("the file could not be opened");
        return;
    }
    constexpr int keyMilliseconds = 50;
    qint64 longestWait = 0;
    int copiesWritten = 0;
    QDateTime lastCopy;
    for (auto _ : state) {
        QTextCursor end(view.document());
        end.movePosition(QTextCursor::End);
        QEventLoop loop;
        QTimer keys;
        keys.setInterval(keyMilliseconds);
        QElapsedTimer since, typing;
        QObject::connect(&keys, &QTimer::timeout, [&] {
            longestWait = std::max(longestWait, since.restart() - keyMilliseconds);
            end.insertText(QStringLiteral("k"));
            const QFileInfoList copy = QDir(RecoveryFolder()).entryInfoList({ "*.recovery" }, QDir::Files);
            if (!copy.isEmpty() && copy[0].lastModified() != lastCopy) {
                lastCopy = copy[0].lastModified();
                ++copiesWritten;
            }
            if (typing.elapsed() > 10'000)
                loop.quit();
        });
        since.start();
        typing.start();
        keys.start();
        loop.exec();
    }
    state.counters["longest_key_wait_ms"] = double(longestWait);
    state.counters["copies"] = copiesWritten;
}
BENCHMARK(BM_TypingWhileRecoveryCopiesAreWritten)
    ->Arg(50)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
