#pragma once

#include <array>
#include <mutex>

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// One drop-down list of the inspection forms (test type, pipe material, ...): a name and up
// to 100 texts in a fixed array. The catch-all text "Unknow" is kept last when present.
// Every operation is safe from any thread: readers of inspection files append materials
// from worker threads while the interface reads the list.
class COptionList
{
    Q_DECLARE_TR_FUNCTIONS(COptionList)

public:
    static constexpr int MaxItems = 100;

    explicit COptionList(const QString &name = QString());
    COptionList(const COptionList &other);
    COptionList &operator=(const COptionList &other);

    // The one translated catch-all text, what itemAt() gives outside a list without one.
    static QString UnknownText();
    // The catch-all in any spelling: "Unknow", "UnKnow" or the translation, in any case.
    static bool IsUnknownItem(const QString &text);

    QString name() const;
    int count() const;
    int selectedIndex() const;
    // The first count() items.
    QStringList items() const;

    // Refuses an empty text, one already in the list (a second catch-all too) and any text
    // when the list is full (MaxItems).
    bool append(const QString &text);
    bool replace(int index, const QString &text);
    bool removeSelected();
    bool moveSelectedUp();
    bool moveSelectedDown();
    void select(int index);

    // Outside the list: the list's own catch-all, else UnknownText().
    QString itemAt(int index) const;
    QString selectedItem() const;
    // The item equal to the text (any catch-all for a catch-all), else the first containing
    // it; -1 for an empty text or list.
    int indexOf(const QString &text) const;
    bool contains(const QString &text) const;

private:
    QString itemAtLocked(int index) const;
    int equalIndexLocked(const QString &text) const;

    mutable std::mutex m_mutex;
    QString m_strName;
    std::array<QString, MaxItems> m_items;
    int m_nCount = 0;
    int m_nSelected = -1;
};
