#include "bounddatasource.h"

#include "database.h"
#include "dataerrors.h"
#include "sqlitecursor.h"
#include "values.h"

#include <QRegularExpression>
#include <QSqlError>

namespace {

const QString kRowid = QStringLiteral("__rowid__");

QString quoted(const QString &identifier) {
    return QLatin1Char('"') + QString(identifier).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

bool isTableName(const QString &source) {
    static const QRegularExpression identifier(QStringLiteral("^\\s*\\[?\\w+\\]?\\s*$"));
    return identifier.match(source).hasMatch();
}

QString tableOfSelect(const QString &sql) {
    static const QRegularExpression from(QStringLiteral("\\bfrom\\s+\\[?(\\w+)\\]?"),
                                         QRegularExpression::CaseInsensitiveOption);
    return from.match(sql).captured(1);
}

} // namespace

BoundDataSource::BoundDataSource(QObject *parent) : QAbstractTableModel(parent) {}

BoundDataSource::~BoundDataSource() {
    closeCursor();
    m_plans.clear();
    if (m_reader.isValid())
        database::release(m_reader);
}

void BoundDataSource::setRecordSource(const QString &source, const QVariantList &bindValues) {
    m_source = source;
    m_bind = bindValues;
}

bool BoundDataSource::fail(const QString &message) {
    dataerrors::report(message);
    return false;
}

bool BoundDataSource::open() {
    if (!m_reader.isValid())
        m_reader = database::connect();
    if (!m_reader.isOpen())
        return fail(QStringLiteral("无法打开数据库：%1").arg(m_reader.lastError().text()));
    return runSource();
}

bool BoundDataSource::refresh() {
    return open();
}

// Finishing the cursor ends its read of the file; the statement stays prepared for a refresh.
void BoundDataSource::closeCursor() {
    if (m_cursor)
        m_cursor->finish();
    m_cursor = nullptr;
}

// How a record source is read: worked out and prepared once, used by every refresh.
const BoundDataSource::Plan &BoundDataSource::planFor(const QString &source) {
    const bool tableSource = m_commandKind == CommandKind::Table ||
                             (m_commandKind != CommandKind::Text && isTableName(source));
    const QString key = QString::number(int(tableSource)) + source;
    auto found = m_plans.find(key);
    if (found != m_plans.end())
        return found->second;

    Plan plan;
    QString tableName = tableSource ? source.trimmed() : tableOfSelect(source);
    tableName.remove(QLatin1Char('[')).remove(QLatin1Char(']'));
    plan.table = schema::findTable(tableName);
    QString select;
    QString count;
    if (tableSource) {
        select = QStringLiteral("SELECT rowid AS %1, * FROM %2").arg(kRowid, quoted(tableName));
        count = QStringLiteral("SELECT count(*) FROM %1").arg(quoted(tableName));
    } else {
        static const QRegularExpression head(QStringLiteral("^\\s*select\\s+(?!distinct\\b)"),
                                             QRegularExpression::CaseInsensitiveOption);
        select = source;
        if (plan.table)
            select.replace(
                head,
                QStringLiteral("SELECT %1.rowid AS %2, ").arg(quoted(plan.table->name), kRowid));
        count = QStringLiteral("SELECT count(*) FROM (%1)").arg(source);
    }
    plan.count = std::make_unique<SqliteCursor>(m_reader, count);
    plan.rows = std::make_unique<SqliteCursor>(m_reader, select);

    const int columns = plan.rows->columnCount();
    plan.hasRowid = columns > 0 && plan.rows->columnName(0) == kRowid;
    if (!plan.hasRowid)
        plan.table = nullptr; // not a plain select from one table: read only
    for (int i = plan.hasRowid ? 1 : 0; i < columns; ++i) {
        const QString name = plan.rows->columnName(i);
        plan.fields << name;
        const schema::Column *c = plan.table ? schema::findColumn(*plan.table, name) : nullptr;
        plan.fieldColumn << (c ? int(c - plan.table->columns.constData()) : -1);
    }
    return m_plans.emplace(key, std::move(plan)).first->second;
}

bool BoundDataSource::runSource() {
    beginResetModel();
    closeCursor();
    m_rows.clear();
    m_tail.clear();
    m_insertedIds.clear();
    m_edits.clear();
    m_unfetched = 0;
    m_current = -1;
    m_open = false;

    const Plan &plan = planFor(m_source);
    m_table = plan.table;
    m_fields = plan.fields;
    m_fieldColumn = plan.fieldColumn;
    m_hasRowid = plan.hasRowid;

    SqliteCursor &counter = *plan.count;
    bool ok = counter.exec(m_bind) && counter.next();
    const int total = ok ? counter.value(0).toInt() : 0;
    counter.finish();

    m_cursor = plan.rows.get();
    ok = ok && m_cursor->exec(m_bind);
    if (!ok) {
        const QString error = counter.error().isEmpty() ? m_cursor->error() : counter.error();
        closeCursor();
        endResetModel();
        return fail(QStringLiteral("读取数据失败：%1").arg(error));
    }
    m_unfetched = total;
    m_open = true;
    fetchBlock();
    endResetModel();
    setCurrent(recordCount() > 0 ? 0 : -1);
    return true;
}

bool BoundDataSource::connectWriter() {
    const QSqlDatabase db = database::writer();
    return db.isOpen() || fail(QStringLiteral("无法打开数据库：%1").arg(db.lastError().text()));
}

bool BoundDataSource::fetchBlock() {
    if (!m_cursor || m_unfetched <= 0)
        return false;
    const int offset = m_hasRowid ? 1 : 0;
    QVector<Row> block;
    block.reserve(std::min(kBlockSize, m_unfetched));
    // The count taken at opening is what the list holds: rows others add later wait for a
    // refresh.
    while (block.size() < kBlockSize && m_unfetched > 0) {
        if (!m_cursor->next()) {
            m_unfetched = 0;
            break;
        }
        Row row;
        row.rowid = m_hasRowid ? m_cursor->value(0).toLongLong() : 0;
        if (row.rowid && m_insertedIds.contains(row.rowid))
            continue; // written from this source's own added rows, already listed
        row.values.reserve(m_fields.size());
        for (int i = 0; i < m_fields.size(); ++i)
            row.values << m_cursor->value(i + offset);
        block << std::move(row);
        --m_unfetched;
    }
    if (m_unfetched == 0)
        closeCursor();
    if (block.isEmpty())
        return false;
    const bool resetting = !m_open || m_rows.isEmpty();
    const int first = m_rows.size();
    const int added = block.size();
    const bool insertSignals = !resetting || m_current >= 0;
    if (insertSignals)
        beginInsertRows({}, first, first + added - 1);
    m_rows.append(std::move(block));
    if (insertSignals)
        endInsertRows();
    if (m_current >= first) { // the current row is an added one: it moved down
        m_current += added;
        emit currentRowChanged(m_current);
    }
    return true;
}

void BoundDataSource::fetchUntil(int row) {
    while (row >= m_rows.size() && m_unfetched > 0 && fetchBlock()) {
    }
}

BoundDataSource::Row *BoundDataSource::rowAt(int row) {
    if (row < 0)
        return nullptr;
    if (row < m_rows.size())
        return &m_rows[row];
    row -= m_rows.size();
    return row < m_tail.size() ? &m_tail[row] : nullptr;
}

const BoundDataSource::Row *BoundDataSource::rowAt(int row) const {
    return const_cast<BoundDataSource *>(this)->rowAt(row);
}

int BoundDataSource::recordCount() const {
    return m_rows.size() + m_unfetched + m_tail.size();
}

void BoundDataSource::setCurrent(int row) {
    m_edits.clear();
    m_current = row;
    emit currentRowChanged(row);
}

bool BoundDataSource::moveTo(int row) {
    if (row == m_current && !eof())
        return true;
    emit aboutToWrite();
    if (isDirty() || (rowAt(m_current) && rowAt(m_current)->rowid == 0 && m_table)) {
        if (!writeEdits())
            return false;
    }
    fetchUntil(row);
    setCurrent(rowAt(row) ? row : -1);
    return !eof();
}

bool BoundDataSource::moveFirst() {
    if (recordCount() == 0) {
        setCurrent(-1);
        return false;
    }
    return moveTo(0);
}

bool BoundDataSource::moveNext() {
    if (eof())
        return false;
    if (m_current + 1 == m_rows.size())
        fetchUntil(m_current + 1);
    return moveTo(m_current + 1);
}

bool BoundDataSource::find(const QString &column, const QVariant &value) {
    const int field = fieldIndex(column);
    if (field < 0)
        return fail(QStringLiteral("找不到字段 %1").arg(column));
    if (eof())
        return false;
    emit aboutToWrite();
    if (isDirty() && !writeEdits())
        return false;
    const QString wanted = value.toString();
    for (int row = m_current;; ++row) {
        fetchUntil(row);
        const Row *r = rowAt(row);
        if (!r)
            break;
        const QString text = values::displayText(fieldKind(field), r->values.value(field));
        if (text.compare(wanted, Qt::CaseInsensitive) == 0 && !r->values.value(field).isNull()) {
            setCurrent(row);
            return true;
        }
    }
    setCurrent(-1);
    return false;
}

bool BoundDataSource::addNew() {
    if (!m_open)
        return fail(QStringLiteral("数据源尚未打开"));
    if (!m_table)
        return fail(QStringLiteral("此列表不能添加记录"));
    emit aboutToWrite();
    if (rowAt(m_current) && (isDirty() || rowAt(m_current)->rowid == 0) && !writeEdits())
        return false;
    Row row;
    for (int i = 0; i < m_fields.size(); ++i)
        row.values << QVariant();
    const int index = m_rows.size() + m_tail.size();
    beginInsertRows({}, index, index);
    m_tail << row;
    endInsertRows();
    setCurrent(index);
    return true;
}

bool BoundDataSource::update() {
    emit aboutToWrite();
    if (eof())
        return fail(QStringLiteral("没有当前记录，无法保存。"));
    return writeEdits();
}

bool BoundDataSource::writeEdits() {
    Row *row = rowAt(m_current);
    if (!row)
        return true;
    if (!m_table)
        return isDirty() ? fail(QStringLiteral("此列表的数据不能在这里修改。")) : true;

    QStringList columns;
    QVariantList stored;
    QVector<int> fields;
    for (auto it = m_edits.cbegin(); it != m_edits.cend(); ++it) {
        const int col = m_fieldColumn.value(it.key(), -1);
        if (col < 0)
            return fail(QStringLiteral("“%1”不能修改。").arg(m_fields.value(it.key())));
        const schema::Column &c = m_table->columns.at(col);
        if (c.kind == schema::Kind::AutoNumber)
            continue;
        QString reason;
        const QVariant v = values::toStorage(c.kind, it.value(), &reason);
        if (!v.isValid())
            return fail(values::refusedMessage(c.label, it.value().toString(), reason));
        columns << quoted(c.name);
        stored << v;
        fields << it.key();
    }
    if (!connectWriter())
        return false;

    QString sql;
    if (row->rowid == 0 && columns.isEmpty()) {
        sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(m_table->name));
    } else if (row->rowid == 0) {
        sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (?%3)")
                  .arg(quoted(m_table->name), columns.join(QLatin1Char(',')),
                       QStringLiteral(",?").repeated(columns.size() - 1));
    } else if (!columns.isEmpty()) {
        sql = QStringLiteral("UPDATE %1 SET %2=? WHERE rowid=?")
                  .arg(quoted(m_table->name), columns.join(QStringLiteral("=?,")));
        stored << row->rowid;
    }
    if (!sql.isEmpty()) {
        QSqlQuery &q = database::writeStatement(sql);
        for (int i = 0; i < stored.size(); ++i)
            q.bindValue(i, stored.at(i));
        if (!q.exec())
            return fail(QStringLiteral("保存失败：%1").arg(q.lastError().text()));
        if (row->rowid != 0 && q.numRowsAffected() == 0)
            return fail(QStringLiteral("这条记录已被删除，修改没有保存。"));
        if (row->rowid == 0) {
            row->rowid = q.lastInsertId().toLongLong();
            m_insertedIds.insert(row->rowid);
        }
    }
    // The row now holds what was written; the key column of a new row is its rowid.
    for (int i = 0; i < fields.size(); ++i)
        row->values[fields.at(i)] = stored.at(i);
    for (int field = 0; field < m_fields.size(); ++field) {
        if (fieldKind(field) == schema::Kind::AutoNumber)
            row->values[field] = row->rowid;
    }
    m_edits.clear();
    emit dataChanged(index(m_current, 0), index(m_current, columnCount() - 1));
    return true;
}

