#include "common/dbwidgets.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPalette>

#include "common/formats.h"
#include "common/inputs.h"

namespace orbadil {

FieldLink::FieldLink(QWidget* widget, db::RecordSet* set, QString field,
                     std::function<void()> refresh)
    : QObject(widget), set_(set), field_(std::move(field)) {
    const auto update = [refresh] { refresh(); };
    connect(set, &db::RecordSet::currentChanged, this, update);
    connect(set, &db::RecordSet::stateChanged, this, update);
    connect(set, &db::RecordSet::rowChanged, this, [this, update](int row) {
        if (set_ && row == set_->currentRow()) update();
    });
}

void FieldLink::write(const QVariant& value) {
    if (editable()) set_->setValue(field_, value);
}

namespace {
QVariant storedText(const QString& text) {
    return text.isEmpty() ? QVariant() : QVariant(text);
}
}  // namespace

DbEdit::DbEdit(QWidget* parent) : QLineEdit(parent) {
    moveFocusOnEnter(this);
    setReadOnly(true);
}

void DbEdit::bind(db::RecordSet* set, const QString& field, bool upperCase) {
    if (upperCase) forceUpperCase(this);
    link_ = new FieldLink(this, set, field, [this] { refresh(); });
    connect(this, &QLineEdit::textEdited, link_,
            [this](const QString& text) { link_->write(storedText(text)); });
    refresh();
}

void DbEdit::refresh() {
    setReadOnly(!link_->editable());
    const QString shown = formatValue(link_->value());
    if (shown != text()) setText(shown);
}

DbMemo::DbMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setTabChangesFocus(true);
}

void DbMemo::bind(db::RecordSet* set, const QString& field) {
    link_ = new FieldLink(this, set, field, [this] { refresh(); });
    connect(this, &QPlainTextEdit::textChanged, link_, [this] {
        if (!loading_) link_->write(storedText(toPlainText()));
    });
    refresh();
}

void DbMemo::refresh() {
    setReadOnly(!link_->editable());
    const QString shown = link_->value().toString();
    if (shown == toPlainText()) return;
    loading_ = true;
    setPlainText(shown);
    loading_ = false;
}

DbCheckBox::DbCheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {}

void DbCheckBox::bind(db::RecordSet* set, const QString& field, const QString& checkedValue,
                      const QString& uncheckedValue) {
    checked_ = checkedValue;
    unchecked_ = uncheckedValue;
    link_ = new FieldLink(this, set, field, [this] { refresh(); });
    refresh();
}

void DbCheckBox::nextCheckState() {
    if (!link_ || !link_->editable()) return;
    link_->write(isChecked() ? unchecked_ : checked_);
}

void DbCheckBox::refresh() {
    setChecked(link_->value().toString().trimmed().compare(checked_, Qt::CaseInsensitive) == 0);
}

DbLookupCombo::DbLookupCombo(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (!loading_ && link_) link_->write(key());
    });
}

void DbLookupCombo::bind(db::RecordSet* set, const QString& field) {
    link_ = new FieldLink(this, set, field, [this] { refresh(); });
    refresh();
}

namespace {
constexpr int kExtraRole = Qt::UserRole + 1;
}  // namespace

void DbLookupCombo::loadList(const db::Query& statement, const QString& keyField,
                             const QString& textField, const QString& extraField) {
    db::Query list = statement;
    list.open();
    loading_ = true;
    clear();
    for (; !list.eof(); list.next()) {
        addItem(list.text(textField), list.value(keyField));
        if (!extraField.isEmpty()) setItemData(count() - 1, list.text(extraField), kExtraRole);
    }
    setCurrentIndex(-1);
    loading_ = false;
    if (link_) refresh();
}

void DbLookupCombo::setValues(const QStringList& values) {
    loading_ = true;
    clear();
    for (const QString& v : values) addItem(v, v);
    setCurrentIndex(-1);
    loading_ = false;
    if (link_) refresh();
}

QString DbLookupCombo::extra() const {
    return currentIndex() < 0 ? QString() : currentData(kExtraRole).toString();
}

QVariant DbLookupCombo::key() const {
    return currentIndex() < 0 ? QVariant() : currentData();
}

void DbLookupCombo::refresh() {
    const QVariant stored = link_->value();
    int index = -1;
    for (int i = 0; i < count() && index < 0 && !stored.isNull(); ++i)
        if (itemData(i).toString().trimmed() == stored.toString().trimmed()) index = i;
    loading_ = true;
    setCurrentIndex(index);
    loading_ = false;
}

