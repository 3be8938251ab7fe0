#include "app/TextSearch.h"

#include <QPlainTextEdit>
#include <QTextCursor>

#include <gtest/gtest.h>

namespace {

// --- The search itself, over plain text ---

struct FindCase {
    const char* name;
    QString text;
    QString what;
    bool matchCase;
    bool wholeWord;
    bool up;
    qsizetype from;
    qsizetype start; // -1: not found
    bool wrapped;
};

void PrintTo(const FindCase& c, std::ostream* out)
{
    *out << c.name;
}

class FindInTextTest : public ::testing::TestWithParam<FindCase> { };

TEST_P(FindInTextTest, FindsTheExpectedMatch)
{
    const FindCase& c = GetParam();
    SearchRequest request;
    request.findWhat = c.what;
    request.matchCase = c.matchCase;
    request.wholeWord = c.wholeWord;
    request.up = c.up;
    const TextMatch match = FindInText(c.text, request, c.from);
    EXPECT_EQ(match.start, c.start);
    if (c.start >= 0) {
        EXPECT_EQ(match.length, c.what.size());
        EXPECT_EQ(match.wrapped, c.wrapped);
    }
}

INSTANTIATE_TEST_SUITE_P(Search, FindInTextTest,
    ::testing::Values(
        // Case
        FindCase { "IgnoresCaseByDefault", "Given a step", "given", false, false, false, 0, 0, false },
        FindCase { "MatchCaseRejectsOtherCase", "Given a step", "given", true, false, false, 0, -1, false },
        FindCase { "MatchCaseSkipsToExactCase", "AND And and", "and", true, false, false, 0, 8, false },
        FindCase { "IgnoresCaseBeyondAscii", QStringLiteral(u"x Ärger"), QStringLiteral(u"ärger"), false,
            false, false, 0, 2, false },
        // Whole word
        FindCase { "WholeWordSkipsLongerWords", "scenario Scenarios scenario", "scenario", false, true, false,
            1, 19, false },
        FindCase { "UnderscoreBelongsToTheWord", "my_step step", "step", false, true, false, 0, 8, false },
        FindCase { "DigitBelongsToTheWord", "row1 row", "row", false, true, false, 0, 5, false },
        FindCase { "PunctuationEndsAWord", "<name>|name", "name", false, true, false, 0, 1, false },
        FindCase { "WholeWordWithNoWordAtAll", "steps stepping", "step", false, true, false, 0, -1, false },
        // Down, and round the end
        FindCase { "DownFromTheMiddle", "abc xyz abc", "abc", false, false, false, 5, 8, false },
        FindCase { "DownStartsAtFrom", "abc xyz abc", "abc", false, false, false, 8, 8, false },
        FindCase { "DownGoesRoundTheEnd", "abc xyz abc", "abc", false, false, false, 9, 0, true },
        FindCase { "OnlyMatchIsTheSelectionItself", "one two", "two", false, false, false, 7, 4, true },
        // Up, and round the start
        FindCase { "UpFromTheEnd", "abc xyz abc", "abc", false, false, true, 11, 8, false },
        FindCase { "UpSkipsAMatchEndingAfterFrom", "abc xyz abc", "abc", false, false, true, 10, 0, false },
        FindCase { "UpGoesRoundTheStart", "abc xyz abc", "abc", false, false, true, 2, 8, true },
        FindCase { "UpWholeWord", "step steps", "step", false, true, true, 10, 0, false },
        // Nothing to find
        FindCase { "EmptyFindsNothing", "text", "", false, false, false, 0, -1, false },
        FindCase { "LongerThanTheText", "ab", "abc", false, false, false, 0, -1, false },
        FindCase { "FromBeyondTheEnd", "abc", "abc", false, false, false, 99, 0, true },
        FindCase { "FromBeforeTheStartUp", "abc", "abc", false, false, true, -5, 0, true }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FindAllInText, MatchesDoNotOverlapAndFollowTheOptions)
{
    SearchRequest request;
    request.findWhat = "aa";
    std::vector<qsizetype> starts;
    for (const TextMatch& match : FindAllInText(u"aaaaa", request))
        starts.push_back(match.start);
    EXPECT_EQ(starts, (std::vector<qsizetype> { 0, 2 }));

    request.findWhat = "Then";
    request.matchCase = true;
    request.wholeWord = true;
    starts.clear();
    for (const TextMatch& match : FindAllInText(u"Then then Thenceforth Then", request))
        starts.push_back(match.start);
    EXPECT_EQ(starts, (std::vector<qsizetype> { 0, 22 }));
}

TEST(IsMatchAt, ChecksTextLengthCaseAndWordBounds)
{
    SearchRequest request;
    request.findWhat = "step";
    EXPECT_TRUE(IsMatchAt(u"a Step", request, 2, 4));
    EXPECT_FALSE(IsMatchAt(u"a Step", request, 2, 3));
    EXPECT_FALSE(IsMatchAt(u"a Step", request, 3, 4));
    request.matchCase = true;
    EXPECT_FALSE(IsMatchAt(u"a Step", request, 2, 4));
    request.matchCase = false;
    request.wholeWord = true;
    EXPECT_FALSE(IsMatchAt(u"a Steps", request, 2, 4));
}

// --- The editor's side: selection, replacement, undo ---

class EditorSearchTest : public ::testing::Test {
protected:
    void SetText(const QString& text) { m_editor.setPlainText(text); }

    QString Selected() const { return m_editor.textCursor().selectedText(); }
    int SelectionStart() const { return m_editor.textCursor().selectionStart(); }

    void Select(int start, int end)
    {
        QTextCursor cursor(m_editor.document());
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        m_editor.setTextCursor(cursor);
    }

    static SearchRequest Request(const QString& what, const QString& with = {}, bool up = false)
    {
        SearchRequest request;
        request.findWhat = what;
        request.replaceWith = with;
        request.up = up;
        return request;
    }

    QPlainTextEdit m_editor;
};

TEST_F(EditorSearchTest, FindNextWalksThroughTheLinesAndGoesRound)
{
    SetText("Given one\nWhen two\nThen one\n");
    const SearchRequest request = Request("one");
    std::vector<int> starts;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(FindNextInEditor(m_editor, request));
        EXPECT_EQ(Selected(), "one");
        starts.push_back(SelectionStart());
    }
    EXPECT_EQ(starts, (std::vector<int> { 6, 24, 6 }));
}

TEST_F(EditorSearchTest, FindNextUpWalksBackwards)
{
    SetText("one two one two one");
    m_editor.moveCursor(QTextCursor::End);
    const SearchRequest request = Request("one", {}, true);
    std::vector<int> starts;
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(FindNextInEditor(m_editor, request));
        starts.push_back(SelectionStart());
    }
    EXPECT_EQ(starts, (std::vector<int> { 16, 8, 0, 16 }));
}

