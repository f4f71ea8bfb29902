#pragma once

#include <QWidget>

class QPageChild;

// The host of one table page inside an MDI sub-window. The base hosts nothing; QTableShow
// hosts a table page.
class QPageShow : public QWidget
{
    Q_OBJECT

public:
    explicit QPageShow(int type, QWidget *parent = nullptr);

    int PageType() const { return m_nType; }

    virtual void ReleaseChild() {}
    virtual int ChildType() const { return -1; }
    virtual QPageChild *Child() const { return nullptr; }
    virtual void RefreshChild() {}
    virtual void CreateChild(int /*type*/) {}

private:
    int m_nType;
};
