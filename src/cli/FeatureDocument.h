#pragma once

#include "FileBytes.h"
#include "core/editor/LineAnalysis.h"
#include "core/editor/LineSource.h"
#include "core/editor/TextLineSource.h"
#include "core/file/FeatureFileCodec.h"
#include "core/language/KeywordDictionary.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

struct FeatureDocument {
    // The lines of the editor's control, over the text as decoded from the
    // file, line ends as they stand: every line, or only the first ones when
    // `utf8` holds the rest.
    TextLineSource source;
    // The language the file is read in, its own: each file of a run chooses
    // afresh.
    Language language;
    // Byte sequences that could not be decoded: writing the text back would lose them.
    std::size_t replacedSequences = 0;
    // Zero bytes that make no UTF-16 text: the text is a last-resort UTF-8 reading.
    bool unrecognisedEncoding = false;
    // The file's bytes when they are the UTF-8 form of its text exactly, so
    // that lines no command changes go out as read; empty otherwise.
    FileBytes utf8;
    // The whole file's lines, and the line break that all its breaks are,
    // as TextLineSource::commonLineBreak gives it.
    int lineCount = 0;
    std::u16string_view commonLineBreak;
    // The source holds the first lines only, and they are ASCII: a place in
    // its text is the same place in `utf8`.
    bool firstLinesAscii = false;
};

// How much of a file's text is decoded when it is opened.
enum class DecodedLines {
    All,
    // The lines that the analysis reads (MAX_ANALYSED_LINES and the line
    // after them), as long as the rest is well-formed UTF-8: then the rest is
    // only counted into lines and kept as bytes.
    Analysed,
    // None, when the bytes are the text's UTF-8 form: the language directive
    // is read from them, and only `utf8` and `language` describe the
    // document. Any other text is decoded whole.
    None,
};

// The lines of a document as many as the whole file has, for the analysis:
// of those past the document's source only the count is known.
class DocumentLines final : public LineSource {
public:
    explicit DocumentLines(const FeatureDocument& document)
        : m_document(document)
    {
    }
    int lineCount() const override { return m_document.lineCount; }
    std::u16string lineText(int line) const override { return m_document.source.lineText(line); }
    int lineStart(int line) const override { return m_document.source.lineStart(line); }
    bool lineTextIs(int line, std::u16string_view text) const override
    {
        return m_document.source.lineTextIs(line, text);
    }
    void appendLineText(int line, std::u16string& to) const override
    {
        m_document.source.appendLineText(line, to);
    }

private:
    const FeatureDocument& m_document;
};

// Where the first CR or LF at or after `at` stands in bytes that end at
// `end`, or `end`. Lines are mostly text, so sixteen bytes at a time are let
// pass where the processor allows it.
const char* NextLineBreak(const char* at, const char* end);
// Where the line after the break at `lineBreak` begins: past a CR LF, or past
// the lone CR or LF.
const char* PastLineBreak(const char* lineBreak, const char* end);

// The name a file goes by in messages: "standard input" for "-".
std::string DisplayName(const std::string& file);

// Reads a file ("-": standard input) through the codec. Problems are reported
// on stderr, warnings about its bytes too; returns nothing when it cannot be read.
std::optional<DecodedFeatureFile> ReadFeatureInput(const std::string& file);

// Opens a file ("-": standard input) as the editor opens a document: reads it
// through the codec, splits it into the control's lines, and selects its
// language (`languageCode`, else the file's "# language:" line, else
// English). Problems are reported on stderr; returns nothing when the command
// cannot go on with this file.
std::optional<FeatureDocument> OpenFeatureDocument(const std::string& file,
    const std::optional<std::string>& languageCode, DecodedLines decodedLines = DecodedLines::All);

// Where `analysis` took fewer lines than the document has, the note that says
// so, naming the file as `name`; nothing where it took them all.
std::optional<std::string> UnanalysedLinesNote(
    const FeatureDocument& document, const LineAnalysis& analysis, const std::string& name);
