#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <set>

// While it lives, every modal dialog that shows gets the next queued answer,
// run once the dialog's own loop is running, so an answer may open a dialog
// of its own (which takes the answer after it). A dialog with no answer left
// fails the test and is rejected; at the end, every answer must have had a dialog.
class DialogAnswers {
public:
    DialogAnswers()
    {
        QObject::connect(&m_watch, &QTimer::timeout, [this] { AnswerShownDialog(); });
        m_watch.start(0);
    }
    ~DialogAnswers() { EXPECT_TRUE(m_answers.empty()) << "answers no dialog took"; }

    template <typename Dialog> void Then(std::function<void(Dialog&)> answer)
    {
        m_answers.push_back([answer](QDialog& shown) {
            auto* dialog = qobject_cast<Dialog*>(&shown);
            ASSERT_NE(dialog, nullptr) << shown.metaObject()->className() << " showed instead";
            answer(*dialog);
        });
    }

private:
    void AnswerShownDialog()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || m_answering.contains(dialog))
            return;
        m_answering.insert(dialog);
        QTimer::singleShot(0, [this, dialog, alive = QPointer<QDialog>(dialog)] {
            if (alive && m_answers.empty()) {
                ADD_FAILURE() << dialog->metaObject()->className() << " showed with no answer left";
                dialog->reject();
            } else if (alive) {
                const auto answer = std::move(m_answers.front());
                m_answers.pop_front();
                answer(*dialog);
            }
            m_answering.erase(dialog);
        });
    }

    QTimer m_watch;
    std::deque<std::function<void(QDialog&)>> m_answers;
    // Dialogs whose answer is on its way or running.
    std::set<QDialog*> m_answering;
};
