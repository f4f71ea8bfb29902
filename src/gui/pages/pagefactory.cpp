#include "gui/pages/pagefactory.h"

#include "gui/pages/qpagedefectinfo.h"
#include "gui/pages/qpageprojectinfo.h"
#include "gui/pages/qpagevedioinfo.h"

QPageChild *Pages::CreatePageOfType(int type, QWidget *parent)
{
    switch (type) {
    case 0:
        return new QPageProjectInfo(parent);
    case 1:
        return new QPageVedioInfo(parent);
    case 2:
        return new QPageDefectInfo(parent);
    default:
        return nullptr;
    }
}
