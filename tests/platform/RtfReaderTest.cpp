#include "platform/RtfReader.h"
#include "support/FileBytes.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <gtest/gtest.h>

namespace {

// Each fragment as [text:size], then b, i, u for bold, italic, underline and the
// font family when one is named.
QString Runs(const QTextDocument& document)
{
    QString runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            const QStringList families = f.fontFamilies().toStringList();
            runs += '[' + it.fragment().text() + ':' + QString::number(f.fontPointSize());
            runs += QString(f.fontWeight() == QFont::Bold ? "b" : "") + (f.fontItalic() ? "i" : "")
                + (f.fontUnderline() ? "u" : "") + (families.isEmpty() ? "" : ' ' + families.join(',')) + ']';
        }
    }
    return runs;
}

// A large bold title, bold body-sized headings in order, everything else body
// sized, bullets as list items, and no markup or bullet mark left over.
TEST(RtfReader, ReadsBothHelpTextsAsTheDialogShowsThem)
{
    const std::pair<const char*, QStringList> helps[] = {
        { "editor-help.rtf", { "Quillmark Help", "Insert", "Settings", "Context Menu" } },
        { "table-help.rtf",
            { "Quillmark Table Help", "Table Context Menu", "Row Context Menu", "Column Context Menu" } }
    };
    for (const auto& [name, headings] : helps) {
        SCOPED_TRACE(name);
        const QString path = QStringLiteral(QUILLMARK_SOURCE_DIR "/resources/help/") + QLatin1String(name);
        QTextDocument document;
        ASSERT_TRUE(RtfReader::Read(ReadBytes(path), document));
        QStringList bold;
        int items = 0;
        for (QTextBlock block = document.firstBlock(); block.isValid(); block = block.next()) {
            const QTextCharFormat format = block.begin().fragment().charFormat();
            EXPECT_DOUBLE_EQ(format.fontPointSize(), block == document.firstBlock() ? 16.0 : 9.0)
                << block.text().toStdString();
            if (format.fontWeight() == QFont::Bold)
                bold << block.text();
            items += block.textList() != nullptr;
        }
        EXPECT_EQ(bold, headings);
        EXPECT_GE(items, 5);
        for (const char* leak : { "\\", "{", "}", "Calibri", "Symbol;", "\u2022" })
            EXPECT_FALSE(document.toPlainText().contains(QString::fromUtf8(leak))) << leak;
    }
}

TEST(RtfReader, CharacterFormatsFollowTheSwitchesAndStayInTheirGroups)
{
    const std::pair<QByteArray, QString> cases[] = { { "{\\rtf1 plain \\b bold\\b0  again \\b1 more\\b0}",
                                                         "[plain :12][bold:12b][ again :12][more:12b]" },
        // \plain goes back to 12 points, the size of a document that names none.
        { "{\\rtf1\\fs20 a{\\fs40\\i\\ul b}c{\\b d}\\plain e}", "[a:10][b:20iu][c:10][d:10b][e:12]" },
        { "{\\rtf1{\\fonttbl{\\f0\\fswiss\\fcharset0 Calibri;}{\\f1\\fmodern Courier New;}}\\f1 code\\f0  "
          "text}",
            "[code:12 Courier New][ text:12 Calibri]" },
        { "{\\rtf1 " + QByteArray(1000, '{') + "\\b deep" + QByteArray(1000, '}') + " after}",
            "[deep:12b][ after:12]" } };
    for (const auto& [rtf, runs] : cases) {
        SCOPED_TRACE(rtf.left(80).toStdString());
        QTextDocument document;
        EXPECT_TRUE(RtfReader::Read(rtf, document));
        EXPECT_EQ(Runs(document), runs);
    }
}

