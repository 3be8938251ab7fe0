#include "RtfReader.h"

#include <QHash>
#include <QStringDecoder>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextListFormat>

#include <array>
#include <vector>

namespace {

// RTF measures in twips (1/1440 inch); a QTextDocument lays out in pixels of 1/96 inch.
constexpr double kTwipsPerPixel = 15.0;
// Deeper groups are read as if they were part of their parent, so that a file
// of nothing but braces cannot make the reader hold a state for each of them.
constexpr int kMaxGroupDepth = 256;
constexpr int kMaxControlWordLength = 32;
constexpr int kSymbolCharset = 2;

// What the text of a group means.
enum class Destination {
    Text, // the document's own text
    Skip, // a table, a picture, document information or an unknown "\*" group
    FontTable, // font names ending with ';'
    BulletText, // the rendered bullet of one paragraph (\pntext)
    BulletDefinition // how the paragraphs are numbered (\pn); only \pnlvlblt matters
};

struct CharacterState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;
    int font = -1;

    bool operator==(const CharacterState&) const = default;
};

struct GroupState {
    CharacterState character;
    Destination destination = Destination::Text;
    int fallbackCount = 1; // \uc: characters that follow \uN for readers without Unicode
};

// Paragraph properties belong to the reader rather than to a group: the bullet
// groups (\pn, \pntext) set them from inside a group of their own, and
// documents end them with \pard.
struct ParagraphState {
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0;
    bool lineMultiple = false;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool bulleted = false; // \pnlvlblt: stays until \pard
};

struct Font {
    QString name;
    int charset = 0;
};

struct Run {
    QString text;
    CharacterState character;
};

// Windows code page 1252 for the bytes where it differs from Latin-1; the holes
// keep their Latin-1 control characters.
constexpr std::array<char16_t, 32> kCp1252High = { 0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020,
    0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C,
    0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178 };

std::array<char16_t, 256> CodePageTable(int codePage)
{
    std::array<char16_t, 256> table {};
    for (int byte = 0; byte < 256; ++byte)
        table[byte] = byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : char16_t(byte);
    if (codePage == 1252)
        return table;
    QStringDecoder decoder(QByteArray("windows-") + QByteArray::number(codePage));
    if (!decoder.isValid())
        return table;
    for (int byte = 0x80; byte < 256; ++byte) {
        const char raw = char(byte);
        const QString decoded = decoder.decode(QByteArrayView(&raw, 1));
        if (decoded.size() == 1 && decoded[0] != QChar::ReplacementCharacter)
            table[byte] = decoded[0].unicode();
        decoder.resetState();
    }
    return table;
}

bool IsBulletMark(const QString& text)
{
    const QString mark = text.trimmed();
    static const QString marks = QStringLiteral(u"\u2022\u00B7\u25AA\u25E6\uF0B7-o");
    return mark.size() == 1 && marks.contains(mark[0]);
}

class Reader {
public:
    Reader(QByteArrayView rtf, QTextDocument& document)
        : m_rtf(rtf)
        , m_document(document)
        , m_cursor(&document)
        , m_codePage(CodePageTable(1252))
    {
    }

    bool Read();

private:
    void OpenGroup();
    void CloseGroup();
    void ControlWord(QByteArrayView name, bool hasParameter, int parameter);
    void ControlSymbol(char symbol);
    void Byte(unsigned char byte);
    void Text(const QString& text);
    void EndParagraph();
    void ReadControl();

    GroupState& State() { return m_groups.back(); }
    QTextCharFormat CharFormat(const CharacterState& character) const;
    QTextBlockFormat BlockFormat() const;

    QByteArrayView m_rtf;
    qsizetype m_position = 0;
    QTextDocument& m_document;
    QTextCursor m_cursor;
    std::array<char16_t, 256> m_codePage;

    std::vector<GroupState> m_groups { GroupState {} };
    int m_groupsTooDeep = 0;
    bool m_balanced = true;
    bool m_ignorableNext = false; // "\*" seen: an unknown destination that follows is skipped
    int m_fallbackToSkip = 0;

    QHash<int, Font> m_fonts;
    int m_fontBeingDefined = -1;

    ParagraphState m_paragraph;
    std::vector<Run> m_runs;
    QString m_bulletText;
    bool m_firstBlock = true;
    QTextList* m_list = nullptr;
};

