#include "Commands.h"
#include "FeatureDocument.h"
#include "Output.h"
#include "core/LineBreaks.h"
#include "core/editor/LineAnalysis.h"
#include "core/language/LineClassifier.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// The rows of the classify and analyse tables, one for each line from the
// first: index, type number, type name, keyword. Each is made in place in the
// output, of pieces copied whole.
class Rows {
public:
    explicit Rows(Utf8Output& out)
        : m_out(out)
    {
        for (int type = 0; type < TYPES; ++type) {
            const std::string columns = TypeColumns(static_cast<LineType>(type));
            std::memcpy(m_typeColumns[type].text, columns.data(), columns.size());
            m_typeColumns[type].size = columns.size();
        }
    }

    // The keyword in its UTF-8 form.
    void Put(LineType type, std::string_view keyword)
    {
        if (type < 0 || type >= TYPES || keyword.size() > Utf8Output::ROOM / 2) {
            PutStart(type);
            m_out.PutUtf8(keyword);
            m_out.PutAscii("\n");
            return;
        }
        char* at = Start(type);
        // A text line's keyword is an empty view that may point nowhere, which memcpy must not be given.
        at = std::copy(keyword.begin(), keyword.end(), at);
        *at++ = '\n';
        m_out.Advance(at);
    }

    void Put(LineType type, std::u16string_view keyword)
    {
        PutStart(type);
        m_out.Put(keyword);
        m_out.PutAscii("\n");
    }

private:
    static constexpr int TYPES = DOC_STRING_LINE + 1;
    // Room for the digits of any int.
    static constexpr std::size_t DIGITS = 16;

    // What follows the index: "\t7\tSTEP_LINE\t".
    static std::string TypeColumns(LineType type)
    {
        return '\t' + std::to_string(static_cast<int>(type)) + '\t' + LineTypeName(type) + '\t';
    }

    // The index, counted up in decimal, and the type's columns, in room for
    // them and a keyword; returns where the keyword goes.
    char* Start(LineType type)
    {
        char* at = m_out.Room();
        std::memcpy(at, m_index, DIGITS);
        at += m_indexLength;
        if (type >= 0 && type < TYPES) {
            std::memcpy(at, m_typeColumns[type].text, sizeof m_typeColumns[type].text);
            at += m_typeColumns[type].size;
        } else {
            const std::string columns = TypeColumns(type);
            std::memcpy(at, columns.data(), columns.size());
            at += columns.size();
        }
        CountUp();
        return at;
    }

    void PutStart(LineType type) { m_out.Advance(Start(type)); }

    void CountUp()
    {
        std::size_t digit = m_indexLength;
        while (digit > 0 && m_index[digit - 1] == '9')
            m_index[--digit] = '0';
        if (digit > 0) {
            ++m_index[digit - 1];
            return;
        }
        m_index[0] = '1';
        m_index[m_indexLength++] = '0';
    }

    struct Columns {
        // The longest, "\t10\tDOC_STRING_DELIMITER_LINE\t", and room to spare.
        char text[32] = {};
        std::size_t size = 0;
    };

    Utf8Output& m_out;
    Columns m_typeColumns[TYPES];
    char m_index[DIGITS] = { '0' };
    std::size_t m_indexLength = 1;
};

// Every line of a text in its UTF-8 form judged as ClassifyLine judges the
// editor's line, found and read where it stands in the bytes. CR LF, a lone
// CR and a lone LF each end a line.
void ClassifyUtf8Lines(const Language& language, std::string_view bytes, Rows& rows)
{
    const Utf8LineClassifier classifier(language);
    const char* const end = bytes.data() + bytes.size();
    const char* at = bytes.data();
    for (;;) {
        const char* const lineBreak = NextLineBreak(at, end);
        std::string_view keyword;
        const LineType type = classifier.Classify(
            std::string_view(at, static_cast<std::size_t>(lineBreak - at)), lineBreak != end, keyword);
        rows.Put(type, keyword);
        if (lineBreak == end)
            return;
        at = PastLineBreak(lineBreak, end);
    }
}

} // namespace

int RunClassify(const CliArguments& arguments)
{
    // A text whose bytes are its UTF-8 form is judged from them; any other is
    // decoded whole.
    const auto document
        = OpenFeatureDocument(arguments.files.front(), arguments.languageCode, DecodedLines::None);
    if (!document)
        return STATUS_FAILURE;
    Utf8Output out(stdout);
    Rows rows(out);
    if (!document->utf8.Empty()) {
        ClassifyUtf8Lines(document->language, document->utf8.View(), rows);
        return STATUS_OK;
    }
    const TextLineSource& source = document->source;
    // One line's text and keyword at a time, in buffers used again and again.
    std::u16string text;
    std::u16string keyword;
    for (int line = 0; line < source.lineCount(); ++line) {
        text.assign(source.lineContent(line));
        if (line + 1 < source.lineCount())
            text += CONTROL_LINE_END;
        keyword.clear();
        const LineType type = ClassifyLine(document->language, text, keyword);
        rows.Put(type, std::u16string_view(keyword));
    }
    return STATUS_OK;
}

int RunAnalyse(const CliArguments& arguments)
{
    const auto document
        = OpenFeatureDocument(arguments.files.front(), arguments.languageCode, DecodedLines::Analysed);
    if (!document)
        return STATUS_FAILURE;
    LineAnalysis analysis;
    analysis.AnalyseAll(document->language, DocumentLines(*document));
    if (const auto note = UnanalysedLinesNote(*document, analysis, arguments.files.front()))
        ReportProblem(*note);
    Utf8Output out(stdout);
    Rows rows(out);
    for (int line = 0; line < analysis.analysedLineCount; ++line)
        rows.Put(analysis.lineType[line], std::u16string_view(analysis.lineKeyword[line]));
    return STATUS_OK;
}
