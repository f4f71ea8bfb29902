#pragma once

#include <QJsonArray>
#include <QString>

// Standard output and error of the command-line tool, always UTF-8.
namespace CliOutput {
void Out(const QString &text);
void Err(const QString &text); // one line; the newline is added
void Json(const QJsonArray &array);
} // namespace CliOutput
