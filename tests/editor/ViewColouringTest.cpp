#include "ViewTestSupport.h"
#include "editor/DocumentLineSource.h"

#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <algorithm>
#include <vector>

namespace {

using ViewColouring = ViewTest;

// The characters that tell each colouring rule apart: the keyword against the
// name behind it, the leading blanks, the end of a whole-line span.
TEST_F(ViewColouring, PaintsEachLineByItsRole)
{
    const QStringList sample = { "# language: en", "@smoke @fast", "Feature: Orders", "  Some description",
        "  Scenario: Pay", "    Given a card", "    | a | b |", "    \"\"\"", "    free text", "    \"\"\"",
        "  text after steps" };
    // A line, a column, the colour and slant painted there.
    const std::tuple<int, int, QColor, bool> cases[] = { { 0, 13, comment, true }, { 1, 11, tag, false },
        { 2, 6, heading, false }, { 2, 7, black, false }, { 3, 0, comment, true }, { 4, 1, black, false },
        { 4, 2, heading, false }, { 5, 4, step, false }, { 6, 12, table, false }, { 7, 4, docString, false },
        { 8, 0, docString, false }, { 10, 2, black, false } };
    Show(Crlf(sample));
    for (const auto& [line, column, colour, italic] : cases)
        EXPECT_EQ(PaintAt(line, column), std::pair(colour, italic))
            << sample[line].toStdString() << " at " << column;
}

TEST_F(ViewColouring, EveryKeystrokeRecoloursAtOnceWhatItChanged)
{
    Show(Crlf({ "Scenario: s Given a", "  | x |" }), 0, 12);
    Press(Qt::Key_Return, Qt::ShiftModifier); // a line break like Enter
    EXPECT_EQ(Lines(), (QStringList { "Scenario: s ", "Given a", "  | x |" }));
    EXPECT_EQ(ColourAt(1, 0), step);
    Press(Qt::Key_Backspace);
    EXPECT_EQ(ColourAt(0, 0), heading);
    EXPECT_EQ(ColourAt(1, 2), table);
}

// As far down as the change of context reaches, a step inside coloured as
// the doc string's text, and back when taken back.
TEST_F(ViewColouring, TypingADelimiterRecoloursTheLinesBelowAndBackAgain)
{
    Show(Crlf({ "Scenario: s", "  Given a", "  ", "  text", "  When in", "  more", "  \"\"\"" }), 2, 2);
    const auto below = [this] {
        return std::vector { ColourAt(3, 2), ColourAt(4, 2), ColourAt(5, 2), ColourAt(6, 2) };
    };
    const std::vector before = { black, step, black, docString };
    ASSERT_EQ(below(), before);
    QTest::keyClicks(&view, QStringLiteral("\"\"\""));
    EXPECT_EQ(below(), (std::vector { docString, docString, docString, docString }));
    for (int i = 0; i < 3; ++i)
        Press(Qt::Key_Backspace);
    EXPECT_EQ(below(), before);
}

// What a widget was asked to draw.
class PaintedRegion : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            region += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
    QRegion region;
};

// A keystroke draws again the lines whose colours it changed, wherever they
// are on screen, and leaves the others as they stand.
TEST_F(ViewColouring, AKeystrokeRedrawsTheLinesItRecolouredAndNoOthers)
{
    Show(Crlf({ "Scenario: s", "  Given a", "  x", "  text", "  When in", "  more", "  \"\"\"", "  | t |" }),
        2, 3);
    ShowOnScreen(400, 300);
    PaintedRegion painted;
    view.viewport()->installEventFilter(&painted);
    const auto drawn = [&](int line) {
        const QRect caret = view.cursorRect(QTextCursor(view.document()->findBlockByNumber(line)));
        return painted.region.contains(QPoint(view.viewport()->width() / 2, caret.center().y()));
    };
    const auto type = [&](Qt::Key key) {
        painted.region = {};
        Press(key);
        QApplication::processEvents();
    };
    const auto expectDrawn = [&](const std::vector<int>& lines) {
        for (int line = 0; line < 8; ++line)
            EXPECT_EQ(drawn(line), std::count(lines.begin(), lines.end(), line) == 1) << "line " << line;
    };

    type(Qt::Key_Backspace);
    expectDrawn({ 2 });
    QTest::keyClicks(&view, QStringLiteral("\"\""));
    // A doc string opens: the step inside it and the table row after the
    // delimiter it now closes change colour; the delimiter keeps its own.
    type(Qt::Key_QuoteDbl);
    ASSERT_EQ(ColourAt(3, 2), docString);
    expectDrawn({ 2, 3, 4, 5, 7 });
    type(Qt::Key_Backspace);
    ASSERT_EQ(ColourAt(3, 2), black);
    expectDrawn({ 2, 3, 4, 5, 7 });
}

