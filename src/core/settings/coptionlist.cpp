#include "core/settings/coptionlist.h"

#include <utility>

COptionList::COptionList(const QString &name)
    : m_strName(name)
{}

COptionList::COptionList(const COptionList &other)
{
    *this = other;
}

COptionList &COptionList::operator=(const COptionList &other)
{
    if (this == &other)
        return *this;
    std::scoped_lock lock(m_mutex, other.m_mutex);
    m_strName = other.m_strName;
    m_items = other.m_items;
    m_nCount = other.m_nCount;
    m_nSelected = other.m_nSelected;
    return *this;
}

QString COptionList::name() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_strName;
}

int COptionList::count() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_nCount;
}

int COptionList::selectedIndex() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_nSelected;
}

void COptionList::select(int index)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_nSelected = index;
}

QString COptionList::UnknownText()
{
    return tr("Unknow");
}

QStringList COptionList::items() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QStringList list;
    list.reserve(m_nCount);
    for (int i = 0; i < m_nCount; ++i)
        list << m_items[size_t(i)];
    return list;
}

bool COptionList::IsUnknownItem(const QString &text)
{
    // The default lists end in "UnKnow", items read from files give "Unknow": both are the
    // catch-all that stays last, whatever the interface language.
    return text.compare(UnknownText(), Qt::CaseInsensitive) == 0 ||
           text.compare(QLatin1String("Unknow"), Qt::CaseInsensitive) == 0;
}

bool COptionList::append(const QString &text)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    // A full list refuses: taking the place of an item would lose a text the user chose.
    if (text.isEmpty() || m_nCount >= MaxItems || equalIndexLocked(text) >= 0)
        return false;
    const int position = m_nCount;
    if (position > 0 && IsUnknownItem(m_items[size_t(position - 1)])) {
        // The new text goes before the catch-all, which moves one place on.
        m_items[size_t(position)] = m_items[size_t(position - 1)];
        m_items[size_t(position - 1)] = text;
    } else {
        m_items[size_t(position)] = text;
    }
    if (m_nCount == 0)
        m_nSelected = 0;
    ++m_nCount;
    return true;
}

bool COptionList::replace(int index, const QString &text)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (index < 0 || index >= m_nCount || equalIndexLocked(text) >= 0)
        return false;
    m_items[size_t(index)] = text;
    return true;
}

bool COptionList::removeSelected()
{
    std::lock_guard<std::mutex> lock(m_mutex);
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
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_nSelected < 1 || m_nSelected >= m_nCount)
        return false;
    std::swap(m_items[size_t(m_nSelected)], m_items[size_t(m_nSelected - 1)]);
    --m_nSelected;
    return true;
}

bool COptionList::moveSelectedDown()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_nSelected < 0 || m_nSelected >= m_nCount - 1)
        return false;
    std::swap(m_items[size_t(m_nSelected)], m_items[size_t(m_nSelected + 1)]);
    ++m_nSelected;
    return true;
}

QString COptionList::itemAt(int index) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return itemAtLocked(index);
}

QString COptionList::selectedItem() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return itemAtLocked(m_nSelected);
}

QString COptionList::itemAtLocked(int index) const
{
    if (index >= 0 && index < m_nCount)
        return m_items[size_t(index)];
    // The catch-all the list has, so that a text read back from it finds it again.
    if (m_nCount > 0 && IsUnknownItem(m_items[size_t(m_nCount - 1)]))
        return m_items[size_t(m_nCount - 1)];
    return UnknownText();
}

int COptionList::equalIndexLocked(const QString &text) const
{
    const bool unknown = IsUnknownItem(text);
    for (int i = 0; i < m_nCount; ++i) {
        const QString &item = m_items[size_t(i)];
        if (item == text || (unknown && IsUnknownItem(item)))
            return i;
    }
    return -1;
}

int COptionList::indexOf(const QString &text) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (text.isEmpty() || m_nCount == 0)
        return -1;
    // An equal item wins over an earlier one that merely contains the text, so that
    // "ConcretePipe" finds itself and not "ReinforcedConcretePipe".
    const int equal = equalIndexLocked(text);
    if (equal >= 0)
        return equal;
    for (int i = 0; i < m_nCount; ++i) {
        if (m_items[size_t(i)].contains(text))
            return i;
    }
    return -1;
}

bool COptionList::contains(const QString &text) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return equalIndexLocked(text) >= 0;
}
