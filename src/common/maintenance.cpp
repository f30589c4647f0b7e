#include "common/maintenance.h"

#include <QAction>
#include <QFormLayout>
#include <QHash>
#include <QKeyEvent>
#include <QPointer>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/signinstate.h"
#include "common/guard.h"
#include "common/inputs.h"
#include "common/messages.h"
#include "common/statuspanels.h"
#include "common/windows.h"
#include "db/connections.h"
#include "db/keys.h"

namespace orbadil {

using Config = MaintenanceConfig;

Validation requiredText(const QString& field, const QString& message) {
    return {[field](const db::RecordSet& set) { return !set.text(field).trimmed().isEmpty(); },
            message};
}

namespace {

const QString kDone = QStringLiteral("Operação realizada com sucesso!");

QHash<QByteArray, QPointer<QWidget>>& latestWindows() {
    static QHash<QByteArray, QPointer<QWidget>> windows;
    return windows;
}

bool isOrderClause(const QString& line) {
    return line.trimmed().startsWith(QStringLiteral("order by"), Qt::CaseInsensitive);
}

}  // namespace

QWidget* latestWindow(const char* className) {
    return latestWindows().value(QByteArray(className));
}

void rememberWindow(QWidget* window) {
    latestWindows().insert(QByteArray(window->metaObject()->className()), window);
}

MaintenanceScreen::MaintenanceScreen(const QString& caption, MaintenanceConfig config,
                                     QWidget* parent)
    : QWidget(parent),
      config_(std::move(config)),
      qryPrincipal_(new db::RecordSet(db::Connections::mainConnection(), this)) {
    setWindowTitle(caption);
    qryPrincipal_->setObjectName(QStringLiteral("qryPrincipal"));
    qryPrincipal_->setTable(config_.table, config_.keyField,
                            config_.keyRule == Config::KeyRule::Assigned);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("tlbPrincipal"));
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    layout->addWidget(toolbar_);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("pgcPrincipal"));
    pages_->setDocumentMode(true);
    auto* principalPage = new QWidget(pages_);
    principalPage->setObjectName(QStringLiteral("tbsPrincipal"));
    form_ = new QFormLayout(principalPage);
    pages_->addTab(principalPage, QStringLiteral("Principal"));
    dbgPrincipal_ = new DbGrid(pages_);
    dbgPrincipal_->setObjectName(QStringLiteral("dbgPrincipal"));
    pages_->addTab(dbgPrincipal_, QStringLiteral("Geral"));
    layout->addWidget(pages_, 1);

    auto* bar = new QStatusBar(this);
    bar->setSizeGripEnabled(false);
    status_ = std::make_unique<StatusPanels>(bar, 3, 0);
    layout->addWidget(bar);

    buildToolbar();
    connect(qryPrincipal_, &db::RecordSet::stateChanged, this, &MaintenanceScreen::updateCommands);
    connect(qryPrincipal_, &db::RecordSet::currentChanged, this,
            &MaintenanceScreen::updateCommands);
    connect(qryPrincipal_, &db::RecordSet::rowsReset, this, &MaintenanceScreen::updateCommands);
    // Enter or a double click on a row of "Geral" shows that row's fields.
    connect(dbgPrincipal_, &DbGrid::activated, this, [this] {
        pages_->setCurrentIndex(0);
        focusFirstControl(pages_->widget(0));
    });
    connect(dbgPrincipal_, &DbGrid::titleClicked, this, [this](int column) {
        if (config_.sortByTitle) reportErrors([&] { sortBy(column); });
    });
}

MaintenanceScreen::~MaintenanceScreen() = default;

QAction* MaintenanceScreen::makeAction(Config::Command command, const char* name,
                                       const QString& caption, const QKeySequence& key) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    QString hint = caption;
    while (hint.endsWith(u'.')) hint.chop(1);
    action->setToolTip(hint);
    action->setStatusTip(hint);
    if (!key.isEmpty()) action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(action);
    actions_.insert(command, action);
    return action;
}

