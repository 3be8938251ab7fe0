#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class CQuillmark2Doc;
class CQuillmark2View;
class QLockFile;
class QThread;
class QWidget;

// The safety net under a modified document: a copy of its text in the user's
// application data, written a moment after the text changes, so that a crash,
// a killed process or an ended session loses at most the last seconds of
// typing. The copy goes when the document stops being modified (saved, edited
// back, discarded by New or Open) and when the editor ends normally.
//
// The text is taken in a moment (a snapshot, see TextSnapshot) and written on
// a thread of its own, so that typing never waits for a copy, whatever the
// size of the text; one copy is written at a time.
//
// Several editors may run at once; each keeps its own copy under a lock that
// the system drops with the process, so a copy whose lock can be taken was
// left by an editor that did not end normally, and only such a copy is offered.
class RecoveryCopy : public QObject {
    Q_OBJECT
public:
    RecoveryCopy(CQuillmark2Doc& document, CQuillmark2View& view, QWidget* dialogParent);
    // A normal end: the copy is removed, once a copy being written is done.
    ~RecoveryCopy() override;

    // Start-up: first asks whether to put back each file whose save in
    // place did not finish (see SaveCopy.h); then asks, newest first,
    // whether to restore each copy left behind. A restored one becomes the
    // document, modified; a declined one is deleted. After a restore the
    // others wait for the next start. A copy that cannot be read is said to
    // be so and kept aside, where the user can look at it.
    void OfferLeftCopies();

    // How long after a change the copy is taken, at most, while writing it
    // takes no time: typing that goes on does not put the copy off. A copy
    // that takes a while to write is taken that much sooner, so that what
    // the copies miss stays within about this time.
    static constexpr int delayMilliseconds = 2000;

private:
    void Schedule();
    void WriteNow();
    // A copy has been written, or failed to be.
    void Written();
    void Remove();
    // Claims this editor's place among the copies; false when that fails.
    bool TakeSession();
    void OfferLeftSaveCopies();

    CQuillmark2Doc& m_document;
    CQuillmark2View& m_view;
    QWidget* m_dialogParent;
    QTimer m_timer;
    QString m_file;
    std::unique_ptr<QLockFile> m_lock;

    // The thread writing a copy, if any, and what it reports.
    struct Writing;
    std::unique_ptr<Writing> m_writing;
    // The timer went off while a copy was being written.
    bool m_writeAgain = false;
    // Counts the copy's removals, so that a copy written after its removal
    // goes too.
    quint64 m_removals = 0;
    qint64 m_lastWriteMilliseconds = 0;
};
