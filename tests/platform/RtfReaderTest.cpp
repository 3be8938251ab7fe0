#include "platform/RtfReader.h"

#include <QFile>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextList>

#include <gtest/gtest.h>

namespace {

struct Fragment {
    QString text;
    QTextCharFormat format;
};

std::vector<Fragment> Fragments(const QTextDocument& document)
{
    std::vector<Fragment> fragments;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            fragments.push_back({ it.fragment().text(), it.fragment().charFormat() });
    return fragments;
}

QStringList BlockTexts(const QTextDocument& document)
{
    QStringList texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        texts << block.text();
    return texts;
}

QString ReadText(QByteArrayView rtf)
{
    QTextDocument document;
    RtfReader::Read(rtf, document);
    // Block by block, because toPlainText() would turn a non-breaking space into a blank.
    return BlockTexts(document).join(QLatin1Char('\n'));
}

QByteArray HelpFile(const char* name)
{
    QFile file(QStringLiteral(QUILLMARK_SOURCE_DIR "/resources/help/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// --- The two help texts as the help dialog shows them ---

struct HelpCase {
    const char* file;
    QString title;
    QStringList headings;
};

void PrintTo(const HelpCase& c, std::ostream* out)
{
    *out << c.file;
}

class HelpTextTest : public ::testing::TestWithParam<HelpCase> { };

TEST_P(HelpTextTest, TitleIsTheFirstParagraphInLargeBold)
{
    QTextDocument document;
    ASSERT_TRUE(RtfReader::Read(HelpFile(GetParam().file), document));
    const QTextBlock first = document.firstBlock();
    EXPECT_EQ(first.text(), GetParam().title);
    const QTextCharFormat format = first.begin().fragment().charFormat();
    EXPECT_EQ(format.fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(format.fontPointSize(), 16.0);
}

TEST_P(HelpTextTest, HeadingsAreBoldBodySizedParagraphsInOrder)
{
    QTextDocument document;
    ASSERT_TRUE(RtfReader::Read(HelpFile(GetParam().file), document));
    QStringList boldParagraphs;
    for (QTextBlock block = document.firstBlock().next(); block.isValid(); block = block.next()) {
        const QTextCharFormat format = block.begin().fragment().charFormat();
        if (format.fontWeight() == QFont::Bold) {
            boldParagraphs << block.text();
            EXPECT_DOUBLE_EQ(format.fontPointSize(), 9.0) << block.text().toStdString();
        }
    }
    EXPECT_EQ(boldParagraphs, GetParam().headings);
}

TEST_P(HelpTextTest, BulletsBecomeListItemsWithoutTheirMarkInTheText)
{
    QTextDocument document;
    ASSERT_TRUE(RtfReader::Read(HelpFile(GetParam().file), document));
    int items = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!block.textList())
            continue;
        ++items;
        EXPECT_EQ(block.textList()->format().style(), QTextListFormat::ListDisc);
        EXPECT_FALSE(block.text().startsWith(QChar(0x2022))) << block.text().toStdString();
        EXPECT_FALSE(block.text().contains(QLatin1Char('\t'))) << block.text().toStdString();
    }
    EXPECT_GE(items, 5);
    // The body of each section, not only its first line, is in the help.
    EXPECT_GE(document.blockCount(), 12);
}

TEST_P(HelpTextTest, NoMarkupOrTableTextLeaksIntoTheText)
{
    QTextDocument document;
    ASSERT_TRUE(RtfReader::Read(HelpFile(GetParam().file), document));
    const QString text = document.toPlainText();
    for (const char* leak : { "\\", "{", "}", "Calibri", "Symbol;", "generator" })
        EXPECT_FALSE(text.contains(QLatin1String(leak))) << leak;
    for (const Fragment& fragment : Fragments(document)) {
        if (fragment.format.fontWeight() != QFont::Bold) {
            EXPECT_DOUBLE_EQ(fragment.format.fontPointSize(), 9.0) << fragment.text.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothHelpTexts, HelpTextTest,
    ::testing::Values(
        HelpCase { "editor-help.rtf", QStringLiteral("Quillmark Help"),
            { QStringLiteral("Insert"), QStringLiteral("Settings"), QStringLiteral("Context Menu") } },
        HelpCase { "table-help.rtf", QStringLiteral("Quillmark Table Help"),
            { QStringLiteral("Table Context Menu"), QStringLiteral("Row Context Menu"),
                QStringLiteral("Column Context Menu") } }),
    [](const auto& info) { return std::string(info.index == 0 ? "Editor" : "Table"); });

// --- Character formats ---

TEST(RtfCharacterFormat, BoldRunsFollowTheSwitches)
{
    QTextDocument document;
    ASSERT_TRUE(RtfReader::Read("{\\rtf1 plain \\b bold\\b0  again \\b1 more\\b0}", document));
    const auto fragments = Fragments(document);
    ASSERT_EQ(fragments.size(), 4u);
    const std::vector<std::pair<QString, bool>> expected
        = { { "plain ", false }, { "bold", true }, { " again ", false }, { "more", true } };
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(fragments[i].text, expected[i].first);
        EXPECT_EQ(fragments[i].format.fontWeight() == QFont::Bold, expected[i].second) << i;
    }
}

TEST(RtfCharacterFormat, GroupsKeepTheirFormatsToThemselves)
{
    QTextDocument document;
    ASSERT_TRUE(RtfReader::Read("{\\rtf1\\fs20 a{\\fs40\\i\\ul b}c{\\b d}\\plain e}", document));
    const auto fragments = Fragments(document);
    ASSERT_EQ(fragments.size(), 5u);
    EXPECT_DOUBLE_EQ(fragments[0].format.fontPointSize(), 10.0);
    EXPECT_DOUBLE_EQ(fragments[1].format.fontPointSize(), 20.0);
    EXPECT_TRUE(fragments[1].format.fontItalic());
    EXPECT_TRUE(fragments[1].format.fontUnderline());
    EXPECT_EQ(fragments[2].text, "c");
    EXPECT_DOUBLE_EQ(fragments[2].format.fontPointSize(), 10.0);
    EXPECT_FALSE(fragments[2].format.fontItalic());
    EXPECT_EQ(fragments[3].format.fontWeight(), QFont::Bold);
    // \plain goes back to 12 points, the size of a document that names none.
    EXPECT_DOUBLE_EQ(fragments[4].format.fontPointSize(), 12.0);
}

TEST(RtfCharacterFormat, FontTableNamesTheFamily)
{
    QTextDocument document;
    ASSERT_TRUE(RtfReader::Read("{\\rtf1{\\fonttbl{\\f0\\fswiss\\fcharset0 Calibri;}{\\f1\\fmodern Courier "
                                "New;}}\\f1 code\\f0  text}",
        document));
    const auto fragments = Fragments(document);
    ASSERT_EQ(fragments.size(), 2u);
    EXPECT_EQ(fragments[0].format.fontFamilies().toStringList(), QStringList { "Courier New" });
    EXPECT_EQ(fragments[1].format.fontFamilies().toStringList(), QStringList { "Calibri" });
    EXPECT_EQ(document.toPlainText(), "code text");
}

// --- Paragraphs ---

TEST(RtfParagraphs, ParBreaksAndPardResetsIndents)
{
    QTextDocument document;
    ASSERT_TRUE(RtfReader::Read("{\\rtf1\\pard\\li720\\fi-360\\sa200\\sl276\\slmult1 one\\par two\\par\n"
                                "\\pard three\\line four\\par}",
        document));
    EXPECT_EQ(BlockTexts(document),
        (QStringList { "one", "two", QString("three") + QChar::LineSeparator + "four" }));
    const QTextBlockFormat indented = document.firstBlock().blockFormat();
    EXPECT_DOUBLE_EQ(indented.leftMargin(), 48.0);
    EXPECT_DOUBLE_EQ(indented.textIndent(), -24.0);
    EXPECT_NEAR(indented.bottomMargin(), 200 / 15.0, 1e-9);
    EXPECT_EQ(indented.lineHeightType(), int(QTextBlockFormat::ProportionalHeight));
    EXPECT_DOUBLE_EQ(indented.lineHeight(), 115.0);
    EXPECT_DOUBLE_EQ(document.firstBlock().next().blockFormat().leftMargin(), 48.0);
    EXPECT_DOUBLE_EQ(document.lastBlock().blockFormat().leftMargin(), 0.0);
}

TEST(RtfParagraphs, ConsecutiveBulletsShareOneListAndPlainParagraphEndsIt)
{
    QTextDocument document;
    ASSERT_TRUE(RtfReader::Read("{\\rtf1{\\fonttbl{\\f2\\fcharset2 Symbol;}}"
                                "{\\pntext\\f2\\'B7\\tab}first\\par{\\pntext\\f2\\'B7\\tab}second\\par"
                                "\\pard after\\par{\\pntext\\f2\\'B7\\tab}again\\par}",
        document));
    EXPECT_EQ(BlockTexts(document), (QStringList { "first", "second", "after", "again" }));
    const QTextBlock first = document.firstBlock();
    ASSERT_NE(first.textList(), nullptr);
    EXPECT_EQ(first.next().textList(), first.textList());
    EXPECT_EQ(first.next().next().textList(), nullptr);
    ASSERT_NE(document.lastBlock().textList(), nullptr);
    EXPECT_NE(document.lastBlock().textList(), first.textList());
}

TEST(RtfParagraphs, NumberingThatIsNoBulletStaysAsText)
{
    EXPECT_EQ(ReadText("{\\rtf1{\\pntext 1.\\tab}first\\par}"), "1.\tfirst");
}

TEST(RtfParagraphs, LastParagraphWithoutParIsKept)
{
    EXPECT_EQ(ReadText("{\\rtf1 one\\par two}"), "one\ntwo");
}

// --- Characters ---

struct CharacterCase {
    const char* name;
    const char* rtf;
    QString text;
};

void PrintTo(const CharacterCase& c, std::ostream* out)
{
    *out << c.name;
}

class RtfCharacters : public ::testing::TestWithParam<CharacterCase> { };

TEST_P(RtfCharacters, DecodeToTheirUnicodeText)
{
    EXPECT_EQ(ReadText(GetParam().rtf), GetParam().text) << GetParam().rtf;
}

INSTANTIATE_TEST_SUITE_P(EscapesAndUnicode, RtfCharacters,
    ::testing::Values(CharacterCase { "Latin1Escape", "{\\rtf1 caf\\'e9}", QStringLiteral(u"café") },
        CharacterCase { "Cp1252Punctuation", "{\\rtf1\\ansi\\ansicpg1252 \\'80 \\'93q\\'94 \\'85}",
            QStringLiteral(u"€ “q” …") },
        CharacterCase { "UpperCaseHex", "{\\rtf1 \\'C9T\\'c9}", QStringLiteral(u"ÉTÉ") },
        CharacterCase { "UnicodeWithFallback", "{\\rtf1 \\u8364?5}", QStringLiteral(u"€5") },
        CharacterCase { "FallbackOfTwoEscapes", "{\\rtf1\\uc2 \\u8364\\'80\\'80x}", QStringLiteral(u"€x") },
        CharacterCase { "NoFallback", "{\\rtf1\\uc0 \\u233 x}", QStringLiteral(u"éx") },
        CharacterCase { "NegativeUnicode", "{\\rtf1 \\u-3913?}", QStringLiteral(u"\uF0B7") },
        CharacterCase { "SurrogatePair", "{\\rtf1 \\u55357?\\u56832?}", QStringLiteral(u"😀") },
        CharacterCase { "EscapedSymbols", "{\\rtf1 \\\\ \\{x\\} a\\~b}", QStringLiteral(u"\\ {x} a\u00A0b") },
        CharacterCase {
            "NamedCharacters", "{\\rtf1 a\\tab b\\emdash c\\bullet}", QStringLiteral(u"a\tb—c•") },
        CharacterCase {
            "LineBreaksInSource", "{\\rtf1 split\r\nacross\nlines}", QStringLiteral(u"splitacrosslines") }));

TEST(RtfCharacterDecoding, CodePageOfTheDocumentDecodesEscapes)
{
    if (!QStringDecoder("windows-1251").isValid())
        GTEST_SKIP() << "this Qt build has no windows-1251 decoder";
    EXPECT_EQ(ReadText("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8}"), QStringLiteral(u"При"));
}

// --- What the reader passes over ---

class RtfSkipped : public ::testing::TestWithParam<CharacterCase> { };

TEST_P(RtfSkipped, LeavesOnlyTheDocumentText)
{
    EXPECT_EQ(ReadText(GetParam().rtf), GetParam().text) << GetParam().rtf;
}

INSTANTIATE_TEST_SUITE_P(UnknownWordsAndDestinations, RtfSkipped,
    ::testing::Values(CharacterCase { "UnknownControlWords",
                          "{\\rtf1\\nouicompat\\viewkind4\\frobnicate-12 text}", "text" },
        CharacterCase {
            "UnknownStarredDestination", "{\\rtf1{\\*\\unknowndestination hidden {nested}}shown}", "shown" },
        CharacterCase { "ColourTable", "{\\rtf1{\\colortbl ;\\red255\\green0\\blue0;}\\cf1 red}", "red" },
        CharacterCase { "DocumentInfo", "{\\rtf1{\\info{\\title Title}{\\author Someone}}body}", "body" },
        CharacterCase { "StyleSheet", "{\\rtf1{\\stylesheet{\\s0 Normal;}}body}", "body" },
        CharacterCase { "BinaryPictureData", "{\\rtf1{\\pict\\bin4 }{{x}after}", "after" },
        CharacterCase { "BulletDefinition", "{\\rtf1{\\*\\pn\\pnlvlblt{\\pntxtb\\'B7}}item}", "item" },
        CharacterCase {
            "FontTableExtras", "{\\rtf1{\\fonttbl{\\f0 Calibri;{\\*\\panose 020f}}}text}", "text" }));

// --- Damaged input never crashes and loses no readable text ---

struct DamagedCase {
    const char* name;
    QByteArray rtf;
    QString text;
};

void PrintTo(const DamagedCase& c, std::ostream* out)
{
    *out << c.name;
}

class RtfDamaged : public ::testing::TestWithParam<DamagedCase> { };

TEST_P(RtfDamaged, IsReportedAndKeepsWhatWasReadable)
{
    QTextDocument document;
    EXPECT_FALSE(RtfReader::Read(GetParam().rtf, document));
    EXPECT_EQ(document.toPlainText(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(MalformedInput, RtfDamaged,
    ::testing::Values(DamagedCase { "Empty", "", "" }, DamagedCase { "OnlyOpen", "{", "" },
        DamagedCase { "OnlyClose", "}", "" }, DamagedCase { "Unclosed", "{\\rtf1 unclosed", "unclosed" },
        DamagedCase { "ClosedTooOften", "{\\rtf1 closed twice}}}", "closed twice" },
        DamagedCase { "PlainText", "plain text, no markup", "plain text, no markup" },
        DamagedCase { "BackslashAtEnd", "{\\rtf1 trailing\\", "trailing" },
        DamagedCase { "BadHexEscape", "{\\rtf1 bad \\'zzescape", "bad zzescape" },
        DamagedCase { "HalfHexEscape", "{\\rtf1 half \\'4", "half 4" },
        DamagedCase { "BinaryBeyondTheEnd", "{\\rtf1{\\pict\\bin999999 abc}", "" },
        DamagedCase { "HugeParameters", "{\\rtf1\\fs99999999999999999999 big\\u99999999999", "big" },
        DamagedCase { "HundredThousandGroups", QByteArray(100000, '{') + "deep", "deep" },
        DamagedCase { "HugeControlWord", "{\\rtf1\\" + QByteArray(5000, 'x') + " after", "after" },
        DamagedCase { "NulByte", QByteArray("{\\rtf1 a\0b", 10), "ab" }));

TEST(RtfDamagedInput, DeepGroupsStillCloseInOrder)
{
    const QByteArray rtf
        = "{\\rtf1 " + QByteArray(1000, '{') + "\\b deep" + QByteArray(1000, '}') + " after}";
    QTextDocument document;
    EXPECT_TRUE(RtfReader::Read(rtf, document));
    const auto fragments = Fragments(document);
    ASSERT_EQ(fragments.size(), 2u);
    EXPECT_EQ(fragments[0].text, "deep");
    EXPECT_EQ(fragments[0].format.fontWeight(), QFont::Bold);
    EXPECT_EQ(fragments[1].text, " after");
    EXPECT_EQ(fragments[1].format.fontWeight(), QFont::Normal);
}

} // namespace
