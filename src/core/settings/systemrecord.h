#pragma once

#include <QByteArray>
#include <QString>

// One person or piece of equipment: five fixed-width fields of 40 bytes in the local 8-bit
// code page, zero-terminated, so each holds at most 39 bytes of text. A new record is all
// zeros. Persons use the fifth field for the telephone, equipment for the manufacturer.
class SystemRecord
{
public:
    enum Field { Name = 0, Type, No, CardID, TelNo, FieldCount, Manufacturers = TelNo };
    static constexpr int FieldBytes = 40;

    SystemRecord();
    SystemRecord(const QString &name, const QString &type, const QString &no, const QString &cardId,
                 const QString &fifth);

    // A text longer than 39 bytes is cut before the first character that does not fit
    // whole. An index outside 0-4 is ignored (and reads as an empty text).
    void setField(int index, const QString &text);
    QString field(int index) const;
    // The stored bytes up to the terminating zero.
    QByteArray fieldBytes(int index) const;

    QString name() const { return field(Name); }
    void setName(const QString &text) { setField(Name, text); }

    bool operator==(const SystemRecord &other) const;
    bool operator!=(const SystemRecord &other) const { return !(*this == other); }

    // The local 8-bit form of the text, at most FieldBytes - 1 bytes, never ending in a
    // partial character.
    static QByteArray FitToField(const QString &text);

private:
    char m_fields[FieldCount][FieldBytes];
};
