#pragma once

#include "schema.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QVariantList>
#include <QVector>
#include <map>
#include <memory>

class SqliteCursor;

// The record set of a window: a record source (table name, or SQL with bound values), a
// current row and an edit buffer for it. Rows are read in blocks as they are needed, so a
// source over a large table opens with its first rows and an exact count only.
//
// As a table model it offers every column of the source; grids map their own columns on it.
// Changes typed into the current row wait in the edit buffer and are written by update()
// or when the current row moves. Every failure is reported through dataerrors.h.
class BoundDataSource : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class CommandKind { Text = 1, Table = 2, Unspecified = 8 };
    static constexpr int kBlockSize = 50;

    explicit BoundDataSource(QObject *parent = nullptr);
    ~BoundDataSource() override;

    // Record source: a table name, or a SELECT with '?' placeholders and their values.
    void setRecordSource(const QString &source, const QVariantList &bindValues = {});
    void setCommandKind(CommandKind kind) { m_commandKind = kind; }

    // open() and refresh() run the record source and make the first row current.
    bool open();
    bool refresh();
    bool isOpen() const { return m_open; }

    // The exact number of rows of the record set, fetched or not.
    int recordCount() const;
    // Rows read so far (the model's rows).
    int fetchedCount() const { return m_rows.size() + m_tail.size(); }

    int currentRow() const { return m_current; }
    bool eof() const { return m_current < 0; }
    bool moveTo(int row);
    bool moveFirst();
    bool moveNext();
    // Forward from the current row to the first row whose column equals value
    // (text compared without regard to case); eof() when none.
    bool find(const QString &column, const QVariant &value);

    bool addNew();
    bool update();
    bool deleteCurrent();
    bool isDirty() const { return !m_edits.isEmpty(); }

    int fieldIndex(const QString &column) const; // case-insensitive; -1 if unknown
    schema::Kind fieldKind(int index) const;
    QString fieldLabel(int index) const;
    // Current row, edit buffer included; typed values read back as typed until written.
    QVariant fieldValue(const QString &column) const;
    QString fieldText(const QString &column) const;
    bool setFieldValue(const QString &column, const QVariant &value);

    // Table model
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent = {}) const override;
    void fetchMore(const QModelIndex &parent = {}) override;

signals:
    void currentRowChanged(int row);
    // Bound editors hand over what they hold before the source writes or moves.
    void aboutToWrite();

private:
    struct Row {
        qint64 rowid = 0; // 0: added, not yet written
        QVariantList values;
    };

    bool runSource();
    void closeCursor();
    struct Plan;
    const Plan &planFor(const QString &source);
    bool fetchBlock();
    void fetchUntil(int row);
    Row *rowAt(int row);
    const Row *rowAt(int row) const;
    bool writeEdits();
    bool fail(const QString &message);
    void setCurrent(int row);

    bool connectWriter();

    // The open cursor keeps its connection inside a read transaction, so writes go through
    // the process's writer connection: written at once, never waiting for the list to be read
    // to its end.
    QSqlDatabase m_reader;
    QString m_source;
    QVariantList m_bind;
    CommandKind m_commandKind = CommandKind::Unspecified;
    const schema::Table *m_table = nullptr;
    bool m_open = false;

    struct Plan {
        const schema::Table *table = nullptr; // null: read only
        std::unique_ptr<SqliteCursor> count;
        std::unique_ptr<SqliteCursor> rows;
        bool hasRowid = false;
        QStringList fields;
        QVector<int> fieldColumn;
    };
    std::map<QString, Plan> m_plans;  // by record source, prepared on m_reader
    SqliteCursor *m_cursor = nullptr; // a plan's rows, read block by block
    bool m_hasRowid = false;
    QStringList m_fields;       // result columns, rowid excluded
    QVector<int> m_fieldColumn; // field -> index in m_table->columns, or -1
    int m_unfetched = 0;        // source rows not read yet
    QVector<Row> m_rows;        // source rows read so far
    QVector<Row> m_tail;        // rows added in this session, after the source's rows
    QSet<qint64> m_insertedIds; // written from m_tail; skipped when the cursor meets them
    int m_current = -1;
    QHash<int, QVariant> m_edits; // field -> typed value for the current row
};
