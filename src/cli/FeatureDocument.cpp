#include "FeatureDocument.h"

#include "FileBytes.h"
#include "Output.h"
#include "core/editor/LineAnalysis.h"
#include "core/file/FeatureFileCodec.h"
#include "core/file/Utf8.h"
#include "core/language/KeywordDictionary.h"
#include "core/language/LanguageDirective.h"

#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

bool ReadStandardInput(std::string& bytes, std::string& error)
{
    char chunk[1 << 16];
    errno = 0;
    for (;;) {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, stdin);
        bytes.append(chunk, got);
        if (got < sizeof chunk)
            break;
    }
    if (!std::ferror(stdin))
        return true;
    error = std::generic_category().message(errno != 0 ? errno : EIO);
    return false;
}

// Says why a file cannot be read, or warns of what its bytes lost; false when
// the command cannot go on with it.
bool AcceptRead(const std::string& file, bool read, std::string reason, const DecodedFeatureFile& decoded)
{
    // Positions in the text are ints, as the editor control's are.
    if (read && decoded.text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        read = false;
        reason = std::make_error_code(std::errc::file_too_large).message();
    }
    if (!read) {
        ReportProblem("cannot read " + DisplayName(file) + ": " + reason);
        return false;
    }
    if (decoded.replacedSequences > 0) {
        const std::size_t count = decoded.replacedSequences;
        ReportProblem("warning: " + DisplayName(file) + ": " + std::to_string(count)
            + " invalid byte sequence" + (count == 1 ? "" : "s") + " could not be decoded");
    }
    if (decoded.unrecognisedEncoding)
        ReportProblem("warning: " + DisplayName(file)
            + ": neither UTF-8 nor UTF-16 text (it holds zero bytes); read as UTF-8");
    return true;
}

struct LineBreaks {
    std::size_t crLf = 0;
    std::size_t cr = 0;
    std::size_t lf = 0;
    // Where the line after the first `lines` begins; the end when there are no more.
    std::size_t firstLinesEnd = 0;
    // Whether the bytes past there are all ASCII, and so UTF-8 as they stand,
    // and whether one of them is a zero byte.
    bool asciiPastFirstLines = false;
    bool zeroPastFirstLines = false;

    std::size_t Count() const { return crLf + cr + lf; }
    std::u16string_view Common() const
    {
        const std::size_t count = Count();
        if (count == 0)
            return {};
        return crLf == count ? u"\r\n" : cr == count ? u"\r" : lf == count ? u"\n" : u"";
    }
};

// The line breaks of bytes past those whose places matter: each CR LF pair,
// and every CR and LF, counted sixteen bytes at a time where the processor
// allows it. A CR at the end is no pair. Whether the bytes are all ASCII, and
// whether one is a zero byte, is seen on the way.
LineBreaks CountRestOfLineBreaks(const char* at, const char* const end)
{
    std::size_t crs = 0;
    std::size_t lfs = 0;
    std::size_t pairs = 0;
    unsigned char highBits = 0;
    bool zeroByte = false;
#if defined(__SSE2__)
    __m128i anyHighBit = _mm_setzero_si128();
    __m128i anyZero = _mm_setzero_si128();
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i zero = _mm_setzero_si128();
    const auto sum = [zero](__m128i counters) {
        const __m128i sums = _mm_sad_epu8(counters, zero);
        return static_cast<std::size_t>(_mm_cvtsi128_si32(sums) + _mm_extract_epi16(sums, 4));
    };
    // Each round reads the byte after its sixteen too.
    while (end - at > 16) {
        // Byte counters, summed before they could overflow.
        __m128i crCounters = zero;
        __m128i lfCounters = zero;
        __m128i pairCounters = zero;
        for (int round = 0; round < 255 && end - at > 16; ++round, at += 16) {
            const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
            const __m128i after = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 1));
            anyHighBit = _mm_or_si128(anyHighBit, here);
            anyZero = _mm_or_si128(anyZero, _mm_cmpeq_epi8(here, zero));
            const __m128i isCr = _mm_cmpeq_epi8(here, cr);
            crCounters = _mm_sub_epi8(crCounters, isCr);
            lfCounters = _mm_sub_epi8(lfCounters, _mm_cmpeq_epi8(here, lf));
            pairCounters = _mm_sub_epi8(pairCounters, _mm_and_si128(isCr, _mm_cmpeq_epi8(after, lf)));
        }
        crs += sum(crCounters);
        lfs += sum(lfCounters);
        pairs += sum(pairCounters);
    }
    highBits = _mm_movemask_epi8(anyHighBit) != 0 ? 0x80 : 0;
    zeroByte = _mm_movemask_epi8(anyZero) != 0;
