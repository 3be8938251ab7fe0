#pragma once

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>

// While it lives, every modal dialog that shows gets the next queued answer once its own loop
// runs, so an answer may open a dialog of its own (taking the answer after it). A dialog with no
// answer left fails the test and is rejected; at the end, every answer must have had a dialog.
class DialogAnswers : public QObject {
public:
    DialogAnswers() { QApplication::instance()->installEventFilter(this); }
    ~DialogAnswers() override { EXPECT_TRUE(m_answers.empty()) << "answers no dialog took"; }

    template <typename Dialog> void Then(std::function<void(Dialog&)> answer)
    {
        m_answers.push_back([answer](QDialog& shown) {
            auto* dialog = qobject_cast<Dialog*>(&shown);
            ASSERT_NE(dialog, nullptr) << shown.metaObject()->className() << " showed instead";
            answer(*dialog);
        });
    }

private:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<QDialog*>(watched);
        // Posted with the dialog as context, so that it is dropped if the dialog goes first.
        if (event->type() == QEvent::Show && dialog != nullptr && dialog->isModal())
            QTimer::singleShot(0, dialog, [this, dialog] { Answer(*dialog); });
        return false;
    }

    void Answer(QDialog& dialog)
    {
        if (m_answers.empty()) {
            ADD_FAILURE() << dialog.metaObject()->className() << " showed with no answer left";
            dialog.reject();
            return;
        }
        const auto answer = std::move(m_answers.front());
        m_answers.pop_front();
        answer(dialog);
    }

    std::deque<std::function<void(QDialog&)>> m_answers;
};
