#include "gui/pages/projectnamelabel.h"

#include <QLabel>

#include "gui/chrome/displayscale.h"

QLabel *Pages::CreateProjectNameLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("projectLabel"));
    label->setStyleSheet(QStringLiteral(
        "QLabel{font-weight:bold;background-color:rgb(191,182,54);border-radius: 10px;"
        "border: 0px;border-style: outset;}"));
    label->setMinimumWidth(Display::ScaledPixels(200));
    label->setFixedHeight(Display::ScaledPixels(30));
    label->setAlignment(Qt::AlignCenter);
    return label;
}
