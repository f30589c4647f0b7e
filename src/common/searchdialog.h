#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

#include "common/dbwidgets.h"
#include "db/recordset.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace orbadil {

class StatusPanels;

// What makes one search dialog differ from another.
struct SearchConfig {
    // Locate: the whole list is read at once and typing moves in it, loading each row into
    // the screen. Filter: a button reads the rows that match, "&OK" loads the chosen one.
    enum class Kind { Locate, Filter };

    Kind kind = Kind::Locate;
    QString caption = QStringLiteral("Consultar");
    QStringList statement;  // locate: the list; filter: the statement the condition follows
    QString keyField;       // searched by "Código"
    QString nameField;      // searched by "Nome"
    QList<GridColumn> columns;

    // Filter kind.
    QString searchCaption = QStringLiteral("&Localizar");
    QString codeCondition;      // " where id_perfil = ", the digits follow
    QString nameCondition;      // " where nome like '", the quoted text and "%'" follow
    QStringList nameStatement;  // what "Nome" follows, when it differs from statement
    QString missingMessage;     // no column chosen or no text typed
    QString notFoundMessage;    // "&OK" without a row; empty: the dialog just closes
    bool countInStatus = false;

    // Loads a key into the screen's most recent window.
    std::function<void(const QString& key)> load;
};

// A filter dialog by key and name with the usual messages and the count of rows found.
SearchConfig filterSearch(const QString& caption);

// The search dialog of a maintenance screen: "Selecione:" a column, "Texto:", and a grid.
class SearchDialog : public QWidget {
    Q_OBJECT

  public:
    SearchDialog(SearchConfig config, QWidget* parent = nullptr);
    ~SearchDialog() override;

    db::RecordSet& rows() { return *query_; }
    // The filter kind's search button and "&OK".
    void search();
    void accept();

  protected:
    void start();  // call at the end of the dialog's constructor

  private:
    void locate(const QString& typed);
    void loadCurrent();
    void sortBy(int column);
    void openRows(const QStringList& statement);

    SearchConfig config_;
    db::RecordSet* query_;
    QStringList statement_;
    QComboBox* cbbCampo_;
    QLineEdit* edtTexto_;
    DbGrid* grid_;
    std::unique_ptr<StatusPanels> status_;
};

}  // namespace orbadil