bool Reader::Read()
{
    const bool opensAsRtf = m_rtf.startsWith(QByteArrayView("{\\rtf"));
    m_document.clear();
    m_cursor = QTextCursor(&m_document);
    while (m_position < m_rtf.size()) {
        const char c = m_rtf[m_position++];
        switch (c) {
        case '{':
            OpenGroup();
            break;
        case '}':
            CloseGroup();
            break;
        case '\\':
            ReadControl();
            break;
        case '\r':
        case '\n':
        case '\0':
            break;
        default:
            Byte(static_cast<unsigned char>(c));
        }
    }
    if (!m_runs.empty() || !m_bulletText.isEmpty())
        EndParagraph();
    return opensAsRtf && m_balanced && m_groups.size() == 1 && m_groupsTooDeep == 0;
}

void Reader::OpenGroup()
{
    m_fallbackToSkip = 0;
    m_ignorableNext = false;
    if (int(m_groups.size()) > kMaxGroupDepth)
        ++m_groupsTooDeep;
    else
        m_groups.push_back(State());
}

void Reader::CloseGroup()
{
    m_fallbackToSkip = 0;
    m_ignorableNext = false;
    if (m_groupsTooDeep > 0)
        --m_groupsTooDeep;
    else if (m_groups.size() > 1)
        m_groups.pop_back();
    else
        m_balanced = false; // a '}' that closes nothing
}

void Reader::ReadControl()
{
    if (m_position >= m_rtf.size())
        return;
    const auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (!isLetter(m_rtf[m_position])) {
        ControlSymbol(m_rtf[m_position++]);
        return;
    }
    const qsizetype nameStart = m_position;
    while (m_position < m_rtf.size() && isLetter(m_rtf[m_position]))
        ++m_position;
    const QByteArrayView name
        = m_rtf.sliced(nameStart, qMin<qsizetype>(m_position - nameStart, kMaxControlWordLength));

    bool negative = false;
    if (m_position + 1 < m_rtf.size() && m_rtf[m_position] == '-' && isDigit(m_rtf[m_position + 1])) {
        negative = true;
        ++m_position;
    }
    bool hasParameter = false;
    qint64 parameter = 0;
    while (m_position < m_rtf.size() && isDigit(m_rtf[m_position])) {
        hasParameter = true;
        parameter = qMin<qint64>(parameter * 10 + (m_rtf[m_position++] - '0'), INT_MAX);
    }
    if (m_position < m_rtf.size() && m_rtf[m_position] == ' ')
        ++m_position;
    ControlWord(name, hasParameter, int(negative ? -parameter : parameter));
}

void Reader::ControlSymbol(char symbol)
{
    switch (symbol) {
    case '\'': {
        const auto hex = [this](qsizetype at) {
            return at < m_rtf.size() ? QByteArrayView("0123456789abcdef").indexOf(char(m_rtf[at] | 0x20))
                                     : -1;
        };
        const qsizetype high = hex(m_position);
        const qsizetype low = high >= 0 ? hex(m_position + 1) : -1;
        if (low < 0)
            return; // a broken escape stands for nothing
        m_position += 2;
        Byte(static_cast<unsigned char>(high * 16 + low));
        return;
    }
    case '\\':
    case '{':
    case '}':
        Byte(static_cast<unsigned char>(symbol));
        return;
    case '~':
        Text(QString(QChar(0x00A0)));
        return;
    case '_':
        Text(QString(QChar(0x2011)));
        return;
    case '*':
        m_ignorableNext = true;
        return;
    case '\r':
    case '\n':
        ControlWord("par", false, 0);
        return;
    default:
        return; // \- (optional hyphen), \| and the like show nothing
    }
}

