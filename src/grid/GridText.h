#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <utility>

// A cell's text: the whole of a QString (a text typed or set), or a stretch of
// one that holds the texts of many cells, as a paste gathers them, so that a
// paste of many cells allocates once instead of once a cell. A text never
// changes its characters; whichever QString holds them lives as long as any
// text shows them.
class GridText {
public:
    GridText() = default;
    // Shares the string's characters, as a QString copy does; implicit, as
    // a QString is a cell's text as it stands.
    GridText(QString text)
        : m_chars(std::move(text))
        , m_size(m_chars.size())
    {
    }
    QStringView View() const { return QStringView(m_chars).sliced(m_stretch.from, m_size); }
    // The text as a QString: its own characters, shared, when it is a whole
    // one, a copy of its stretch otherwise.
    QString ToString() const { return m_size == m_chars.size() ? m_chars : View().toString(); }
    qsizetype Size() const { return m_size; }
    bool IsEmpty() const { return m_size == 0; }
    // True when the text is known to be all printable ASCII, as the arena
    // finds while it copies a text in; false says nothing.
    bool IsKnownPrintableAscii() const { return m_stretch.printableAscii; }

    void swap(GridText& other) noexcept
    {
        m_chars.swap(other.m_chars);
        std::swap(m_size, other.m_size);
        std::swap(m_stretch, other.m_stretch);
    }

    friend bool operator==(const GridText& a, QStringView b)
    {
        return a.m_size == b.size() && SameUnits(a.View().utf16(), b.utf16(), b.size());
    }

private:
    friend class GridTextArena;

    // Whether `size` units at `a` and at `b` are the same, found eight at a
    // time: a paste compares every cell's old text with its new one.
    static bool SameUnits(const char16_t* a, const char16_t* b, qsizetype size);

    // The `size` characters of `chars` from `from` on.
    GridText(const QString& chars, std::int32_t from, qsizetype size, bool printableAscii)
        : m_chars(chars)
        , m_size(size)
        , m_stretch { from, printableAscii }
    {
    }

    QString m_chars;
    qsizetype m_size = 0;
    // Where the text starts, and what the arena found; one word, so that a
    // text moves as five. Only the arena's shared strings, which are short,
    // have texts that start further on.
    struct Stretch {
        std::int32_t from = 0;
        bool printableAscii = false;
    } m_stretch;
};

// Makes the texts of many cells, as a paste reads them, in a few large
// strings instead of one string each. Each text is written once into room
// that no text shows yet, and then shares its string with the texts before
// it; the arena keeps the string's room to itself, so that writing on never
// touches what a text shows.
class GridTextArena {
public:
    GridText Add(QStringView text)
    {
        if (text.isEmpty() || text.size() > LONGEST_SHARED)
            return text.toString();
        if (ROOM - m_used < text.size())
            Renew();
        const bool printableAscii = CopyUnits(m_room + m_used, text.utf16(), text.size());
        const auto from = static_cast<std::int32_t>(m_used);
        m_used += text.size();
        return GridText(m_chars, from, text.size(), printableAscii);
    }

private:
    // Room for many texts a string: a few hundred cells of a table.
    static constexpr qsizetype ROOM = 16384;
    // A text longer than this gets a string of its own, so that little room
    // is left unused when a string is given up.
    static constexpr qsizetype LONGEST_SHARED = ROOM / 8;

    // A new string; the texts made so far keep theirs alive.
    void Renew();
    // Copies `size` units and tells whether they are all printable ASCII:
    // the one pass over a pasted text spares the column widths their own.
    static bool CopyUnits(char16_t* to, const char16_t* from, qsizetype size);

    QString m_chars;
    char16_t* m_room = nullptr;
    qsizetype m_used = ROOM;
};
