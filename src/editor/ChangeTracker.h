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
            : m_tracker(tracker)
        {
            m_tracker.m_writing = true;
        }
        ~WriteScope() { m_tracker.m_writing = false; }
        WriteScope(const WriteScope&) = delete;
        WriteScope& operator=(const WriteScope&) = delete;

    private:
        ChangeTracker& m_tracker;
    };

    bool Writing() const { return m_writing; }

    // How many lines came or went since the last change seen; takes `count`
    // as the line count from now on.
    int SeeLineCount(int count)
    {
        const int shift = std::abs(count - m_lineCount);
        m_lineCount = count;
        return shift;
    }

    // A change during a write, reaching down to `lastLine`.
    void NoteWrite(int lastLine, int shift)
    {
        m_pendingLastLine = std::max(m_pendingLastLine, lastLine);
        m_pendingShift += shift;
    }

    // Where the blocks that may hold another line's colours end after the
    // writes noted, with `analysed` lines analysed and painted anew (as far
    // as lines came or went, and no less than the last line written); then
    // forgets the writes.
    int TakeStaleEnd(int analysed)
    {
        int end = analysed;
        if (m_pendingLastLine >= analysed || m_pendingShift > 0)
            end = std::max(m_pendingLastLine + 1, analysed + m_pendingShift);
        m_pendingLastLine = -1;
        m_pendingShift = 0;
        return end;
    }

    // Forgets the writes noted, after a write that made every block anew.
    void ForgetWrites()
    {
        m_pendingLastLine = -1;
        m_pendingShift = 0;
    }

    // Room for the types of the analysed lines before a keystroke's analysis,
    // kept so that each keystroke does not allocate it anew.
    std::vector<LineType>& TypesBefore() { return m_typesBefore; }

private:
    bool m_writing = false;
    int m_lineCount = 1;
    int m_pendingLastLine = -1;
    int m_pendingShift = 0;
    std::vector<LineType> m_typesBefore;
};
