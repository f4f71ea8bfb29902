#pragma once

#include <QCoreApplication>
#include <QString>

// The column titles and SQL column names of one table of the project database; column i
// is column i of the table. One process-wide instance per table, created on first use.
class QManageInterface
{
public:
    virtual ~QManageInterface() = default;

    // The title of column i in the chosen language; empty outside 0..nColumnCount-1.
    virtual QString HeaderTitle(int i) = 0;
    // The SQL column name of column i; empty outside 0..nColumnCount-1.
    virtual QString ColumnName(int i) = 0;

    // The description of a page type (0 projects, 1 videos, 2 defects); null otherwise.
    static QManageInterface *ForType(int type);

    int nColumnCount = 0;

protected:
    explicit QManageInterface(int columnCount)
        : nColumnCount(columnCount)
    {}
    // The title of column i in the chosen language: the translated source text in Chinese,
    // the English table otherwise; the empty text outside the tables.
    QString TitleAt(const char *const *titles, const char *const *english, const char *context,
                    int i) const;
    QString NameAt(const char *const *names, int i) const;
};

class QProjectInfoManage : public QManageInterface
{
    Q_DECLARE_TR_FUNCTIONS(QProjectInfoManage)

public:
    static QProjectInfoManage *GetInstance();
    QString HeaderTitle(int i) override;
    QString ColumnName(int i) override;

private:
    QProjectInfoManage();
};

class QVedioInfoManage : public QManageInterface
{
    Q_DECLARE_TR_FUNCTIONS(QVedioInfoManage)

public:
    static QVedioInfoManage *GetInstance();
    QString HeaderTitle(int i) override;
    QString ColumnName(int i) override;

private:
    QVedioInfoManage();
};

class QDefectInfoManage : public QManageInterface
{
    Q_DECLARE_TR_FUNCTIONS(QDefectInfoManage)

public:
    static QDefectInfoManage *GetInstance();
    QString HeaderTitle(int i) override;
    QString ColumnName(int i) override;

private:
    QDefectInfoManage();
};
