#include "gui/chrome/stylesheet.h"

#include <QFile>
#include <QWidget>

#include "core/common/debuglog.h"

bool StyleSheet::AppendStyleSheetFile(QWidget *widget, const QString &path)
{
    if (!widget)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        TQ_LOG << "cannot open style sheet" << path << "----";
        return false;
    }
    QByteArray bytes = file.readAll();
    file.close();
    // The sheet ends at the first zero byte, as a C string would.
    const int zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    widget->setStyleSheet(widget->styleSheet() + QString::fromUtf8(bytes));
    return true;
}

bool StyleSheet::AppendStyleSheet(QWidget *widget, const QString &path)
{
    if (!widget)
        return false;
    const QString suffix = path.right(4);
    if (suffix != QLatin1String(".css") && suffix != QLatin1String(".CSS")) {
        TQ_LOG << "not a style sheet:" << path << "----";
        return false;
    }
    return StyleSheet::AppendStyleSheetFile(widget, path);
}
