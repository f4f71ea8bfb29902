#include "pagefactory.h"

#include "qpagedefectinfo.h"
#include "qpageprojectinfo.h"
#include "qpagevedioinfo.h"

QPageChild *CreatePageOfType(int type, QWidget *parent)
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