bool BoundDataSource::deleteCurrent() {
    Row *row = rowAt(m_current);
    if (!row)
        return fail(QStringLiteral("没有当前记录，无法删除。"));
    if (!m_table)
        return fail(QStringLiteral("此列表的记录不能在这里删除。"));
    if (row->rowid != 0) {
        if (!connectWriter())
            return false;
        QSqlQuery &q = database::writeStatement(
            QStringLiteral("DELETE FROM %1 WHERE rowid=?").arg(quoted(m_table->name)));
        q.bindValue(0, row->rowid);
        if (!q.exec())
            return fail(QStringLiteral("删除失败：%1").arg(q.lastError().text()));
    }
    const int at = m_current;
    beginRemoveRows({}, at, at);
    if (at < m_rows.size())
        m_rows.remove(at);
    else
        m_tail.remove(at - m_rows.size());
    endRemoveRows();
    fetchUntil(at);
    const int count = m_rows.size() + m_tail.size();
    setCurrent(count == 0 ? -1 : std::min(at, count - 1));
    return true;
}

int BoundDataSource::fieldIndex(const QString &column) const {
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields.at(i).compare(column, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

schema::Kind BoundDataSource::fieldKind(int index) const {
    const int col = m_fieldColumn.value(index, -1);
    return col < 0 ? schema::Kind::Any : m_table->columns.at(col).kind;
}

QString BoundDataSource::fieldLabel(int index) const {
    const int col = m_fieldColumn.value(index, -1);
    return col < 0 ? m_fields.value(index) : m_table->columns.at(col).label;
}

QVariant BoundDataSource::fieldValue(const QString &column) const {
    const int field = fieldIndex(column);
    const Row *row = rowAt(m_current);
    if (field < 0 || !row)
        return {};
    if (m_edits.contains(field))
        return m_edits.value(field);
    return values::fromStorage(fieldKind(field), row->values.at(field));
}

QString BoundDataSource::fieldText(const QString &column) const {
    const int field = fieldIndex(column);
    return data(index(m_current, field)).toString();
}

bool BoundDataSource::setFieldValue(const QString &column, const QVariant &value) {
    const int field = fieldIndex(column);
    if (field < 0)
        return fail(QStringLiteral("找不到字段 %1").arg(column));
    return setData(index(m_current, field), value);
}

int BoundDataSource::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_rows.size() + m_tail.size();
}

int BoundDataSource::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_fields.size();
}

