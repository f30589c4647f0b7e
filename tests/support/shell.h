#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "support/testdatabases.h"

class QComboBox;

namespace orbadil::app {
class TfrmLogin_2;
}

namespace orbadil::test {

// Records the process ends the program asks for instead of ending, and clears the sign-in
// state and the booking hand-over before and after a test.
class ShellFixture {
  public:
    ShellFixture();
    ~ShellFixture();
    QList<int> processEnds;
};

// What a test of the shell needs: fresh databases, recorded messages and process ends.
struct ShellTestBed {
    TestDatabases db;
    ShellFixture shell;
    ScriptedMessages messages;
};

// Rows of the access tables, written straight into a fresh main database.
class AccessRows {
  public:
    explicit AccessRows(TestDatabases& databases) : db_(databases) {}

    struct User {
        int id;
        int unit;
        int profile;
        QString name;
        QVariant login;
        QString password;  // its digest goes into senha_crip; empty leaves senha_crip NULL
        QString blocked = QStringLiteral("NAO");
        QString inactive = QStringLiteral("NAO");
        QString status = QStringLiteral("ATIVO");
        QVariant legacy = QVariant();  // Senha
    };

    void unit(int id, const QString& name, const QString& status = QStringLiteral("ATIVO"));
    void profile(int id, const QString& name);
    void form(int id, int tag);
    // Incluir, Alterar, Excluir, Imprimir as given; Visualizar "S".
    void right(int profile, int form, const QStringList& rights);
    void user(const User& user);

  private:
    TestDatabases& db_;
};

// Selects the entry of a pick list that stands for the key.
void pick(QComboBox* list, const QString& key);

// Picks the unit and the user, types the password and presses "&OK".
void signIn(app::TfrmLogin_2& dialog, const QString& unit, const QString& user,
            const QString& password);

}  // namespace orbadil::test
