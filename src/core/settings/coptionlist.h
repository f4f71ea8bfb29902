#pragma once

#include <array>

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// One drop-down list of the inspection forms (test type, pipe material, ...): a name and up
// to 100 texts in a fixed array. The catch-all text "Unknow" is kept last when present.
class COptionList
{
    Q_DECLARE_TR_FUNCTIONS(COptionList)

public:
    static constexpr int MaxItems = 100;

    explicit COptionList(const QString &name = QString());

    // The one translated catch-all text, also what itemAt() gives outside the list.
    static QString UnknownText();
    static bool IsUnknownItem(const QString &text);

    QString name() const { return m_strName; }
    int count() const { return m_nCount; }
    int selectedIndex() const { return m_nSelected; }
    // The first count() items.
    QStringList items() const;

    // Refuses an empty text and one already in the list. A full list takes the new text at
    // position 0, replacing the first item.
    bool append(const QString &text);
    bool replace(int index, const QString &text);
    bool removeSelected();
    bool moveSelectedUp();
    bool moveSelectedDown();
    void select(int index) { m_nSelected = index; }

    QString itemAt(int index) const;
    QString selectedItem() const { return itemAt(m_nSelected); }
    // The item equal to the text, else the first containing it; -1 for an empty text or list.
    int indexOf(const QString &text) const;
    bool contains(const QString &text) const;

private:
    QString m_strName;
    std::array<QString, MaxItems> m_items;
    int m_nCount = 0;
    int m_nSelected = -1;
};
