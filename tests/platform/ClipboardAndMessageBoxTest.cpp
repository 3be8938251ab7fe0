#include "platform/Clipboard.h"
#include "platform/MessageBox.h"
#include "platform/TextControl.h"

#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(Clipboard, TextGoesInAndComesBackUnchanged)
{
    const QString text = QString::fromUtf16(u"Given \u00e9\r\n| a |\r\n\u2603");
    EXPECT_TRUE(CopyTextToClipboard(text));
    EXPECT_EQ(GetClipboardText(), text);
    EXPECT_TRUE(CopyTextToClipboard(QStringLiteral("second")));
    EXPECT_EQ(GetClipboardText(), QStringLiteral("second"));
}

TEST(Clipboard, PasteReplacesTheSelectionInOneEditWithOneBreakPerCrLf)
{
    QPlainTextEdit edit;
    TextControl control(&edit);
    control.SetWholeText(QStringLiteral("abc"));
    control.SetSel(1, 2);
    ASSERT_TRUE(CopyTextToClipboard(QStringLiteral("1\r\n2")));
    control.Paste();
    EXPECT_EQ(control.GetWholeText(), QStringLiteral("a1\r\n2c"));
    EXPECT_EQ(control.GetLineCount(), 2);
    edit.undo();
    EXPECT_EQ(control.GetWholeText(), QStringLiteral("abc"));
}

TEST(MessageBox, EveryKindGoesThroughTheHandler)
{
    std::vector<std::pair<MessageBoxKind, QString>> seen;
    const MessageBoxHandler previous = SetMessageBoxHandler([&seen](MessageBoxKind kind, const QString& text) {
        seen.emplace_back(kind, text);
        return kind == MessageBoxKind::YesNoCancel ? QMessageBox::No : QMessageBox::Ok;
    });

    MessageBoxOk(QStringLiteral("one"));
    EXPECT_EQ(MessageBoxYesNoCancel(QStringLiteral("two")), QMessageBox::No);
    MessageBoxError(QStringLiteral("three"));

    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], std::make_pair(MessageBoxKind::Ok, QStringLiteral("one")));
    EXPECT_EQ(seen[1], std::make_pair(MessageBoxKind::YesNoCancel, QStringLiteral("two")));
    EXPECT_EQ(seen[2], std::make_pair(MessageBoxKind::Error, QStringLiteral("three")));

    // Handing the previous handler back returns the one installed here.
    const MessageBoxHandler mine = SetMessageBoxHandler(previous);
    ASSERT_TRUE(static_cast<bool>(mine));
    EXPECT_EQ(mine(MessageBoxKind::YesNoCancel, QString()), QMessageBox::No);
}

}  // namespace
