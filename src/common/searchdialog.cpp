#include "common/searchdialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
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

SearchConfig filterSearch(const QString& caption) {
    SearchConfig s;
    s.kind = SearchConfig::Kind::Filter;
    s.caption = caption;
    s.nameCondition = QStringLiteral(" where nome like '");
    s.missingMessage = QStringLiteral("Falta selecionar o campo ou o texto para a pesquisa. ");
    s.notFoundMessage = QStringLiteral("Nenhum registro localizado!");
    s.countInStatus = true;
    return s;
}

SearchDialog::SearchDialog(SearchConfig config, QWidget* parent)
    : QWidget(parent),
      config_(std::move(config)),
      query_(new db::RecordSet(db::Connections::mainConnection(), this)) {
    setWindowTitle(config_.caption);
    cbbCampo_ = new QComboBox(this);
    cbbCampo_->setObjectName(QStringLiteral("cbbCampo"));
    cbbCampo_->addItems({kCode, kName});
    cbbCampo_->setCurrentIndex(config_.kind == SearchConfig::Kind::Locate ? 1 : -1);
    edtTexto_ = new QLineEdit(this);
    edtTexto_->setObjectName(QStringLiteral("edtTexto"));
    forceUpperCase(edtTexto_);
    grid_ = new DbGrid(this);
    grid_->setObjectName(QStringLiteral("dbgConsulta"));
    grid_->bind(query_, config_.columns);

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    addLabelledRow(form, QStringLiteral("&Selecione:"), cbbCampo_);
    addLabelledRow(form, QStringLiteral("&Texto:"), edtTexto_);

    if (config_.kind == SearchConfig::Kind::Filter) {
        moveFocusOnEnter(cbbCampo_);
        auto* buttons = new QHBoxLayout;
        QPushButton* find = commandButton("bmpLocalizar", config_.searchCaption, this);
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
    bar->setVisible(config_.countInStatus);
    layout->addWidget(bar);
    resize(480, 360);
}

SearchDialog::~SearchDialog() = default;

void SearchDialog::start() {
    if (config_.kind == SearchConfig::Kind::Locate)
        reportErrors([this] { openRows(config_.statement); });
}

void SearchDialog::openRows(const QStringList& statement) {
    statement_ = statement;
    query_->clear();
    for (const QString& line : statement) query_->add(line);
    query_->open();
    if (config_.countInStatus)
        status_->setText(
            0, QString::number(query_->rowCount()) + QStringLiteral(" registros encontrado."));
}

// Errors while typing are let go: the user is still typing.
void SearchDialog::locate(const QString& typed) {
    const bool byCode = cbbCampo_->currentText() == kCode;
    if (cbbCampo_->currentIndex() < 0 || (byCode && typed.trimmed().isEmpty())) return;
    const QString field = byCode ? config_.keyField : config_.nameField;
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
    const QString key = query_->text(config_.keyField).trimmed();
    if (key.isEmpty() || !config_.load) return;
    try {
        config_.load(key);
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
        MessageService::current().information(config_.missingMessage);
        return;
    }
    QStringList statement = config_.statement;
    if (cbbCampo_->currentText() == kCode) {
        if (!db::isDigitsOnly(text)) {
            MessageService::current().information(
                QStringLiteral("O código deve conter apenas números."));
            edtTexto_->setFocus();
            return;
        }
        statement << config_.codeCondition + text;
    } else {
        if (!config_.nameStatement.isEmpty()) statement = config_.nameStatement;
        statement << config_.nameCondition + db::escaped(text) + QStringLiteral("%'");
    }
    openRows(statement);
}

void SearchDialog::accept() {
    const QString key = query_->text(config_.keyField).trimmed();
    if (!key.isEmpty() && config_.load)
        config_.load(key);
    else if (!config_.notFoundMessage.isEmpty())
        MessageService::current().information(config_.notFoundMessage);
    closeScreen(this);
}

}  // namespace orbadil
