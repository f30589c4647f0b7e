#include "common/searchdialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "common/guard.h"
#include "common/inputs.h"
#include "common/messages.h"
#include "common/statuspanels.h"
#include "common/windows.h"
#include "db/quoting.h"

namespace orbadil {

namespace {
const QString kCode = QStringLiteral("Código");
const QString kName = QStringLiteral("Nome");
}  // namespace

SearchSpec filterSearch(const QString& caption) {
    SearchSpec s;
    s.kind = SearchSpec::Kind::Filter;
    s.caption = caption;
    s.nameCondition = QStringLiteral(" where nome like '");
    s.missingMessage = QStringLiteral("Falta selecionar o campo ou o texto para a pesquisa. ");
    s.notFoundMessage = QStringLiteral("Nenhum registro localizado!");
    s.countInStatus = true;
    return s;
}

SearchDialog::SearchDialog(SearchSpec spec, QWidget* parent)
    : QWidget(parent),
      spec_(std::move(spec)),
      query_(new db::RecordSet(db::Connections::mainConnection(), this)) {
    setWindowTitle(spec_.caption);
    cbbCampo_ = new QComboBox(this);
    cbbCampo_->setObjectName(QStringLiteral("cbbCampo"));
    cbbCampo_->addItems({kCode, kName});
    cbbCampo_->setCurrentIndex(spec_.kind == SearchSpec::Kind::Locate ? 1 : -1);
    edtTexto_ = new QLineEdit(this);
    edtTexto_->setObjectName(QStringLiteral("edtTexto"));
    forceUpperCase(edtTexto_);
    grid_ = new DbGrid(this);
    grid_->setObjectName(QStringLiteral("dbgConsulta"));
    grid_->bind(query_, spec_.columns);

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    addLabelledRow(form, QStringLiteral("&Selecione:"), cbbCampo_);
    addLabelledRow(form, QStringLiteral("&Texto:"), edtTexto_);

    if (spec_.kind == SearchSpec::Kind::Filter) {
        moveFocusOnEnter(cbbCampo_);
        auto* buttons = new QHBoxLayout;
        QPushButton* find = commandButton("bmpLocalizar", spec_.searchCaption, this);
        QPushButton* ok = commandButton("bmpOK", QStringLiteral("&OK"), this);
        buttons->addStretch();
        buttons->addWidget(find);
        buttons->addWidget(ok);
        layout->addLayout(buttons);
        connect(find, &QPushButton::clicked, this, [this] { reportErrors([this] { search(); }); });
        connect(ok, &QPushButton::clicked, this, [this] { reportErrors([this] { accept(); }); });
        connect(edtTexto_, &QLineEdit::returnPressed, this,
                [this] { reportErrors([this] { search(); }); });
        connect(grid_, &DbGrid::activated, this, [this] { reportErrors([this] { accept(); }); });
    } else {
        moveFocusOnEnter(cbbCampo_);
        moveFocusOnEnter(edtTexto_);
        connect(edtTexto_, &QLineEdit::textEdited, this, &SearchDialog::locate);
        connect(query_, &db::RecordSet::currentChanged, this, &SearchDialog::loadCurrent);
        connect(grid_, &DbGrid::titleClicked, this, &SearchDialog::sortBy);
    }
    layout->addWidget(grid_, 1);
    auto* bar = new QStatusBar(this);
    bar->setSizeGripEnabled(false);
    status_ = std::make_unique<StatusPanels>(bar, 1, 0);
    bar->setVisible(spec_.countInStatus);
    layout->addWidget(bar);
    resize(480, 360);
}

SearchDialog::~SearchDialog() = default;

void SearchDialog::start() {
    if (spec_.kind == SearchSpec::Kind::Locate) reportErrors([this] { openRows(spec_.statement); });
}

void SearchDialog::openRows(const QStringList& statement) {
    statement_ = statement;
    query_->clear();
    for (const QString& line : statement) query_->add(line);
    query_->open();
    if (spec_.countInStatus)
        status_->setText(
            0, QString::number(query_->rowCount()) + QStringLiteral(" registros encontrado."));
}

// Errors while typing are let go: the user is still typing.
void SearchDialog::locate(const QString& typed) {
    const bool byCode = cbbCampo_->currentText() == kCode;
    if (cbbCampo_->currentIndex() < 0 || (byCode && typed.trimmed().isEmpty())) return;
    const QString field = byCode ? spec_.keyField : spec_.nameField;
    const int column = query_->fieldIndex(field);
    for (int row = 0; row < query_->rowCount() && column >= 0; ++row) {
        const QString value = query_->value(row, column).toString();
        if (value.startsWith(typed, Qt::CaseInsensitive)) {
            query_->moveTo(row);
            return;
        }
    }
}

void SearchDialog::loadCurrent() {
    const QString key = query_->text(spec_.keyField).trimmed();
    if (key.isEmpty() || !spec_.load) return;
    try {
        spec_.load(key);
    } catch (const Error&) {
    }
}

void SearchDialog::sortBy(int column) {
    QStringList statement = statement_;
    if (!statement.isEmpty() &&
        statement.last().trimmed().startsWith(QStringLiteral("order by"), Qt::CaseInsensitive))
        statement.removeLast();
    const QStringList base = statement;
    const GridColumn& c = grid_->columns().at(column);
    statement << QStringLiteral("order by ") + (c.sortField.isEmpty() ? c.field : c.sortField);
    try {
        openRows(statement);
        statement_ = base;
    } catch (const Error&) {
        MessageService::current().information(
            QStringLiteral("Não foi possível ordenar por este campo."));
    }
}

void SearchDialog::search() {
    const QString text = edtTexto_->text().trimmed();
    if (cbbCampo_->currentIndex() < 0 || text.isEmpty()) {
        MessageService::current().information(spec_.missingMessage);
        return;
    }
    QStringList statement = spec_.statement;
    if (cbbCampo_->currentText() == kCode) {
        if (!db::isDigitsOnly(text)) {
            MessageService::current().information(
                QStringLiteral("O código deve conter apenas números."));
            edtTexto_->setFocus();
            return;
        }
        statement << spec_.codeCondition + text;
    } else {
        if (!spec_.nameStatement.isEmpty()) statement = spec_.nameStatement;
        statement << spec_.nameCondition + db::escaped(text) + QStringLiteral("%'");
    }
    openRows(statement);
}

void SearchDialog::accept() {
    const QString key = query_->text(spec_.keyField).trimmed();
    if (!key.isEmpty() && spec_.load)
        spec_.load(key);
    else if (!spec_.notFoundMessage.isEmpty())
        MessageService::current().information(spec_.notFoundMessage);
    closeScreen(this);
}

}  // namespace orbadil
