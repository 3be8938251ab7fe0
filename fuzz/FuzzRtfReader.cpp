#include "platform/RtfReader.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// The reader lays text out with fonts, which need a QGuiApplication; the
// offscreen platform needs no display. The application gets no arguments of
// its own, so that it takes none of the fuzzer's away.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_rtf_reader";
    static char* argv[] = { name, nullptr };
    static QGuiApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView rtf(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QTextDocument document;
    const bool whole = RtfReader::Read(rtf, document);
    if (whole && !rtf.startsWith(QByteArrayView("{\\rtf")))
        std::abort();

    // Reading depends on nothing but the bytes.
    QTextDocument again;
    if (RtfReader::Read(rtf, again) != whole || again.toPlainText() != document.toPlainText())
        std::abort();
    return 0;
}