#endif
    for (; at < end; ++at) {
        highBits |= static_cast<unsigned char>(*at);
        zeroByte = zeroByte || *at == '\0';
        crs += *at == '\r' ? 1 : 0;
        lfs += *at == '\n' ? 1 : 0;
        pairs += *at == '\r' && end - at > 1 && at[1] == '\n' ? 1 : 0;
    }
    LineBreaks breaks;
    breaks.crLf = pairs;
    breaks.cr = crs - pairs;
    breaks.lf = lfs - pairs;
    breaks.asciiPastFirstLines = (highBits & 0x80) == 0;
    breaks.zeroPastFirstLines = zeroByte;
    return breaks;
}

// The line breaks of `bytes`, each CR LF, lone CR or lone LF. The first
// `lines` are found one by one, so that where they end is known, and where
// each line after them begins is appended to `lineOffsets` (which holds the
// first line's 0 already); the rest are only counted.
LineBreaks CountLineBreaks(std::string_view bytes, std::size_t lines, std::vector<int>& lineOffsets)
{
    LineBreaks breaks;
    const char* const begin = bytes.data();
    const char* const end = begin + bytes.size();
    breaks.firstLinesEnd = bytes.size();
    const char* at = begin;
    while (breaks.Count() < lines) {
        const char* const lineBreak = NextLineBreak(at, end);
        if (lineBreak == end)
            return breaks;
        const char* const next = PastLineBreak(lineBreak, end);
        ++(*lineBreak == '\n' ? breaks.lf : next - lineBreak == 2 ? breaks.crLf : breaks.cr);
        at = next;
        lineOffsets.push_back(static_cast<int>(at - begin));
    }
    breaks.firstLinesEnd = static_cast<std::size_t>(at - begin);
    const LineBreaks rest = CountRestOfLineBreaks(at, end);
    breaks.crLf += rest.crLf;
    breaks.cr += rest.cr;
    breaks.lf += rest.lf;
    breaks.asciiPastFirstLines = rest.asciiPastFirstLines;
    breaks.zeroPastFirstLines = rest.zeroPastFirstLines;
    return breaks;
}

// Whether `bytes` may be read as UTF-8 text at all: no byte-order mark of
// UTF-16 opens them, and they are few enough for a text's positions, which
// are ints.
bool MayBeUtf8Text(std::string_view bytes)
{
    return !bytes.starts_with("\xFF\xFE") && !bytes.starts_with("\xFE\xFF")
        && bytes.size() <= static_cast<std::size_t>(std::numeric_limits<int>::max());
}

// The document's lines from UTF-8 bytes with more lines than the analysis
// reads: those decoded, the rest only checked and counted. False, and the
// document as it was, when the bytes are not such a text: a byte-order mark
// of UTF-16, zero bytes, a sequence that is not UTF-8, or too few lines.
bool DecodeAnalysedLines(std::string_view bytes, FeatureDocument& document)
{
    if (!MayBeUtf8Text(bytes))
        return false;
    std::vector<int> lineOffsets;
    lineOffsets.reserve(MAX_ANALYSED_LINES + 2);
    lineOffsets.push_back(0);
    const LineBreaks breaks = CountLineBreaks(bytes, MAX_ANALYSED_LINES + 1, lineOffsets);
    if (breaks.firstLinesEnd == bytes.size() || breaks.zeroPastFirstLines
        || bytes.substr(0, breaks.firstLinesEnd).find('\0') != std::string_view::npos)
        return false;
    std::u16string firstLines;
    if (AppendUtf8AsUtf16(bytes.substr(0, breaks.firstLinesEnd), firstLines) > 0
        || (!breaks.asciiPastFirstLines && !IsWellFormedUtf8(bytes.substr(breaks.firstLinesEnd))))
        return false;
    // Only ASCII gives as many units as it has bytes, and then the lines
    // begin in the text where they begin in the bytes.
    document.firstLinesAscii = firstLines.size() == breaks.firstLinesEnd;
    document.source = document.firstLinesAscii ? TextLineSource(std::move(firstLines), std::move(lineOffsets))
                                               : TextLineSource(std::move(firstLines));
    document.lineCount = static_cast<int>(breaks.Count() + 1);
    document.commonLineBreak = breaks.Common();
    return true;
}