// In browse state the list neither opens nor changes.
void DbLookupCombo::keyPressEvent(QKeyEvent* event) {
    const bool navigation = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (editable() || navigation)
        QComboBox::keyPressEvent(event);
    else
        event->ignore();
}

void DbLookupCombo::mousePressEvent(QMouseEvent* event) {
    if (editable()) QComboBox::mousePressEvent(event);
}

void DbLookupCombo::wheelEvent(QWheelEvent* event) {
    if (editable()) QComboBox::wheelEvent(event);
}

class DbGrid::Model : public QAbstractTableModel {
  public:
    Model(db::RecordSet* set, QList<GridColumn> columns, QObject* parent)
        : QAbstractTableModel(parent), set_(set), columns_(std::move(columns)) {
        connect(set, &db::RecordSet::rowsReset, this, &Model::reset);
        connect(set, &db::RecordSet::rowInserted, this, [this](int row) {
            beginInsertRows({}, row, row);
            endInsertRows();
        });
        connect(set, &db::RecordSet::rowRemoved, this, [this](int row) {
            beginRemoveRows({}, row, row);
            computed_.remove(row);
            endRemoveRows();
        });
        connect(set, &db::RecordSet::rowChanged, this, [this](int row) {
            computed_.remove(row);
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        });
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !set_ ? 0 : set_->rowCount();
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(columns_.size());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        const GridColumn& column = columns_[index.column()];
        if (role == Qt::DisplayRole) return formatValue(value(index.row(), index.column()));
        if (role == Qt::BackgroundRole) {
            if (index.column() == marked_) return QPalette().color(QPalette::ToolTipBase);
            if (marked_ >= 0) return QPalette().color(QPalette::Base);
            if (column.greyed) return QPalette().color(QPalette::Button);
        }
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return columns_[section].title;
        return {};
    }

    void mark(int column) {
        marked_ = column;
        if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }

    const QList<GridColumn>& columns() const { return columns_; }

  private:
    // A computed value may run a statement: it is worked out once per row shown.
    QVariant value(int row, int column) const {
        const GridColumn& c = columns_[column];
        if (!c.compute) return set_->value(row, set_->fieldIndex(c.field));
        auto& cached = computed_[row];
        if (!cached.contains(column)) cached.insert(column, c.compute(*set_, row));
        return cached.value(column);
    }

    void reset() {
        beginResetModel();
        computed_.clear();
        endResetModel();
    }

    QPointer<db::RecordSet> set_;
    QList<GridColumn> columns_;
    mutable QHash<int, QHash<int, QVariant>> computed_;
    int marked_ = -1;
};

DbGrid::DbGrid(QWidget* parent) : QTableView(parent) {
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setTabKeyNavigation(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setHighlightSections(false);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &DbGrid::titleClicked);
    connect(this, &QTableView::doubleClicked, this, &DbGrid::activated);
}

void DbGrid::bind(db::RecordSet* set, const QList<GridColumn>& columns) {
    set_ = set;
    model_ = new Model(set, columns, this);
    setModel(model_);
    for (int i = 0; i < columns.size(); ++i) setColumnHidden(i, columns[i].hidden);
    connect(model_, &QAbstractItemModel::modelReset, this, &DbGrid::fitColumns);
    fitColumns();
    connect(set, &db::RecordSet::currentChanged, this, &DbGrid::followSet);
    connect(set, &db::RecordSet::rowsReset, this, &DbGrid::followSet);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!set_ || !current.isValid()) return;
                if (set_->isEditing())
                    followSet();
                else
                    set_->moveTo(current.row());
            });
    followSet();
}

const QList<GridColumn>& DbGrid::columns() const {
    static const QList<GridColumn> none;
    return model_ ? model_->columns() : none;
}

// Wide enough for titles and values, within reason: a long description stays on screen.
void DbGrid::fitColumns() {
    resizeColumnsToContents();
    const int widest = fontMetrics().averageCharWidth() * 40;
    for (int i = 0; i < model_->columnCount(); ++i)
        if (columnWidth(i) > widest) setColumnWidth(i, widest);
}

void DbGrid::markColumn(int column) {
    if (model_) model_->mark(column);
}

void DbGrid::followSet() {
    if (!set_ || set_->currentRow() < 0) return;
    const QModelIndex current = currentIndex();
    if (current.isValid() && current.row() == set_->currentRow()) return;
    const int column = current.isValid() ? current.column() : 0;
    setCurrentIndex(model_->index(set_->currentRow(), column));
}

void DbGrid::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        currentIndex().isValid()) {
        emit activated();
        return;
    }
    QTableView::keyPressEvent(event);
}

}  // namespace orbadil
