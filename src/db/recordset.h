#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "db/query.h"

namespace orbadil::db {

// A screen's editable result: the statement's rows held in memory, a current row, and the
// browse / insert / edit states. Changes are written back through the table's own insert and
// update statements. Bound widgets and grids follow it through its signals.
class RecordSet : public QObject {
    Q_OBJECT

  public:
    enum class State { Closed, Browse, Insert, Edit };

    explicit RecordSet(QString connection = Connections::mainConnection(),
                       QObject* parent = nullptr);

    // The statement, built line by line as with Query.
    void clear();
    RecordSet& add(const QString& line);
    QStringList lines() const { return lines_; }
    QString sql() const { return lines_.join(u'\n'); }
    void setParam(const QString& name, const QVariant& value);

    // The table rows are written to; keyAssigned: the insert leaves the key to the database.
    void setTable(const QString& table, const QString& keyField, bool keyAssigned = false);
    const QString& table() const { return table_; }
    const QString& keyField() const { return keyField_; }

    // Runs the statement and reads every row; the first becomes current. A failure throws
    // and leaves the set closed.
    void open();
    void close();
    bool isOpen() const { return state_ != State::Closed; }
    bool canModify() const { return isOpen() && !table_.isEmpty(); }

    State state() const { return state_; }
    bool isEditing() const { return state_ == State::Insert || state_ == State::Edit; }

    // A new row after the last, holding the defaults; it becomes current.
    void append(const QVariantMap& defaults = {});
    void edit();
    // Writes the row being inserted or edited. On failure it throws and the row keeps its
    // state and values.
    void post();
    void cancel();

    int rowCount() const { return int(rows_.size()); }
    bool isEmpty() const { return rows_.isEmpty(); }
    int currentRow() const { return current_; }
    bool atFirst() const { return current_ <= 0; }
    bool atLast() const { return current_ >= rowCount() - 1; }
    void first() { moveTo(0); }
    void prior() { moveTo(current_ - 1); }
    void next() { moveTo(current_ + 1); }
    void last() { moveTo(rowCount() - 1); }
    // Moving is refused while a row is being inserted or edited.
    void moveTo(int row);

    QStringList fieldNames() const { return fields_; }
    int fieldIndex(const QString& field) const;  // -1 when absent; case is ignored
    bool hasField(const QString& field) const { return fieldIndex(field) >= 0; }
    QVariant value(const QString& field) const;  // the current row; null when none
    QVariant value(int row, int column) const;
    QString text(const QString& field) const;
    // Only while inserting or editing; texts longer than their column are cut to its width.
    void setValue(const QString& field, const QVariant& value);

  signals:
    void stateChanged();
    void rowsReset();           // opened, closed or read again
    void rowInserted(int row);  // append
    void rowRemoved(int row);   // a cancelled insert
    void rowChanged(int row);   // values of one row changed
    void currentChanged();      // another row is current (or the same one after a reset)

  private:
    void setState(State state);
    int requireField(const QString& field) const;
    QVariant fitted(int column, const QVariant& value) const;
    QList<int> writableColumns() const;
    void writeInsert();
    void writeUpdate();
    Query writer() const;

    QString connection_;
    QStringList lines_;
    QList<std::pair<QString, QVariant>> params_;
    QString table_, keyField_;
    bool keyAssigned_ = false;

    QStringList fields_;
    QList<QVariantList> rows_;
    int current_ = -1;
    State state_ = State::Closed;
    QVariantList saved_;  // the row as it was before edit()
    int previous_ = -1;   // the current row before append()
};

}  // namespace orbadil::db