void MaintenanceScreen::buildToolbar() {
    struct Entry {
        Config::Command command;
        const char* name;
        QString caption;
        QKeySequence key;
        QStyle::StandardPixmap icon;
        std::function<void()> run;
    };
    // Ctrl+P belongs to "Pesquisar": the listing is reached by its button only.
    const QList<Entry> entries{
        {Config::Append, "actAppend", QStringLiteral("Novo"),
         QKeySequence(Qt::CTRL | Qt::Key_Insert), QStyle::SP_FileIcon, [this] { append(); }},
        {Config::Edit, "actEdit", QStringLiteral("Alterar"), QKeySequence(Qt::CTRL | Qt::Key_A),
         QStyle::SP_FileDialogDetailedView, [this] { edit(); }},
        {Config::Delete, "actDelete", QStringLiteral("Excluir"),
         QKeySequence(Qt::CTRL | Qt::Key_Delete), QStyle::SP_TrashIcon, [this] { remove(); }},
        {Config::Refresh, "actRefresh", QStringLiteral("Atualizar"),
         QKeySequence(Qt::CTRL | Qt::Key_F5), QStyle::SP_BrowserReload, [this] { refresh(); }},
        {Config::Post, "actPost", QStringLiteral("Gravar"),
         QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Return), QStyle::SP_DialogSaveButton,
         [this] { post(); }},
        {Config::Cancel, "actCancel", QStringLiteral("Cancelar"),
         QKeySequence(Qt::CTRL | Qt::Key_Backspace), QStyle::SP_DialogCancelButton,
         [this] { cancel(); }},
        {Config::First, "actFirst", QStringLiteral("Primeiro"),
         QKeySequence(Qt::CTRL | Qt::Key_Home), QStyle::SP_MediaSkipBackward,
         [this] { qryPrincipal_->first(); }},
        {Config::Prior, "actPrior", QStringLiteral("Anterior"),
         QKeySequence(Qt::CTRL | Qt::Key_Left), QStyle::SP_MediaSeekBackward,
         [this] { qryPrincipal_->prior(); }},
        {Config::Next, "actNext", QStringLiteral("Próximo"), QKeySequence(Qt::CTRL | Qt::Key_Right),
         QStyle::SP_MediaSeekForward, [this] { qryPrincipal_->next(); }},
        {Config::Last, "actLast", QStringLiteral("Último"), QKeySequence(Qt::CTRL | Qt::Key_End),
         QStyle::SP_MediaSkipForward, [this] { qryPrincipal_->last(); }},
        {Config::Print, "actPrint", QStringLiteral("Imprimir..."), QKeySequence(),
         QStyle::SP_FileDialogContentsView, [this] { printListing(); }},
        {Config::Search, "actPesquisar", QStringLiteral("Pesquisar"),
         QKeySequence(Qt::CTRL | Qt::Key_P), QStyle::SP_FileDialogStart, [this] { openSearch(); }},
        {Config::Exit, "actSair", QStringLiteral("Sair"), QKeySequence(Qt::CTRL | Qt::Key_S),
         QStyle::SP_DialogCloseButton, [this] { closeScreen(this); }},
    };
    const QList<Config::Command> gapsBefore{Config::Post, Config::First, Config::Print,
                                            Config::Exit};
    for (const Entry& e : entries) {
        QAction* action = makeAction(e.command, e.name, e.caption, e.key);
        action->setIcon(style()->standardIcon(e.icon));
        connect(action, &QAction::triggered, this, [run = e.run] { reportErrors(run); });
        if (!config_.commands.contains(e.command)) {
            action->setVisible(false);
            continue;
        }
        if (gapsBefore.contains(e.command) && !toolbar_->actions().isEmpty())
            toolbar_->addSeparator();
        toolbar_->addAction(action);
    }
    actions_.value(Config::Post)
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Return),
                        QKeySequence(Qt::CTRL | Qt::ALT | Qt::KeypadModifier | Qt::Key_Enter)});
    QAction* info =
        makeAction(Config::Information, "actInformation", QStringLiteral("Informações..."),
                   QKeySequence(Qt::CTRL | Qt::Key_I));
    QAction* help =
        makeAction(Config::Help, "actAjuda", QStringLiteral("Ajuda"), QKeySequence(Qt::Key_F1));
    info->setEnabled(!config_.informationDisabled);
    help->setEnabled(!config_.helpDisabled);
}

QAction* MaintenanceScreen::action(Config::Command command) const {
    return actions_.value(command);
}

void MaintenanceScreen::updateCommands() {
    const db::RecordSet& set = *qryPrincipal_;
    const bool open = set.isOpen();
    const bool writable = set.canModify() || !open;  // a screen that never read may still start
    const bool editing = set.isEditing();
    const bool browsing = open && !editing && !set.isEmpty();
    const QList<std::pair<Config::Command, bool>> rules{
        {Config::Append, writable},
        {Config::Edit, open && writable && !editing},
        {Config::Delete, open && writable && !set.isEmpty()},
        {Config::Refresh, writable},
        {Config::Post, editing},
        {Config::Cancel, editing},
        {Config::First, browsing && !set.atFirst()},
        {Config::Prior, browsing && !set.atFirst()},
        {Config::Next, browsing && !set.atLast()},
        {Config::Last, browsing && !set.atLast()},
    };
    for (const auto& [command, enabled] : rules) actions_.value(command)->setEnabled(enabled);
}

