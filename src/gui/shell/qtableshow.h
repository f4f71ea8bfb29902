#pragma once

#include "gui/shell/qpageshow.h"

// Hosts one table page (project, video or defect page), created for the host's type.
class QTableShow : public QPageShow
{
    Q_OBJECT

public:
    explicit QTableShow(int type, QWidget *parent = nullptr);
    ~QTableShow() override;

    void ReleaseChild() override;
    int ChildType() const override;
    QPageChild *Child() const override { return m_pPage; }
    void RefreshChild() override;
    void CreateChild(int type) override;

private:
    QPageChild *m_pPage = nullptr; // owned
};