using ViewLargeText = ViewTest;

// The first line from `line` on that has been painted, or -1.
int FirstPaintedFrom(const CQuillmark2View& view, int line)
{
    for (QTextBlock block = view.document()->findBlockByNumber(line); block.isValid(); block = block.next())
        if (block.userData() != nullptr)
            return block.blockNumber();
    return -1;
}

// Not by a load or typing; a line pushed or written past them loses its
// colours, as on a short text, while the lines far below stay unpainted.
TEST_F(ViewLargeText, LinesPastTheAnalysedOnesAreNeverPainted)
{
    Show(LongText(5000));
    ASSERT_EQ(view.analysis().analysedLineCount, 1998);
    EXPECT_EQ(ColourAt(1991, 2), heading) << "the last analysed lines are coloured";
    EXPECT_EQ(FirstPaintedFrom(view, 1998), -1) << "after the load";
    QTextCursor end(view.document());
    end.movePosition(QTextCursor::End);
    for (const char* typed : { "x", "\n", "\r\n  Scenario: two" }) {
        end.insertText(typed);
        EXPECT_EQ(FirstPaintedFrom(view, 1998), -1) << "after typing " << typed;
    }

    Press(Qt::Key_Return);
    EXPECT_EQ(ColourAt(1998, 4), black);
    EXPECT_EQ(FirstPaintedFrom(view, 1998), 1998);
    Select(1996, 0);
    view.OnInsert(InsertTemplate::Scenario);
    const int inserted = Lines().indexOf("Scenario: [Title]");
    ASSERT_GE(inserted, 1998);
    EXPECT_EQ(ColourAt(inserted, 0), black);
    EXPECT_EQ(ColourAt(1997, 6), table) << "the last analysed line keeps its colours";
    EXPECT_EQ(FirstPaintedFrom(view, inserted + 1), -1);
}

// Edits that keep the length: the text is modified exactly while some
// character differs from the loaded one, however far apart the edits.
TEST_F(ViewLargeText, TheModifiedFlagFollowsEditsThatKeepTheLength)
{
    Show(LongText(5000));
    const auto replaceAt = [this](int line, const QString& with) {
        Select(line, 2, line, 3);
        view.textCursor().insertText(with);
    };
    const QString loaded = view.control().GetLine(1).mid(2, 1);
    ASSERT_EQ(view.control().GetLine(4001).mid(2, 1), loaded);
    replaceAt(1, "X");
    replaceAt(4001, "Y");
    replaceAt(1, loaded);
    EXPECT_TRUE(view.IsTextModified()) << "the far edit still stands";
    replaceAt(4001, loaded);
    EXPECT_FALSE(view.IsTextModified());
    view.undo();
    EXPECT_TRUE(view.IsTextModified());
    view.redo();
    EXPECT_FALSE(view.IsTextModified());
}

// With a line limit the copy holds the lines before it.
TEST(DocumentLineSourceCopy, EveryLineReadsTheSameWhateverTheLimit)
{
    QPlainTextEdit edit;
    edit.setPlainText(QStringLiteral("one\ntwo\n\nfour\u00a0\nlast"));
    const DocumentLineSource source(edit.document());
    const DocumentLineSource uncopied(edit.document());
    const int count = source.lineCount();
    for (const int limit : { DocumentLineSource::allLines, 0, 3, count, count + 2 }) {
        SCOPED_TRACE("limit " + std::to_string(limit));
        const DocumentLineSource::CopyScope copy(source, limit);
        for (int line = -1; line <= count; ++line)
            EXPECT_EQ(std::pair(source.lineText(line), source.lineStart(line)),
                std::pair(uncopied.lineText(line), uncopied.lineStart(line)))
                << "line " << line;
    }
}

} // namespace
