#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariantList>
#include <functional>
#include <memory>

// One result set read forwards, row by row.
class SharedRecordSet {
public:
    bool open(const QString &sql, const QVariantList &bindValues = {});
    void close();
    bool isOpen() const { return m_query != nullptr; }
    bool eof() const;
    void moveNext();
    QVariant value(const QString &column) const; // case-insensitive column name

private:
    friend class SharedConnection;
    QSqlDatabase m_db;
    std::unique_ptr<QSqlQuery> m_query;
};

// The process-wide connection with its ten record-set slots. Editors reopen it at load to
// fill their lists and read the record they edit; each reopening releases the previous one.
class SharedConnection {
public:
    static constexpr int kSlots = 10;

    static void open();
    static SharedRecordSet &slot(int index); // 0..9
    static QSqlDatabase database();

    // Opens a slot with the query and returns one column of every row, blanks trimmed.
    static QStringList readList(int slotIndex, const QString &sql, const QString &column,
                                const QVariantList &bindValues = {});
};

// Replaces the shared connection and its ten slots.
void OpenSharedConnection();

// A short-lived connection that fills a tree: it opens, reads the query's rows in order and
// closes again. Rows are handed out as records with case-insensitive column lookup.
class TreeLoaderConnection {
public:
    using RowHandler = std::function<void(const QSqlRecord &row)>;
    // Returns the number of rows read, or -1 when the query failed (reported).
    static int load(const QString &sql, const RowHandler &handler,
                    const QVariantList &bindValues = {});
};