QVariant BoundDataSource::data(const QModelIndex &index, int role) const {
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const Row *row = rowAt(index.row());
    if (!row || index.column() < 0 || index.column() >= m_fields.size())
        return {};
    if (index.row() == m_current && m_edits.contains(index.column()))
        return m_edits.value(index.column()).toString();
    return values::displayText(fieldKind(index.column()), row->values.at(index.column()));
}

bool BoundDataSource::setData(const QModelIndex &index, const QVariant &value, int role) {
    if (role != Qt::EditRole || !rowAt(index.row()) || index.column() < 0 ||
        index.column() >= m_fields.size())
        return false;
    if (index.row() != m_current && !moveTo(index.row()))
        return false;
    if (data(index, Qt::EditRole) == value.toString() && !m_edits.contains(index.column()))
        return true;
    m_edits.insert(index.column(), value);
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags BoundDataSource::flags(const QModelIndex &index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (m_table && fieldKind(index.column()) != schema::Kind::AutoNumber &&
        m_fieldColumn.value(index.column(), -1) >= 0)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant BoundDataSource::headerData(int section, Qt::Orientation o, int role) const {
    if (o == Qt::Horizontal && role == Qt::DisplayRole)
        return m_fields.value(section);
    return QAbstractTableModel::headerData(section, o, role);
}

bool BoundDataSource::canFetchMore(const QModelIndex &parent) const {
    return !parent.isValid() && m_unfetched > 0;
}

void BoundDataSource::fetchMore(const QModelIndex &parent) {
    if (!parent.isValid())
        fetchBlock();
}
