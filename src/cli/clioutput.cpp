#include "clioutput.h"

#include <cstdio>

#include <QJsonDocument>

namespace {
void Write(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}
} // namespace

namespace CliOutput {
void Out(const QString &text)
{
    Write(stdout, text);
}

void Err(const QString &text)
{
    Write(stderr, text + QLatin1Char('\n'));
}

void Json(const QJsonArray &array)
{
    Write(stdout, QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)));
}
} // namespace CliOutput
