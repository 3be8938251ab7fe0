#pragma once

#include "core/language/LineType.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

// What the view's change handler keeps from one change of the text to the
// next. Changes made while a command or a load writes are only noted here:
// the writer analyses and paints everything once it is done, and then asks
// how far the change reached, so that blocks pushed past the analysed lines
// lose the colours they no longer have a line for.
class ChangeTracker {
public:
    // While one lives, changes are noted, not analysed.
    class WriteScope {
    public:
        explicit WriteScope(ChangeTracker& tracker)
            : tracker_(tracker)
        {
            tracker_.writing_ = true;
        }
        ~WriteScope() { tracker_.writing_ = false; }
        WriteScope(const WriteScope&) = delete;
        WriteScope& operator=(const WriteScope&) = delete;

    private:
        ChangeTracker& tracker_;
    };

    bool Writing() const { return writing_; }

    // How many lines came or went since the last change seen; takes `count`
    // as the line count from now on.
    int SeeLineCount(int count)
    {
        const int shift = std::abs(count - lineCount_);
        lineCount_ = count;
        return shift;
    }

    // A change during a write, reaching down to `lastLine`.
    void NoteWrite(int lastLine, int shift)
    {
        pendingLastLine_ = std::max(pendingLastLine_, lastLine);
        pendingShift_ += shift;
    }

    // Where the blocks that may hold another line's colours end after the
    // writes noted, with `analysed` lines analysed and painted anew (as far
    // as lines came or went, and no less than the last line written); then
    // forgets the writes.
    int TakeStaleEnd(int analysed)
    {
        int end = analysed;
        if (pendingLastLine_ >= analysed || pendingShift_ > 0)
            end = std::max(pendingLastLine_ + 1, analysed + pendingShift_);
        pendingLastLine_ = -1;
        pendingShift_ = 0;
        return end;
    }

    // Forgets the writes noted, after a write that made every block anew.
    void ForgetWrites()
    {
        pendingLastLine_ = -1;
        pendingShift_ = 0;
    }

    // Room for the types of the analysed lines before a keystroke's analysis,
    // kept so that each keystroke does not allocate it anew.
    std::vector<LineType>& TypesBefore() { return typesBefore_; }

private:
    bool writing_ = false;
    int lineCount_ = 1;
    int pendingLastLine_ = -1;
    int pendingShift_ = 0;
    std::vector<LineType> typesBefore_;
};
