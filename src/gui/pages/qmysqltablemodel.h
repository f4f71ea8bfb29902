#pragma once

#include <QSqlTableModel>

// The table model of the pages: a QSqlTableModel whose cells are all centred.
class QMySqlTableModel : public QSqlTableModel
{
    Q_OBJECT

public:
    explicit QMySqlTableModel(QObject *parent = nullptr, QSqlDatabase db = QSqlDatabase());

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
};
