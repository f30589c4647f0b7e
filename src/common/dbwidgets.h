#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTableView>
#include <functional>

#include "db/recordset.h"

namespace orbadil {

// Ties one widget to one field of a record set: the widget shows the current row's value and
// writes what the user changes, but only while the row is being inserted or edited.
class FieldLink : public QObject {
  public:
    FieldLink(QWidget* widget, db::RecordSet* set, QString field, std::function<void()> refresh);
    bool editable() const { return set_ && set_->isEditing() && set_->hasField(field_); }
    QVariant value() const { return set_ ? set_->value(field_) : QVariant(); }
    void write(const QVariant& value);
    const QString& field() const { return field_; }

  private:
    QPointer<db::RecordSet> set_;
    QString field_;
};

class DbEdit : public QLineEdit {
  public:
    explicit DbEdit(QWidget* parent = nullptr);
    // upperCase: letters typed are stored in capitals.
    void bind(db::RecordSet* set, const QString& field, bool upperCase = false);

  private:
    void refresh();
    FieldLink* link_ = nullptr;
};

class DbMemo : public QPlainTextEdit {
  public:
    explicit DbMemo(QWidget* parent = nullptr);
    void bind(db::RecordSet* set, const QString& field);

  private:
    void refresh();
    FieldLink* link_ = nullptr;
    bool loading_ = false;
};

// Stores one value when checked and another when not ("INATIVO" / "ATIVO", "SIM" / "NAO").
class DbCheckBox : public QCheckBox {
  public:
    explicit DbCheckBox(const QString& caption, QWidget* parent = nullptr);
    void bind(db::RecordSet* set, const QString& field, const QString& checkedValue,
              const QString& uncheckedValue);

  protected:
    void nextCheckState() override;

  private:
    void refresh();
    FieldLink* link_ = nullptr;
    QString checked_, unchecked_;
};

// A drop-down list that shows names and stores the chosen key.
class DbLookupCombo : public QComboBox {
  public:
    explicit DbLookupCombo(QWidget* parent = nullptr);
    void bind(db::RecordSet* set, const QString& field);
    // The list read from a statement: one entry per row, its key and the text shown, and
    // optionally a further field each entry keeps (a description), read with extra().
    void loadList(const db::Query& statement, const QString& keyField, const QString& textField,
                  const QString& extraField = {});
    QString extra() const;
    // A fixed list whose texts are the stored values.
    void setValues(const QStringList& values);
    // The chosen entry's key; null when none.
    QVariant key() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void refresh();
    bool editable() const { return !link_ || link_->editable(); }
    FieldLink* link_ = nullptr;
    bool loading_ = false;
};

// One column of a grid: its title and either a field or a value computed for a row.
struct GridColumn {
    QString title = {};
    QString field = {};
    std::function<QVariant(const db::RecordSet&, int row)> compute = {};
    QString sortField = {};  // what a click on the title orders by, when not the field
    bool greyed = false;     // the key column
    bool hidden = false;
};

// A read-only grid of every row of a record set. Its current row follows the set's, and
// choosing a row moves the set, unless a row is being inserted or edited.
class DbGrid : public QTableView {
    Q_OBJECT

  public:
    explicit DbGrid(QWidget* parent = nullptr);
    void bind(db::RecordSet* set, const QList<GridColumn>& columns);
    const QList<GridColumn>& columns() const;
    // Draws one column in the tooltip colour, the others in the window colour; -1: none.
    void markColumn(int column);

  signals:
    void titleClicked(int column);
    void activated();  // Enter or a double click on a row

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void followSet();
    void fitColumns();
    class Model;
    Model* model_ = nullptr;
    QPointer<db::RecordSet> set_;
};

}  // namespace orbadil
