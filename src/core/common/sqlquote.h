#pragma once

#include <QString>

namespace SqlText {

// The one SQL quoting helper: a text literal in single quotes with every apostrophe doubled.
// Values that are not bound go through it, so 人民路'东段 never breaks a statement.
QString SqlQuote(const QString &value);

} // namespace SqlText
