#include "grid/GridText.h"

void GridTextArena::Renew()
{
    m_chars = QString(ROOM, Qt::Uninitialized);
    m_room = reinterpret_cast<char16_t*>(m_chars.data());
    m_used = 0;
}
