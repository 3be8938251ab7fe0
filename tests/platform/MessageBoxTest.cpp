#include "platform/MessageBox.h"
#include "support/DialogAnswers.h"

#include <functional>

namespace {

// Every kind of box shows its text as plain text, so that a link or an image tag that came from a
// file, its name or the user is shown as typed and can neither start a program nor load a file.
TEST(MessageBox, EveryKindShowsMarkupAsTyped)
{
    const QString markup = R"(Cannot set language to <a href="file:///bin/sh">x</a><img src="/tmp/q.png">)";
    const std::pair<const char*, std::function<void()>> kinds[] = {
        { "OK", [&] { MessageBoxOk(markup); } },
        { "Yes, No, Cancel", [&] { MessageBoxYesNoCancel(markup); } },
        { "error", [&] { MessageBoxError(markup); } },
        { "question", [&] { MessageBoxAsk(markup, "Restore", "Discard", true); } },
    };
    for (const auto& [name, show] : kinds) {
        SCOPED_TRACE(name);
        DialogAnswers answers;
        answers.Then<QMessageBox>([&](QMessageBox& box) {
            EXPECT_EQ(box.textFormat(), Qt::PlainText);
            EXPECT_EQ(box.text(), markup);
            box.reject();
        });
        show();
    }
}

} // namespace
