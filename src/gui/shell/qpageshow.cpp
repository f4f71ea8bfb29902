#include "gui/shell/qpageshow.h"

QPageShow::QPageShow(int type, QWidget *parent)
    : QWidget(parent)
    , m_nType(type)
{}
