#pragma once

#include <QList>
#include <QStringList>
#include <QVariantMap>
#include <QWidget>
#include <functional>
#include <memory>

#include "common/dbwidgets.h"
#include "db/query.h"
#include "db/recordset.h"

class QAction;
class QFormLayout;
class QTabWidget;
class QToolBar;

namespace orbadil {

class StatusPanels;

// A check the row must pass before it is stored; the first that fails is shown and stops.
struct Validation {
    std::function<bool(const db::RecordSet&)> passes;
    QString message;
};

// Refuses a name that is blank after trimming.
Validation requiredText(const QString& field, const QString& message);

// A table that refers to the row to be deleted. The key is appended to the statement's last
// line; a row coming back (or a count above 0) refuses the deletion with the message.
struct DependencyCheck {
    QStringList statement;
    QString message;
    bool counts = false;
};

// What makes one maintenance screen differ from another.
struct MaintenanceConfig {
    enum class KeyRule { ReadNext, Assigned };  // a key query + 1, or the database's key
    enum Command {
        Append,
        Edit,
        Delete,
        Refresh,
        Post,
        Cancel,
        First,
        Prior,
        Next,
        Last,
        Print,
        Search,
        Exit,
        Information,
        Help  // no toolbar buttons
    };

    QString table, keyField;
    KeyRule keyRule = KeyRule::ReadNext;
    QStringList keyStatement;  // its first column + 1 is the new key (0 + 1 when empty)

    QStringList openStatement;     // empty: the screen opens without reading its table
    QStringList appendStatement;   // "Novo" empties the result with it
    QStringList refreshStatement;  // "Atualizar"
    QStringList reloadStatement;   // after a delete
    QVariantMap defaults;          // of a new row

    QList<Validation> validations;
    QList<DependencyCheck> dependencies;
    QString deleteQuestion;          // %1 is the key
    QString deleteStatement;         // %1 is the key
    bool emptyDeleteRefused = true;  // "Não há registro!" after the question
    QString deleteFailure;           // shown instead of the database error when set

    bool editNeedsRow = false;  // "Alterar" acts only when the result has a row
    bool sortByTitle = false;
    bool informationDisabled = false;  // "Informações..." shows disabled
    bool helpDisabled = false;         // "Ajuda" shows disabled
    QList<Command> commands = {Append, Edit, Delete, Refresh, Post,   Cancel, First,
                               Prior,  Next, Last,   Print,   Search, Exit};
};

// The record maintenance screen: a toolbar of record commands over the pages "Principal"
// (the current row's fields) and "Geral" (a grid of every row), built once and configured
// by each screen through its config, its fields and the hooks below.
class MaintenanceScreen : public QWidget {
    Q_OBJECT

  public:
    MaintenanceScreen(const QString& caption, MaintenanceConfig config, QWidget* parent);
    ~MaintenanceScreen() override;

    db::RecordSet& principal() { return *qryPrincipal_; }
    db::Query& auxiliary() { return qryAuxiliar_; }
    QAction* action(MaintenanceConfig::Command command) const;
    DbGrid* grid() const { return dbgPrincipal_; }

    // Replaces the main query's statement and opens it; the search dialogs load rows so.
    // A row being inserted or edited is never thrown away for it: then nothing happens.
    void showRows(const QStringList& statement);
    void sortBy(int gridColumn);

    // The commands, as the toolbar runs them.
    void append();
    void edit();
    void post();
    void cancel();
    void refresh();
    void remove();

  protected:
    // Fields of the "Principal" page, each with its caption as the label's buddy.
    DbEdit* addEdit(const char* name, const QString& caption, const QString& field,
                    bool upperCase = true, QFormLayout* into = nullptr);
    DbMemo* addMemo(const char* name, const QString& caption, const QString& field,
                    QFormLayout* into = nullptr);
    DbCheckBox* addCheck(const char* name, const QString& caption, const QString& field,
                         const QString& checkedValue, const QString& uncheckedValue,
                         QFormLayout* into = nullptr);
    DbLookupCombo* addLookup(const char* name, const QString& caption, const QString& field,
                             QFormLayout* into = nullptr);
    // The key box: read-only and greyed.
    DbEdit* addKey(const QString& field, const char* name = "dbeCodigo");
    void addRow(const QString& caption, QWidget* field, QFormLayout* into = nullptr);
    QFormLayout* principalForm() const { return form_; }
    QTabWidget* pages() const { return pages_; }
    void setGridColumns(const QList<GridColumn>& columns);

    // Opens the screen as its config says; call at the end of the screen's constructor.
    void start();

    // Hooks of the screens that differ from the pattern.
    virtual bool validate() { return true; }         // after the config's validations
    virtual void beforeWrite(bool /*inserting*/) {}  // inside the transaction
    virtual void writeRow(bool inserting);           // the row, and what goes with it
    virtual void afterWrite(bool /*inserting*/) {}   // after the commit, before the message
    virtual void afterCancel() {}
    virtual void deleteRow(const QString& key);                          // the delete statement
    virtual bool refuseDelete(const QString& /*key*/) { return false; }  // after the checks
    virtual void openSearch() {}
    virtual void printListing() {}

    void runStatement(const QStringList& statement);
    QString currentKey() const;
    const MaintenanceConfig& config() const { return config_; }

    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildToolbar();
    QAction* makeAction(MaintenanceConfig::Command command, const char* name,
                        const QString& caption, const QKeySequence& key);
    void updateCommands();
    void stampAudit(bool inserting);
    void assignKey();
    bool dependenciesRefuse(const QString& key);
    void postRow();
    void setStatement(const QStringList& statement);

    MaintenanceConfig config_;
    db::RecordSet* qryPrincipal_;
    db::Query qryAuxiliar_;
    QStringList baseStatement_;  // the statement without the order clause a title added
    QToolBar* toolbar_ = nullptr;
    QTabWidget* pages_ = nullptr;
    QFormLayout* form_ = nullptr;
    DbGrid* dbgPrincipal_ = nullptr;
    std::unique_ptr<StatusPanels> status_;
    QHash<int, QAction*> actions_;
    bool shortcutsGuarded_ = false;
};

// The most recently opened window of a screen class, by class name; null when closed.
QWidget* latestWindow(const char* className);
void rememberWindow(QWidget* window);

template <typename T>
T* latestWindow() {
    return qobject_cast<T*>(latestWindow(T::staticMetaObject.className()));
}

}  // namespace orbadil