DbEdit* MaintenanceScreen::addEdit(const char* name, const QString& caption, const QString& field,
                                   bool upperCase, QFormLayout* into) {
    auto* edit = new DbEdit(this);
    edit->setObjectName(QLatin1String(name));
    edit->bind(qryPrincipal_, field, upperCase);
    addRow(caption, edit, into);
    return edit;
}

DbMemo* MaintenanceScreen::addMemo(const char* name, const QString& caption, const QString& field,
                                   QFormLayout* into) {
    auto* memo = new DbMemo(this);
    memo->setObjectName(QLatin1String(name));
    memo->bind(qryPrincipal_, field);
    addRow(caption, memo, into);
    return memo;
}

DbCheckBox* MaintenanceScreen::addCheck(const char* name, const QString& caption,
                                        const QString& field, const QString& checkedValue,
                                        const QString& uncheckedValue, QFormLayout* into) {
    auto* check = new DbCheckBox(caption, this);
    check->setObjectName(QLatin1String(name));
    check->bind(qryPrincipal_, field, checkedValue, uncheckedValue);
    (into ? into : form_)->addRow(QString(), check);
    return check;
}

DbLookupCombo* MaintenanceScreen::addLookup(const char* name, const QString& caption,
                                            const QString& field, QFormLayout* into) {
    auto* combo = new DbLookupCombo(this);
    combo->setObjectName(QLatin1String(name));
    combo->bind(qryPrincipal_, field);
    addRow(caption, combo, into);
    return combo;
}

DbEdit* MaintenanceScreen::addKey(const QString& field, const char* name) {
    DbEdit* key = addEdit(name, QStringLiteral("Código:"), field, false);
    key->setEnabled(false);
    key->setMaximumWidth(key->fontMetrics().horizontalAdvance(u'0') * 12);
    return key;
}

void MaintenanceScreen::addRow(const QString& caption, QWidget* field, QFormLayout* into) {
    addLabelledRow(into ? into : form_, caption, field);
}

void MaintenanceScreen::setGridColumns(const QList<GridColumn>& columns) {
    dbgPrincipal_->bind(qryPrincipal_, columns);
}

void MaintenanceScreen::start() {
    if (!config_.openStatement.isEmpty())
        reportErrors([&] { runStatement(config_.openStatement); });
    updateCommands();
}

void MaintenanceScreen::setStatement(const QStringList& statement) {
    baseStatement_ = statement;
    qryPrincipal_->clear();
    for (const QString& line : statement) qryPrincipal_->add(line);
}

void MaintenanceScreen::runStatement(const QStringList& statement) {
    setStatement(statement);
    dbgPrincipal_->markColumn(-1);
    qryPrincipal_->open();
}

void MaintenanceScreen::showRows(const QStringList& statement) {
    if (qryPrincipal_->isEditing()) return;
    runStatement(statement);
}

// The order clause is kept apart from the statement, so a typed "order" cannot cut it.
void MaintenanceScreen::sortBy(int gridColumn) {
    const GridColumn& column = dbgPrincipal_->columns().at(gridColumn);
    QStringList statement = baseStatement_;
    if (!statement.isEmpty() && isOrderClause(statement.last())) statement.removeLast();
    const QStringList base = statement;
    statement << QStringLiteral("order by ") +
                     (column.sortField.isEmpty() ? column.field : column.sortField);
    qryPrincipal_->clear();
    for (const QString& line : std::as_const(statement)) qryPrincipal_->add(line);
    try {
        qryPrincipal_->open();
    } catch (const Error&) {
        MessageService::current().information(
            QStringLiteral("Não foi possível ordenar por este campo."));
        return;
    }
    baseStatement_ = base;
    dbgPrincipal_->markColumn(gridColumn);
}

QString MaintenanceScreen::currentKey() const {
    return qryPrincipal_->text(config_.keyField).trimmed();
}

void MaintenanceScreen::append() {
    runStatement(config_.appendStatement);
    qryPrincipal_->append(config_.defaults);
}

void MaintenanceScreen::edit() {
    if (config_.editNeedsRow && qryPrincipal_->isEmpty()) return;
    qryPrincipal_->edit();
}

