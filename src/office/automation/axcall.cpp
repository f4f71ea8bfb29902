#include "office/automation/axcall.h"

#include <cstring>

#include <QSet>

namespace {

// Parameter types of the signatures; anything else in a parameter list is a value.
bool IsTypeName(const QByteArray &token)
{
    static const QSet<QByteArray> types = {
        "int",       "uint",        "unsigned",     "long",        "short",           "bool",
        "double",    "float",       "qlonglong",    "qulonglong",  "QString",         "QVariant",
        "Variant",   "QStringList", "QVariantList", "QVariantMap", "QList<QVariant>", "QByteArray",
        "QDate",     "QDateTime",   "QTime",        "QColor",      "QAxObject",       "AxObject",
        "IDispatch", "IUnknown"};
    return types.contains(token);
}

// The type of a parameter such as "const QString&" or "bool Visible", or empty for a value.
bool IsPlaceholder(QByteArray param)
{
    if (param.startsWith("const "))
        param = param.mid(6).trimmed();
    param.replace('&', ' ').replace('*', ' ');
    const int space = param.indexOf(' ');
    return IsTypeName(space < 0 ? param : param.left(space));
}

QVariant LiteralValue(const QByteArray &text)
{
    bool ok = false;
    const int integer = text.toInt(&ok);
    if (ok)
        return integer;
    const double number = text.toDouble(&ok);
    if (ok)
        return number;
    if (text == "true" || text == "false")
        return text == "true";
    if (text.size() >= 2 && text.startsWith('"') && text.endsWith('"'))
        return QString::fromUtf8(text.mid(1, text.size() - 2));
    return QString::fromLatin1(text); // a constant's name
}

QList<QByteArray> SplitParameters(const QByteArray &list)
{
    QList<QByteArray> params;
    int depth = 0;
    int start = 0;
    for (int i = 0; i <= list.size(); ++i) {
        const char c = i < list.size() ? list.at(i) : ',';
        if (c == '<')
            ++depth;
        else if (c == '>')
            --depth;
        else if (c == ',' && depth == 0) {
            params << list.mid(start, i - start).trimmed();
            start = i + 1;
        }
    }
    if (params.size() == 1 && (params.first().isEmpty() || params.first() == "void"))
        params.clear();
    return params;
}

} // namespace

AxCall::AxCall(Kind kind, const QByteArray &member, const QVariantList &args)
    : m_kind(kind)
    , m_member(member)
    , m_signature(member)
    , m_args(args)
{}

AxCall AxCall::fromSignature(const char *signature, const QVariantList &given)
{
    AxCall call;
    call.m_signature = QByteArray(signature).trimmed();
    const int open = call.m_signature.indexOf('(');
    if (open < 0) {
        call.m_member = call.m_signature;
        call.m_args = given;
        return call;
    }
    call.m_member = call.m_signature.left(open).trimmed();
    int close = call.m_signature.lastIndexOf(')');
    if (close < open)
        close = call.m_signature.size();
    int next = 0;
    for (const QByteArray &param :
         SplitParameters(call.m_signature.mid(open + 1, close - open - 1))) {
        if (IsPlaceholder(param))
            call.m_args << given.value(next++);
        else
            call.m_args << LiteralValue(param);
    }
    // Arguments beyond the parameter list are passed on; missing trailing ones are left out.
    while (next < given.size())
        call.m_args << given.at(next++);
    while (!call.m_args.isEmpty() && !call.m_args.last().isValid())
        call.m_args.removeLast();
    return call;
}

bool AxCall::is(const char *name) const
{
    return qstricmp(m_member.constData(), name) == 0;
}