// Whether `bytes` are the UTF-8 form of a text as the codec reads them: no
// byte-order mark of UTF-16, no zero byte, nothing that is not UTF-8.
bool IsUtf8Text(const FileBytes& bytes)
{
    const std::string_view view = bytes.View();
    if (!MayBeUtf8Text(view))
        return false;
    return bytes.PlainAscii() || (view.find('\0') == std::string_view::npos && IsWellFormedUtf8(view));
}

// The lines of UTF-8 text one after another, each decoded as the editor's
// control gives it, for the language directive. The last line, which the
// directive's reading never reaches, and any past it read as a heading,
// below which no directive stands.
class Utf8DirectiveLines {
public:
    explicit Utf8DirectiveLines(std::string_view bytes)
        : m_begin(bytes.data())
        , m_end(bytes.data() + bytes.size())
        , m_at(m_begin)
    {
    }

    std::u16string operator()(int line)
    {
        if (line < m_line) {
            m_line = 0;
            m_at = m_begin;
            m_pastLast = false;
        }
        for (; m_line < line && !m_pastLast; ++m_line) {
            const char* const lineBreak = NextLineBreak(m_at, m_end);
            m_pastLast = lineBreak == m_end;
            m_at = m_pastLast ? m_end : PastLineBreak(lineBreak, m_end);
        }
        const char* const lineBreak = m_pastLast ? m_end : NextLineBreak(m_at, m_end);
        if (lineBreak == m_end)
            return u"Feature:";
        std::u16string text;
        AppendUtf8AsUtf16(std::string_view(m_at, static_cast<std::size_t>(lineBreak - m_at)), text);
        text += u'\r';
        return text;
    }

private:
    const char* m_begin;
    const char* m_end;
    int m_line = 0;
    // Where line m_line begins, unless the text has fewer lines.
    const char* m_at;
    bool m_pastLast = false;
};

void DecodeAll(DecodedFeatureFile decoded, FeatureDocument& document)
{
    document.source = TextLineSource(std::move(decoded.text));
    document.firstLinesAscii = false;
    document.replacedSequences = decoded.replacedSequences;
    document.unrecognisedEncoding = decoded.unrecognisedEncoding;
    document.lineCount = document.source.lineCount();
    document.commonLineBreak = document.source.commonLineBreak();
}

// The bytes are the text's UTF-8 form exactly.
bool IsUtf8Form(const DecodedFeatureFile& decoded)
{
    return decoded.encoding == FeatureFileEncoding::Utf8 && decoded.replacedSequences == 0
        && !decoded.unrecognisedEncoding;
}

} // namespace

const char* NextLineBreak(const char* at, const char* const end)
{
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; end - at >= 16; at += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        const int found
            = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf)));
        if (found != 0)
            return at + std::countr_zero(static_cast<unsigned>(found));
    }
#endif
    while (at < end && *at != '\r' && *at != '\n')
        ++at;
    return at;
}

const char* PastLineBreak(const char* lineBreak, const char* end)
{
    return lineBreak + (*lineBreak == '\r' && end - lineBreak > 1 && lineBreak[1] == '\n' ? 2 : 1);
}

std::string DisplayName(const std::string& file)
{
    return file == "-" ? "standard input" : file;
}