TEST_F(EditorSearchTest, NothingFoundLeavesTheSelection)
{
    SetText("Feature: x");
    Select(0, 7);
    EXPECT_FALSE(FindNextInEditor(m_editor, Request("Scenario")));
    EXPECT_EQ(Selected(), "Feature");
}

TEST_F(EditorSearchTest, ReplaceFirstSelectsThenReplacesAndMovesOn)
{
    SetText("cat dog cat");
    const SearchRequest request = Request("cat", "bird");
    // The caret selects nothing yet: Replace only finds.
    ASSERT_TRUE(ReplaceInEditor(m_editor, request));
    EXPECT_EQ(m_editor.toPlainText(), "cat dog cat");
    EXPECT_EQ(SelectionStart(), 0);
    ASSERT_TRUE(ReplaceInEditor(m_editor, request));
    EXPECT_EQ(m_editor.toPlainText(), "bird dog cat");
    EXPECT_EQ(SelectionStart(), 9);
    EXPECT_EQ(Selected(), "cat");
    // The last one replaced, nothing is left to find.
    EXPECT_FALSE(ReplaceInEditor(m_editor, request));
    EXPECT_EQ(m_editor.toPlainText(), "bird dog bird");
}

TEST_F(EditorSearchTest, ReplaceUpGoesOnInFrontOfTheReplacement)
{
    SetText("ab ab ab");
    Select(6, 8);
    ASSERT_TRUE(ReplaceInEditor(m_editor, Request("ab", "abab", true)));
    EXPECT_EQ(m_editor.toPlainText(), "ab ab abab");
    EXPECT_EQ(SelectionStart(), 3);
}

TEST_F(EditorSearchTest, ReplaceAllIsOneUndoableEdit)
{
    const QString original = "Given x\nGiven y\ngiven z\n";
    SetText(original);
    SearchRequest request = Request("Given", "Angenommen");
    request.matchCase = true;
    EXPECT_EQ(ReplaceAllInEditor(m_editor, request), 2);
    EXPECT_EQ(m_editor.toPlainText(), "Angenommen x\nAngenommen y\ngiven z\n");
    m_editor.document()->undo();
    EXPECT_EQ(m_editor.toPlainText(), original);
    EXPECT_FALSE(m_editor.document()->isUndoAvailable());
}

TEST_F(EditorSearchTest, ReplaceAllWithTheSearchTextInsideEnds)
{
    SetText("a-a-a");
    EXPECT_EQ(ReplaceAllInEditor(m_editor, Request("a", "aa")), 3);
    EXPECT_EQ(m_editor.toPlainText(), "aa-aa-aa");
}

TEST_F(EditorSearchTest, ReplaceAllIgnoresSelectionAndDirection)
{
    SetText("x1 x2 x3");
    Select(6, 8);
    EXPECT_EQ(ReplaceAllInEditor(m_editor, Request("x", "y", true)), 3);
    EXPECT_EQ(m_editor.toPlainText(), "y1 y2 y3");
}

TEST_F(EditorSearchTest, ReplaceAllWithoutMatchAddsNoUndoStep)
{
    SetText("nothing here");
    EXPECT_EQ(ReplaceAllInEditor(m_editor, Request("absent", "x")), 0);
    EXPECT_EQ(m_editor.toPlainText(), "nothing here");
    EXPECT_FALSE(m_editor.document()->isUndoAvailable());
}

} // namespace
