#include "gui/shell/qtableshow.h"

#include <QHBoxLayout>
#include <QIcon>

#include "gui/pages/pagefactory.h"
#include "gui/pages/qpagechild.h"

namespace {
struct PageLook
{
    const char *icon;
    const char *title;
};

const PageLook kPageLooks[] = {
    {":/ToolBarRes/Images/MainFrame/ProjectManager.png",
     QT_TRANSLATE_NOOP("QTableShow", "Project details list")},
    {":/ToolBarRes/Images/MainFrame/VedioManager.png",
     QT_TRANSLATE_NOOP("QTableShow", "Video manager list")},
    {":/ToolBarRes/Images/MainFrame/Report.png",
     QT_TRANSLATE_NOOP("QTableShow", "Report generator list")},
};
} // namespace

QTableShow::QTableShow(int type, QWidget *parent)
    : QPageShow(type, parent)
{
    setWindowTitle(QStringLiteral("UnifiedTitle"));
    CreateChild(type);
}

QTableShow::~QTableShow()
{
    ReleaseChild();
}

void QTableShow::ReleaseChild()
{
    if (!m_pPage)
        return;
    m_pPage->ClearTable();
    delete m_pPage;
    m_pPage = nullptr;
}

int QTableShow::ChildType() const
{
    return m_pPage ? m_pPage->type() : -1;
}

void QTableShow::RefreshChild()
{
    if (m_pPage)
        m_pPage->updatePage();
}

void QTableShow::CreateChild(int type)
{
    if (!m_pPage && type >= 0 && type < int(std::size(kPageLooks))) {
        m_pPage = Pages::CreatePageOfType(type, parentWidget());
        if (m_pPage) {
            auto *layout = new QHBoxLayout(this);
            layout->setContentsMargins(0, 0, 0, 0);
            layout->addWidget(m_pPage);
            setWindowTitle(tr(kPageLooks[type].title));
            setWindowIcon(QIcon(QString::fromLatin1(kPageLooks[type].icon)));
            m_pPage->updatePage(); // a new page fetches its first rows once it is placed
        }
    }
    setWindowState(windowState() | Qt::WindowMaximized);
}