void Reader::ControlWord(QByteArrayView name, bool hasParameter, int parameter)
{
    GroupState& state = State();
    const bool ignorable = std::exchange(m_ignorableNext, false);

    if (name == "bin") {
        // Binary data belongs to a picture or an object; none of it is text.
        m_position = qMin(m_rtf.size(), m_position + qMax(0, parameter));
        return;
    }
    if (state.destination == Destination::Skip)
        return;
    static const QList<QByteArrayView> skipped = { "colortbl", "stylesheet", "info", "pict", "object",
        "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr", "footerf", "footnote",
        "fldinst", "listtable", "listoverridetable", "revtbl", "rsidtbl", "xmlnstbl", "themedata",
        "latentstyles", "datastore", "colorschememapping", "generator", "nonshppict", "pntxta", "pntxtb" };
    if (name == "fonttbl") {
        state.destination = Destination::FontTable;
        return;
    }
    if (name == "pntext") {
        state.destination = Destination::BulletText;
        return;
    }
    if (name == "pn") {
        state.destination = Destination::BulletDefinition;
        return;
    }
    if (skipped.contains(name)) {
        state.destination = Destination::Skip;
        return;
    }
    if (ignorable && state.destination != Destination::BulletDefinition) {
        state.destination = Destination::Skip;
        return;
    }

    switch (state.destination) {
    case Destination::Skip:
        return;
    case Destination::BulletDefinition:
        if (name == "pnlvlblt")
            m_paragraph.bulleted = true;
        return;
    case Destination::FontTable:
        if (name == "f")
            m_fontBeingDefined = parameter;
        else if (name == "fcharset" && m_fontBeingDefined >= 0)
            m_fonts[m_fontBeingDefined].charset = parameter;
        return;
    case Destination::Text:
    case Destination::BulletText:
        break;
    }

    if (m_fallbackToSkip > 0 && name != "u") {
        --m_fallbackToSkip;
        return;
    }
    const bool on = !hasParameter || parameter != 0;
    CharacterState& character = state.character;
    if (name == "b")
        character.bold = on;
    else if (name == "i")
        character.italic = on;
    else if (name == "ul")
        character.underline = on;
    else if (name == "ulnone")
        character.underline = false;
    else if (name == "fs" && parameter > 0)
        character.halfPoints = qMin(parameter, 3276);
    else if (name == "f")
        character.font = parameter;
    else if (name == "plain")
        character = CharacterState {};
    else if (name == "ansicpg" && parameter > 0)
        m_codePage = CodePageTable(parameter);
    else if (name == "uc")
        state.fallbackCount = qBound(0, parameter, 16);
    else if (name == "u") {
        // Values above 32767 are written negative; anything outside 16 bits is no character.
        if (parameter >= -32768 && parameter <= 65535)
            Text(QString(QChar(char16_t(parameter))));
        m_fallbackToSkip = state.fallbackCount;
    } else if (name == "par" || name == "page" || name == "sect") {
        if (state.destination == Destination::Text)
            EndParagraph();
    } else if (name == "pard")
        m_paragraph = ParagraphState {};
    else if (name == "li")
        m_paragraph.leftIndent = parameter;
    else if (name == "ri")
        m_paragraph.rightIndent = parameter;
    else if (name == "fi")
        m_paragraph.firstIndent = parameter;
    else if (name == "sb")
        m_paragraph.spaceBefore = parameter;
    else if (name == "sa")
        m_paragraph.spaceAfter = parameter;
    else if (name == "sl")
        m_paragraph.lineSpacing = parameter;
    else if (name == "slmult")
        m_paragraph.lineMultiple = parameter == 1;
    else if (name == "ql")
        m_paragraph.alignment = Qt::AlignLeft;
    else if (name == "qc")
        m_paragraph.alignment = Qt::AlignHCenter;
    else if (name == "qr")
        m_paragraph.alignment = Qt::AlignRight;
    else if (name == "qj")
        m_paragraph.alignment = Qt::AlignJustify;
    else if (name == "tab")
        Text(QStringLiteral("\t"));
    else if (name == "line")
        Text(QString(QChar::LineSeparator));
    else {
        static const QHash<QByteArrayView, char16_t> named = { { "bullet", 0x2022 }, { "emdash", 0x2014 },
            { "endash", 0x2013 }, { "lquote", 0x2018 }, { "rquote", 0x2019 }, { "ldblquote", 0x201C },
            { "rdblquote", 0x201D }, { "emspace", 0x2003 }, { "enspace", 0x2002 }, { "qmspace", 0x2005 } };
        const auto found = named.constFind(name);
        if (found != named.constEnd())
            Text(QString(QChar(*found)));
    }
}

