#include "gui/pages/qmysqltablemodel.h"

QMySqlTableModel::QMySqlTableModel(QObject *parent, QSqlDatabase db)
    : QSqlTableModel(parent, db)
{}

QVariant QMySqlTableModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return QSqlTableModel::data(index, role);
}
