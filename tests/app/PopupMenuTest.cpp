// The view's pop-up menu: which of its own items fit the caret's line.
#include "ShellFixture.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"

#include <QAction>
#include <QMenu>

using namespace CommandId;

namespace {
// Line numbers in the comment column; the text has no final line break, so
// the last line is also the last analysed one.
const QString sample = QStringLiteral("Feature: Pop-up\n" // 0
                                      "\n" // 1
                                      "  Scenario Outline: Cases\n" // 2
                                      "    Given a table\n" // 3
                                      "      | a | b |\n" // 4
                                      "    When a string\n" // 5
                                      "      \"\"\"\n" // 6
                                      "      text\n" // 7
                                      "      \"\"\"\n" // 8
                                      "    Then nothing follows\n" // 9
                                      "    And <x> is used\n" // 10
                                      "  Examples:\n" // 11
                                      "    | x |\n" // 12
                                      "#include \"data.csv\" \n" // 13
                                      "\t  #include\n" // 14
                                      "#Include \"other.csv\"\n" // 15
                                      "# include \"spaced.csv\"\n" // 16
                                      "    Then the last line"); // 17

struct PopupCase {
    int line;
    bool table;
    bool string;
    bool include;
};

class PopupMenuTest : public ShellFixture, public ::testing::WithParamInterface<PopupCase> {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        StartApp();
    }

    bool Enabled(int id) const
    {
        QAction* action = Frame().Commands().Action(id);
        Frame().Commands().Update(Frame().ViewPopupMenu()->actions());
        return action->isEnabled();
    }
};
}

TEST_P(PopupMenuTest, ItemsFollowTheCaretLineAndTheLineBelow)
{
    const PopupCase c = GetParam();
    View().SetWholeText(sample);
    View().RefreshAllLines();
    PutCaretOnLine(c.line);
    EXPECT_EQ(Enabled(ID_TABLE), c.table) << "Table on line " << c.line;
    EXPECT_EQ(Enabled(ID_STRING), c.string) << "String on line " << c.line;
    EXPECT_EQ(Enabled(ID_EDIT_INCLUDE_FILE), c.include) << "Edit Include File on line " << c.line;
}

INSTANTIATE_TEST_SUITE_P(Lines, PopupMenuTest,
    ::testing::Values(PopupCase { 0, false, false, false }, // Feature heading
        PopupCase { 1, false, false, false }, // blank
        PopupCase { 3, true, false, false }, // step before a table
        PopupCase { 4, true, false, false }, // table row
        PopupCase { 5, false, true, false }, // step before a doc string
        PopupCase { 6, false, true, false }, // delimiter
        PopupCase { 7, false, true, false }, // doc-string text
        PopupCase { 9, true, true, false }, // step before a step
        PopupCase { 11, true, false, false }, // Examples
        PopupCase { 12, true, false, false }, // Examples row
        PopupCase { 13, false, false, true }, // include line
        PopupCase { 14, false, false, true }, // indented include
        PopupCase { 15, false, false, false }, // other case: a comment
        PopupCase { 16, false, false, false }, // blank after '#'
        PopupCase { 17, true, true, false })); // last analysed line

class PopupMenuLimitTest : public ShellFixture { };

TEST_F(PopupMenuLimitTest, LinesPastTheAnalysedLimitOfferNothing)
{
    StartApp();
    QString text = QStringLiteral("Feature: Long\n  Scenario: Many steps\n");
    for (int i = 2; i < 2100; ++i)
        text += QStringLiteral("    Given step %1\n").arg(i);
    View().SetWholeText(text);
    View().RefreshAllLines();
    const int limit = View().analysis().maxAnalysedLines;
    ASSERT_EQ(View().analysis().analysedLineCount, limit);

    Frame().Commands().Update(Frame().ViewPopupMenu()->actions());
    PutCaretOnLine(limit - 1);
    Frame().Commands().Update(Frame().ViewPopupMenu()->actions());
    EXPECT_TRUE(Frame().Commands().Action(ID_TABLE)->isEnabled()) << "the last analysed step takes a table";
    EXPECT_TRUE(Frame().Commands().Action(ID_STRING)->isEnabled()) << "and a doc string";

    PutCaretOnLine(limit + 5);
    Frame().Commands().Update(Frame().ViewPopupMenu()->actions());
    EXPECT_FALSE(Frame().Commands().Action(ID_TABLE)->isEnabled());
    EXPECT_FALSE(Frame().Commands().Action(ID_STRING)->isEnabled());
    EXPECT_FALSE(Frame().Commands().Action(ID_EDIT_INCLUDE_FILE)->isEnabled());
}

TEST_F(PopupMenuLimitTest, RequestFromTheViewOpensThePopupUpdatedForTheCaret)
{
    StartApp();
    View().SetWholeText(sample);
    View().RefreshAllLines();
    PutCaretOnLine(13);
    Frame().Commands().Action(ID_EDIT_INCLUDE_FILE)->setEnabled(false);

    emit View().contextMenuRequested(View().mapToGlobal(QPoint(5, 5)));
    EXPECT_TRUE(Frame().ViewPopupMenu()->isVisible());
    EXPECT_TRUE(Frame().Commands().Action(ID_EDIT_INCLUDE_FILE)->isEnabled());
    Frame().ViewPopupMenu()->close();
}

TEST_F(PopupMenuLimitTest, EditIncludeFileTellsTheUserAndChangesNothing)
{
    StartApp();
    View().SetWholeText(sample);
    View().RefreshAllLines();
    PutCaretOnLine(13);
    const QString before = View().WholeText();
    ASSERT_TRUE(Frame().Commands().Execute(ID_EDIT_INCLUDE_FILE));
    EXPECT_EQ(m_messages,
        QStringList { QStringLiteral("Windows Store does not allow execution of other programs") });
    EXPECT_EQ(View().WholeText(), before);
}
