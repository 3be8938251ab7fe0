#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class CQuillmark2Doc;
class CQuillmark2View;
class QLockFile;
class QWidget;

// The safety net under a modified document: a copy of its text in the user's
// application data, written a moment after the text changes, so that a crash,
// a killed process or an ended session loses at most the last seconds of
// typing. The copy goes when the document stops being modified (saved, edited
// back, discarded by New or Open) and when the editor ends normally.
//
// Several editors may run at once; each keeps its own copy under a lock that
// the system drops with the process, so a copy whose lock can be taken was
// left by an editor that did not end normally, and only such a copy is offered.
class RecoveryCopy : public QObject {
    Q_OBJECT
public:
    RecoveryCopy(CQuillmark2Doc& document, CQuillmark2View& view, QWidget* dialogParent);
    // A normal end: the copy is removed.
    ~RecoveryCopy() override;

    // Start-up: asks, newest first, whether to restore each copy left behind.
    // A restored one becomes the document, modified; a declined one is
    // deleted. After a restore the others wait for the next start.
    void OfferLeftCopies();

    // How long after a change the copy is written, at most: typing that goes
    // on does not put the copy off.
    static constexpr int delayMilliseconds = 2000;

private:
    void Schedule();
    void WriteNow();
    void Remove();
    // Claims this editor's place among the copies; false when that fails.
    bool TakeSession();

    CQuillmark2Doc& m_document;
    CQuillmark2View& m_view;
    QWidget* m_dialogParent;
    QTimer m_timer;
    QString m_file;
    std::unique_ptr<QLockFile> m_lock;
};
