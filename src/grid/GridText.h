#pragma once

#include <QString>
#include <QStringView>

#include <cstddef>
#include <cstring>
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
    // The `size` characters of `chars` from `from` on.
    GridText(const QString& chars, qsizetype from, qsizetype size)
        : m_chars(chars)
        , m_from(from)
        , m_size(size)
    {
    }

    QStringView View() const { return QStringView(m_chars).sliced(m_from, m_size); }
    // The text as a QString: its own characters, shared, when it is a whole
    // one, a copy of its stretch otherwise.
    QString ToString() const { return m_size == m_chars.size() ? m_chars : View().toString(); }
    qsizetype Size() const { return m_size; }
    bool IsEmpty() const { return m_size == 0; }

    void swap(GridText& other) noexcept
    {
        m_chars.swap(other.m_chars);
        std::swap(m_from, other.m_from);
        std::swap(m_size, other.m_size);
    }

    friend bool operator==(const GridText& a, QStringView b) { return a.View() == b; }

private:
    QString m_chars;
    qsizetype m_from = 0;
    qsizetype m_size = 0;
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
        std::memcpy(m_room + m_used, text.utf16(), static_cast<std::size_t>(text.size()) * sizeof(char16_t));
        const qsizetype from = m_used;
        m_used += text.size();
        return GridText(m_chars, from, text.size());
    }

private:
    // Room for many texts a string: a few hundred cells of a table.
    static constexpr qsizetype ROOM = 16384;
    // A text longer than this gets a string of its own, so that little room
    // is left unused when a string is given up.
    static constexpr qsizetype LONGEST_SHARED = ROOM / 8;

    // A new string; the texts made so far keep theirs alive.
    void Renew();

    QString m_chars;
    char16_t* m_room = nullptr;
    qsizetype m_used = ROOM;
};
