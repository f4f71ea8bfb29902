#include "core/settings/coptionlist.h"

#include <utility>

COptionList::COptionList(const QString &name)
    : m_strName(name)
{}

QString COptionList::UnknownText()
{
    return tr("Unknow");
}

QStringList COptionList::items() const
{
    QStringList list;
    list.reserve(m_nCount);
    for (int i = 0; i < m_nCount; ++i)
        list << m_items[size_t(i)];
    return list;
}

bool COptionList::IsUnknownItem(const QString &text)
{
    // The default lists end in "UnKnow", added items are checked against "Unknow": both are
    // the catch-all that stays last (the same word in Chinese).
    return text.compare(UnknownText(), Qt::CaseInsensitive) == 0;
}

bool COptionList::append(const QString &text)
{
    if (text.isEmpty() || contains(text))
        return false;
    const int position = m_nCount % MaxItems;
    if (position > 0 && IsUnknownItem(m_items[size_t(position - 1)])) {
        // The new text goes before the catch-all, which moves one place on.
        m_items[size_t(position)] = m_items[size_t(position - 1)];
        m_items[size_t(position - 1)] = text;
    } else {
        m_items[size_t(position)] = text;
    }
    if (m_nCount == 0)
        m_nSelected = 0;
    if (m_nCount < MaxItems)
        ++m_nCount;
    return true;
}

bool COptionList::replace(int index, const QString &text)
{
    if (index < 0 || index >= m_nCount || contains(text))
        return false;
    m_items[size_t(index)] = text;
    return true;
}

bool COptionList::removeSelected()
{
    if (m_nSelected < 0 || m_nSelected >= m_nCount)
        return false;
    for (int i = m_nSelected; i < m_nCount - 1; ++i)
        m_items[size_t(i)] = m_items[size_t(i + 1)];
    m_items[size_t(m_nCount - 1)].clear();
    --m_nCount;
    // Removing the last item moves the selection onto the new last one (or -1 when empty).
    if (m_nSelected == m_nCount)
        --m_nSelected;
    return true;
}

bool COptionList::moveSelectedUp()
{
    if (m_nSelected < 1 || m_nSelected >= m_nCount)
        return false;
    std::swap(m_items[size_t(m_nSelected)], m_items[size_t(m_nSelected - 1)]);
    --m_nSelected;
    return true;
}

bool COptionList::moveSelectedDown()
{
    if (m_nSelected < 0 || m_nSelected >= m_nCount - 1)
        return false;
    std::swap(m_items[size_t(m_nSelected)], m_items[size_t(m_nSelected + 1)]);
    ++m_nSelected;
    return true;
}

QString COptionList::itemAt(int index) const
{
    if (index < 0 || index >= m_nCount)
        return UnknownText();
    return m_items[size_t(index)];
}

int COptionList::indexOf(const QString &text) const
{
    if (text.isEmpty() || m_nCount == 0)
        return -1;
    // An equal item wins over an earlier one that merely contains the text, so that
    // "ConcretePipe" finds itself and not "ReinforcedConcretePipe".
    for (int i = 0; i < m_nCount; ++i) {
        if (m_items[size_t(i)] == text)
            return i;
    }
    for (int i = 0; i < m_nCount; ++i) {
        if (m_items[size_t(i)].contains(text))
            return i;
    }
    return -1;
}

bool COptionList::contains(const QString &text) const
{
    for (int i = 0; i < m_nCount; ++i) {
        if (m_items[size_t(i)] == text)
            return true;
    }
    return false;
}
