#include "core/settings/systemrecord.h"

#include <cstring>

namespace {
constexpr int kMaxTextBytes = SystemRecord::FieldBytes - 1;

bool ValidIndex(int index)
{
    return index >= 0 && index < SystemRecord::FieldCount;
}
} // namespace

SystemRecord::SystemRecord()
{
    std::memset(m_fields, 0, sizeof(m_fields));
}

SystemRecord::SystemRecord(const QString &name, const QString &type, const QString &no,
                           const QString &cardId, const QString &fifth)
    : SystemRecord()
{
    setField(Name, name);
    setField(Type, type);
    setField(No, no);
    setField(CardID, cardId);
    setField(TelNo, fifth);
}

QByteArray SystemRecord::FitToField(const QString &text)
{
    // Every character takes at least one byte, so no more than 39 of them can fit; then
    // drop whole characters (surrogate pairs together) until the encoded form fits.
    QString fitted = text.left(kMaxTextBytes);
    QByteArray bytes = fitted.toLocal8Bit();
    while (bytes.size() > kMaxTextBytes && !fitted.isEmpty()) {
        int drop = 1;
        if (fitted.size() >= 2 && fitted.at(fitted.size() - 1).isLowSurrogate() &&
            fitted.at(fitted.size() - 2).isHighSurrogate())
            drop = 2;
        fitted.chop(drop);
        bytes = fitted.toLocal8Bit();
    }
    return bytes;
}

void SystemRecord::setField(int index, const QString &text)
{
    if (!ValidIndex(index))
        return;
    const QByteArray bytes = FitToField(text);
    char *target = m_fields[index];
    std::memset(target, 0, FieldBytes);
    std::memcpy(target, bytes.constData(), size_t(bytes.size()));
}

QByteArray SystemRecord::fieldBytes(int index) const
{
    if (!ValidIndex(index))
        return QByteArray();
    const char *source = m_fields[index];
    return QByteArray(source, int(qstrnlen(source, FieldBytes)));
}

QString SystemRecord::field(int index) const
{
    return QString::fromLocal8Bit(fieldBytes(index));
}

bool SystemRecord::operator==(const SystemRecord &other) const
{
    return std::memcmp(m_fields, other.m_fields, sizeof(m_fields)) == 0;
}