std::optional<DecodedFeatureFile> ReadFeatureInput(const std::string& file)
{
    DecodedFeatureFile decoded;
    std::string reason;
    bool read = false;
    if (file == "-") {
        std::string bytes;
        read = ReadStandardInput(bytes, reason);
        decoded = DecodeFeatureFile(bytes);
    } else {
        read = ReadFeatureFile(file, decoded, reason);
    }
    if (!AcceptRead(file, read, reason, decoded))
        return std::nullopt;
    return decoded;
}

std::optional<FeatureDocument> OpenFeatureDocument(
    const std::string& file, const std::optional<std::string>& languageCode, DecodedLines decodedLines)
{
    // The editor's language setting defaults to English; the tool has no setting.
    Language language = LanguageOf(u"en");
    if (languageCode && !SetLanguage(language, FromUtf8(*languageCode))) {
        ReportProblem(
            "unknown language code '" + *languageCode + "' (quillmark-cli languages lists the codes)");
        return std::nullopt;
    }

    FeatureDocument document { TextLineSource(std::u16string()), language, 0, false, {}, 0, {} };
    FileBytes bytes;
    // Whether the source holds the first lines only and, past them, one empty line.
    bool firstLinesOnly = false;
    if (decodedLines == DecodedLines::All) {
        std::optional<DecodedFeatureFile> decoded = ReadFeatureInput(file);
        if (!decoded)
            return std::nullopt;
        DecodeAll(std::move(*decoded), document);
    } else {
        std::string reason;
        bool read = false;
        if (file == "-") {
            std::string input;
            read = ReadStandardInput(input, reason);
            bytes = FileBytes(std::move(input));
        } else {
            read = decodedLines == DecodedLines::None ? FileBytes::Map(file, bytes, reason)
                                                      : FileBytes::Read(file, bytes, reason);
        }
        if (read && decodedLines == DecodedLines::None && IsUtf8Text(bytes)) {
            if (!languageCode) {
                const std::optional<LanguageDirectiveProblem> problem = ApplyDocumentLanguage(
                    document.language, std::numeric_limits<int>::max(), Utf8DirectiveLines(bytes.View()));
                if (problem)
                    ReportAt(DisplayName(file), problem->line, ToUtf8(problem->message));
            }
            document.utf8 = std::move(bytes);
            return document;
        }
        firstLinesOnly
            = read && decodedLines == DecodedLines::Analysed && DecodeAnalysedLines(bytes.View(), document);
        if (!firstLinesOnly) {
            DecodedFeatureFile decoded;
            if (read)
                decoded = DecodeFeatureFile(bytes.View());
            if (!AcceptRead(file, read, reason, decoded))
                return std::nullopt;
            if (!IsUtf8Form(decoded))
                bytes = FileBytes();
            DecodeAll(std::move(decoded), document);
        }
    }
    if (!languageCode) {
        // As on opening a document; a directive naming no language leaves the
        // language as it was. Comment lines may stand above it past the lines
        // decoded, and then the whole text is.
        const TextLineSource& source = document.source;
        const int decoded = source.lineCount() - (firstLinesOnly ? 1 : 0);
        bool pastDecoded = false;
        const auto read = [&](int line) {
            if (line < decoded)
                return source.lineText(line);
            pastDecoded = true;
            return std::u16string(u"Feature:");
        };
        std::optional<LanguageDirectiveProblem> problem
            = ApplyDocumentLanguage(document.language, document.lineCount, read);
        if (pastDecoded) {
            DecodeAll(DecodeFeatureFile(bytes.View()), document);
            document.language = language;
            problem = ApplyDocumentLanguage(
                document.language, document.lineCount, [&source](int line) { return source.lineText(line); });
        }
        if (problem)
            ReportAt(DisplayName(file), problem->line, ToUtf8(problem->message));
    }
    document.utf8 = std::move(bytes);
    return document;
}

std::optional<std::string> UnanalysedLinesNote(
    const FeatureDocument& document, const LineAnalysis& analysis, const std::string& name)
{
    if (document.lineCount <= analysis.analysedLineCount)
        return std::nullopt;
    return "note: " + name + " has " + std::to_string(document.lineCount) + " lines; only the first "
        + std::to_string(analysis.analysedLineCount) + " are analysed";
}
