#pragma once
// THGridModel: the rows of a bound recordset as a read-only table model.
//
// One model row per record of the recordset, in recordset order; one model
// column per column of the inner grid, each naming a recordset field (its
// DataField).  Cells are read with Recordset::ValueAt, so only the rows a
// view asks for are ever read and the recordset's cursor never moves.
//
// The model keeps no copy of the data.  It follows its recordset through
// reset(): a new recordset, a requery (new bookmark generation) or a new row
// count all reset the model; tell it with reset() or syncWithRecordset().

#include "platform/dao/dao.h"

#include <QAbstractTableModel>
#include <QString>

#include <vector>

class THGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Roles {
        BookmarkRole = Qt::UserRole + 1,   // platform::dao::Bookmark of the row
        ValueRole,                         // the raw field value (Null = invalid QVariant)
    };

    explicit THGridModel(QObject* parent = nullptr);

    void setRecordset(platform::dao::RecordsetPtr rs);
    platform::dao::RecordsetPtr recordset() const { return m_rs; }

    // Resets when the recordset's rows are no longer those the model shows
    // (another generation or another count); returns true when it reset.
    bool syncWithRecordset();

    // Columns of the inner grid (Columns.Add / Remove / DataField).
    void insertGridColumn(int index, const QString& dataField, int alignment);
    void removeGridColumn(int index);
    void setDataField(int column, const QString& dataField);
    QString dataField(int column) const;
    void setAlignment(int column, int alignment);
    int gridColumnCount() const { return static_cast<int>(m_columns.size()); }

    // The text of a cell as the grid shows it ("" for Null or an unknown field).
    QString cellText(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Text of a field value as the grid writes it.
    static QString textOf(const QVariant& value, int fieldType);

private:
    struct Column {
        QString dataField;
        int alignment = 0;
        int fieldIndex = -2;   // -2 not resolved yet, -1 unknown field
    };
    int fieldIndexOf(const Column& c) const;
    void resolveFields();

    platform::dao::RecordsetPtr m_rs;
    std::vector<Column> m_columns;
    long m_rows = 0;
    std::uint64_t m_generation = 0;
};