void Reader::Byte(unsigned char byte)
{
    GroupState& state = State();
    if (state.destination == Destination::Skip || state.destination == Destination::BulletDefinition)
        return;
    if (m_fallbackToSkip > 0) {
        --m_fallbackToSkip;
        return;
    }
    if (state.destination == Destination::FontTable) {
        if (m_fontBeingDefined < 0)
            return;
        if (byte == ';')
            m_fontBeingDefined = -1;
        else
            m_fonts[m_fontBeingDefined].name += QChar(m_codePage[byte]);
        return;
    }
    const auto font = m_fonts.constFind(state.character.font);
    const bool symbolFont = font != m_fonts.constEnd()
        && (font->charset == kSymbolCharset || font->name.trimmed() == QLatin1String("Symbol"));
    if (symbolFont && byte >= 0x20)
        // The symbol font keeps its glyphs at their byte values; its bullet is the one the help shows.
        Text(QString(QChar(byte == 0xB7 ? char16_t(0x2022) : char16_t(0xF000 + byte))));
    else
        Text(QString(QChar(m_codePage[byte])));
}

void Reader::Text(const QString& text)
{
    GroupState& state = State();
    if (state.destination == Destination::BulletText) {
        m_bulletText += text;
        return;
    }
    if (state.destination != Destination::Text)
        return;
    if (!m_runs.empty() && m_runs.back().character == state.character)
        m_runs.back().text += text;
    else
        m_runs.push_back(Run { text, state.character });
}

QTextCharFormat Reader::CharFormat(const CharacterState& character) const
{
    QTextCharFormat format;
    format.setFontWeight(character.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(character.italic);
    format.setFontUnderline(character.underline);
    format.setFontPointSize(character.halfPoints / 2.0);
    const auto font = m_fonts.constFind(character.font);
    if (font != m_fonts.constEnd() && !font->name.trimmed().isEmpty())
        format.setFontFamilies(QStringList { font->name.trimmed() });
    return format;
}

QTextBlockFormat Reader::BlockFormat() const
{
    QTextBlockFormat format;
    format.setAlignment(m_paragraph.alignment);
    format.setLeftMargin(m_paragraph.leftIndent / kTwipsPerPixel);
    format.setRightMargin(m_paragraph.rightIndent / kTwipsPerPixel);
    format.setTextIndent(m_paragraph.firstIndent / kTwipsPerPixel);
    format.setTopMargin(m_paragraph.spaceBefore / kTwipsPerPixel);
    format.setBottomMargin(m_paragraph.spaceAfter / kTwipsPerPixel);
    if (m_paragraph.lineSpacing != 0 && m_paragraph.lineMultiple)
        // A multiple is given in 240ths of a single line.
        format.setLineHeight(
            qAbs(m_paragraph.lineSpacing) * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
    else if (m_paragraph.lineSpacing > 0)
        format.setLineHeight(m_paragraph.lineSpacing / kTwipsPerPixel, QTextBlockFormat::MinimumHeight);
    else if (m_paragraph.lineSpacing < 0)
        format.setLineHeight(-m_paragraph.lineSpacing / kTwipsPerPixel, QTextBlockFormat::FixedHeight);
    return format;
}

void Reader::EndParagraph()
{
    const bool bulleted = m_paragraph.bulleted || IsBulletMark(m_bulletText);
    QTextBlockFormat block = BlockFormat();
    if (bulleted) {
        // The list draws the bullet and the hanging indent, so the paragraph's own indent goes.
        block.setLeftMargin(0);
        block.setTextIndent(0);
    }
    if (std::exchange(m_firstBlock, false))
        m_cursor.setBlockFormat(block);
    else
        m_cursor.insertBlock(block, QTextCharFormat());

    if (bulleted) {
        if (m_list)
            m_list->add(m_cursor.block());
        else {
            QTextListFormat list;
            list.setStyle(QTextListFormat::ListDisc);
            list.setIndent(qMax(1, qRound(m_paragraph.leftIndent / 720.0)));
            m_list = m_cursor.createList(list);
        }
    } else {
        m_list = nullptr;
        // A numbering this reader does not draw itself stays visible as text.
        if (!m_bulletText.isEmpty())
            m_cursor.insertText(
                m_bulletText, CharFormat(m_runs.empty() ? State().character : m_runs.front().character));
    }
    for (const Run& run : m_runs)
        m_cursor.insertText(run.text, CharFormat(run.character));
    m_runs.clear();
    m_bulletText.clear();
}

} // namespace

bool RtfReader::Read(QByteArrayView rtf, QTextDocument& document)
{
    return Reader(rtf, document).Read();
}
