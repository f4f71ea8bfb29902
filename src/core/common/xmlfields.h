#pragma once

#include <cstddef>
#include <type_traits>
#include <variant>

#include <QDomDocument>
#include <QDomElement>
#include <QString>

#include "core/common/xmlfile.h"

// An entity lists its XML fields once, in a table of tag and member; the same table writes
// and reads them with the XML field functions, the member's type choosing the number format.
namespace XmlFields {

// A double kept inside another value of the entity, such as one coordinate of a point.
template <class Entity>
struct Accessor
{
    double (*get)(const Entity &);
    void (*set)(Entity &, double);
};

template <class Entity>
struct Field
{
    const char *tag;
    std::variant<QString Entity::*, int Entity::*, float Entity::*, double Entity::*,
                 Accessor<Entity>>
        member;
};

namespace Detail {
inline void AppendValue(QDomDocument &document, QDomElement &parent, const QString &tag,
                        const QString &value)
{
    XmlFile::AppendXmlText(document, parent, tag, value);
}
inline void AppendValue(QDomDocument &document, QDomElement &parent, const QString &tag, int value)
{
    XmlFile::AppendXmlInt(document, parent, tag, value);
}
inline void AppendValue(QDomDocument &document, QDomElement &parent, const QString &tag,
                        float value)
{
    XmlFile::AppendXmlFloat(document, parent, tag, value);
}
inline void AppendValue(QDomDocument &document, QDomElement &parent, const QString &tag,
                        double value)
{
    XmlFile::AppendXmlDouble(document, parent, tag, value);
}

inline void ReadValue(const QDomElement &parent, const QString &tag, QString &value)
{
    XmlFile::ReadXmlText(parent, tag, value);
}
inline void ReadValue(const QDomElement &parent, const QString &tag, int &value)
{
    XmlFile::ReadXmlInt(parent, tag, value);
}
inline void ReadValue(const QDomElement &parent, const QString &tag, float &value)
{
    XmlFile::ReadXmlFloat(parent, tag, value);
}
inline void ReadValue(const QDomElement &parent, const QString &tag, double &value)
{
    XmlFile::ReadXmlDouble(parent, tag, value);
}
} // namespace Detail

// Appends one child element per field, in table order.
template <class Entity>
void Append(QDomDocument &document, QDomElement &parent, const Entity &entity,
            const Field<Entity> *fields, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const QString tag = QString::fromLatin1(fields[i].tag);
        std::visit(
            [&](auto member) {
                if constexpr (std::is_same_v<decltype(member), Accessor<Entity>>)
                    Detail::AppendValue(document, parent, tag, member.get(entity));
                else
                    Detail::AppendValue(document, parent, tag, entity.*member);
            },
            fields[i].member);
    }
}

// Reads each field from the first descendant of its tag; a missing or empty number element
// leaves the field as it is.
template <class Entity>
void Read(const QDomElement &parent, Entity &entity, const Field<Entity> *fields, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const QString tag = QString::fromLatin1(fields[i].tag);
        std::visit(
            [&](auto member) {
                if constexpr (std::is_same_v<decltype(member), Accessor<Entity>>) {
                    double value = member.get(entity);
                    if (XmlFile::ReadXmlDouble(parent, tag, value))
                        member.set(entity, value);
                } else {
                    Detail::ReadValue(parent, tag, entity.*member);
                }
            },
            fields[i].member);
    }
}

} // namespace XmlFields