void MaintenanceScreen::cancel() {
    qryPrincipal_->cancel();
    afterCancel();
}

void MaintenanceScreen::refresh() {
    runStatement(config_.refreshStatement);
}

void MaintenanceScreen::assignKey() {
    qryAuxiliar_.clear();
    for (const QString& line : config_.keyStatement) qryAuxiliar_.add(line);
    qryAuxiliar_.open();
    const int newest = qryAuxiliar_.eof() ? 0 : qryAuxiliar_.value(0).toInt();
    qryPrincipal_->setValue(config_.keyField, newest + 1);
}

void MaintenanceScreen::stampAudit(bool inserting) {
    const QDateTime now = db::serverNow();
    const QString prefix = inserting ? QStringLiteral("Inserido_") : QStringLiteral("Modificado_");
    const QString when = prefix + QStringLiteral("Em"), who = prefix + QStringLiteral("Por");
    const QVariant user =
        app::signInState().user.isEmpty() ? QVariant() : QVariant(app::signInState().user.toInt());
    if (qryPrincipal_->hasField(when)) qryPrincipal_->setValue(when, now);
    if (qryPrincipal_->hasField(who)) qryPrincipal_->setValue(who, user);
}

void MaintenanceScreen::post() {
    if (!qryPrincipal_->isEditing()) return;
    const bool inserting = qryPrincipal_->state() == db::RecordSet::State::Insert;
    for (const Validation& v : config_.validations) {
        if (v.passes(*qryPrincipal_)) continue;
        MessageService::current().information(v.message);
        return;
    }
    if (!validate()) return;
    if (inserting && config_.keyRule == Config::KeyRule::ReadNext) assignKey();
    stampAudit(inserting);
    db::Connections& connections = db::Connections::current();
    connections.startTransaction();
    try {
        beforeWrite(inserting);
        writeRow(inserting);
        connections.commit();
    } catch (...) {
        // Settled before the error shows, so nothing stays half-written behind the box.
        connections.rollback();
        throw;
    }
    afterWrite(inserting);
    MessageService::current().information(kDone);
}

void MaintenanceScreen::writeRow(bool) {
    qryPrincipal_->post();
}

bool MaintenanceScreen::dependenciesRefuse(const QString& key) {
    for (const DependencyCheck& check : config_.dependencies) {
        qryAuxiliar_.clear();
        for (const QString& line : check.statement.mid(0, check.statement.size() - 1))
            qryAuxiliar_.add(line);
        qryAuxiliar_.add(check.statement.last() + key);
        qryAuxiliar_.open();
        const bool refused = check.counts ? !qryAuxiliar_.eof() && qryAuxiliar_.value(0).toInt() > 0
                                          : !qryAuxiliar_.eof();
        if (!refused) continue;
        MessageService::current().information(check.message);
        return true;
    }
    return false;
}

void MaintenanceScreen::remove() {
    // A row not stored yet has nothing to delete; what was typed is let go.
    if (qryPrincipal_->isEditing()) qryPrincipal_->cancel();
    const QString key = currentKey();
    if (!key.isEmpty() && (dependenciesRefuse(key) || refuseDelete(key))) return;
    if (!MessageService::current().confirm(config_.deleteQuestion.arg(key))) return;
    if (config_.emptyDeleteRefused && (qryPrincipal_->isEmpty() || key.isEmpty())) {
        MessageService::current().information(QStringLiteral("Não há registro!"));
        return;
    }
    try {
        deleteRow(key);
    } catch (const Error&) {
        if (config_.deleteFailure.isEmpty()) throw;
        MessageService::current().error(config_.deleteFailure);
        return;
    }
    runStatement(config_.reloadStatement);
    MessageService::current().information(kDone);
}

void MaintenanceScreen::deleteRow(const QString& key) {
    qryAuxiliar_.clear();
    qryAuxiliar_.add(config_.deleteStatement.arg(key));
    qryAuxiliar_.exec();
}

void MaintenanceScreen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    rememberWindow(this);
    if (shortcutsGuarded_) return;
    shortcutsGuarded_ = true;
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

// Edits claim keys such as Ctrl+A or Ctrl+Left for themselves; the screen's commands win.
bool MaintenanceScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) return QWidget::eventFilter(watched, event);
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    for (QAction* a : std::as_const(actions_)) {
        if (a->isVisible() && a->isEnabled() && a->shortcuts().contains(pressed)) {
            event->ignore();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace orbadil