// Consecutive bullets share one list and a plain paragraph ends it.
TEST(RtfReader, ParagraphsKeepTheirIndentsUntilPardAndBulletsFormLists)
{
    QTextDocument document;
    ASSERT_TRUE(
        RtfReader::Read("{\\rtf1{\\fonttbl{\\f2\\fcharset2 Symbol;}}"
                        "\\pard\\li720\\fi-360\\sa200\\sl276\\slmult1 one\\par two\\par\n"
                        "\\pard three\\line four\\par{\\pntext\\f2\\'B7\\tab}first\\par"
                        "{\\pntext\\f2\\'B7\\tab}second\\par\\pard after\\par{\\pntext\\f2\\'B7\\tab}again}",
            document));
    // Blocks part at U+2029, the lines of one block at U+2028.
    EXPECT_EQ(document.toRawText(),
        "one\u2029two\u2029three\u2028four\u2029first\u2029second\u2029after\u2029again");
    const QTextBlockFormat indented = document.firstBlock().blockFormat();
    EXPECT_DOUBLE_EQ(indented.leftMargin(), 48.0);
    EXPECT_DOUBLE_EQ(indented.textIndent(), -24.0);
    EXPECT_DOUBLE_EQ(indented.lineHeight(), 115.0) << "in percent";
    EXPECT_DOUBLE_EQ(document.findBlockByNumber(1).blockFormat().leftMargin(), 48.0);
    EXPECT_DOUBLE_EQ(document.findBlockByNumber(2).blockFormat().leftMargin(), 0.0);

    QList<int> listStarts; // per block, the number of its list's first block, or -1
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        listStarts << (block.textList() ? block.textList()->item(0).blockNumber() : -1);
    EXPECT_EQ(listStarts, QList<int>({ -1, -1, -1, 3, 3, -1, 6 }));
}

// What was readable stays when damage is reported.
TEST(RtfReader, EscapesDecodeUnknownPartsAreSkippedAndDamageIsReported)
{
    const struct {
        QByteArray rtf;
        QString text;
        bool whole = true;
    } cases[] = { { "{\\rtf1\\ansi\\ansicpg1252 caf\\'e9 \\'80 \\'93q\\'94}", "café € “q”" },
        { "{\\rtf1 \\u8364?5}", "€5" }, // the fallback character is skipped
        { "{\\rtf1\\uc2 \\u8364\\'80\\'80x}", "€x" }, { "{\\rtf1 \\u-3913?}", "\uF0B7" },
        { "{\\rtf1 \\u55357?\\u56832?}", "😀" }, { "{\\rtf1 \\\\ \\{x\\} a\\~b}", "\\ {x} a\u00A0b" },
        { "{\\rtf1 a\\tab b\\emdash c\\bullet}", "a\tb—c•" },
        { "{\\rtf1 split\r\nacross\nlines}", "splitacrosslines" },
        { "{\\rtf1{\\pntext 1.\\tab}first\\par two}", "1.\tfirst\u2029two" }, // numbering is no bullet
        { "{\\rtf1\\nouicompat\\frobnicate-12 text}", "text" },
        { "{\\rtf1{\\*\\unknowndestination hidden {nested}}shown}", "shown" },
        { "{\\rtf1{\\colortbl ;\\red255;}{\\info{\\title T}}{\\stylesheet{\\s0 N;}}body}", "body" },
        { "{\\rtf1{\\pict\\bin4 }{{x}after}", "after" },
        // Damaged:
        { "", "", false }, { "{\\rtf1 unclosed", "unclosed", false },
        { "{\\rtf1 closed twice}}}", "closed twice", false },
        { "plain text, no markup", "plain text, no markup", false },
        { "{\\rtf1 trailing\\", "trailing", false }, { "{\\rtf1 half \\'4", "half 4", false },
        { "{\\rtf1{\\pict\\bin999999 abc}", "", false },
        { "{\\rtf1\\fs99999999999999999999 big\\u99999999999", "big", false },
        { QByteArray(100000, '{') + "deep", "deep", false },
        { QByteArray("{\\rtf1 a\0b", 10), "ab", false } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rtf.left(80).toStdString());
        QTextDocument document;
        EXPECT_EQ(RtfReader::Read(c.rtf, document), c.whole);
        EXPECT_EQ(document.toRawText(), c.text) << "raw, where a non-breaking space stays one";
    }
}

} // namespace
