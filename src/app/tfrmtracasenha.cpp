#include "app/tfrmtracasenha.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/signinstate.h"
#include "common/guard.h"
#include "common/inputs.h"
#include "common/messages.h"
#include "common/password.h"
#include "common/windows.h"
#include "db/query.h"
#include "db/quoting.h"

namespace orbadil::app {

namespace {

QLineEdit* passwordBox(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setEchoMode(QLineEdit::Password);
    forceUpperCase(edit);
    moveFocusOnEnter(edit);
    return edit;
}

void addRow(QFormLayout* form, const QString& caption, QLineEdit* edit) {
    auto* label = new QLabel(caption, edit->parentWidget());
    label->setBuddy(edit);
    edit->setAccessibleName(caption);
    form->addRow(label, edit);
}

}  // namespace

TfrmTracaSenha::TfrmTracaSenha(QWidget* parent)
    : QWidget(parent),
      mkeSenhaAtual(passwordBox("mkeSenhaAtual", this)),
      mkeSenhaNova(passwordBox("mkeSenhaNova", this)),
      mkeConfirmaSenhaNova(passwordBox("mkeConfirmaSenhaNova", this)),
      bmpOk(commandButton("bmpOk", QStringLiteral("&OK"), this)),
      bmpCancelar(commandButton("bmpCancelar", QStringLiteral("&Cancelar"), this)) {
    setObjectName(QStringLiteral("frmTracaSenha"));
    setWindowTitle(QStringLiteral("004 - Troca de senha."));

    auto* form = new QFormLayout;
    addRow(form, QStringLiteral("Senha atual:"), mkeSenhaAtual);
    addRow(form, QStringLiteral("Senha nova:"), mkeSenhaNova);
    addRow(form, QStringLiteral("Confirma senha nova:"), mkeConfirmaSenhaNova);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bmpOk);
    buttons->addWidget(bmpCancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addStretch();

    connect(bmpOk, &QPushButton::clicked, this, [this] { reportErrors([this] { confirm(); }); });
    connect(bmpCancelar, &QPushButton::clicked, this, [this] { closeScreen(this); });
}

void TfrmTracaSenha::confirm() {
    auto& messages = MessageService::current();
    const QString current = mkeSenhaAtual->text().trimmed();
    const QString next = mkeSenhaNova->text().trimmed();
    const QString confirmation = mkeConfirmaSenhaNova->text().trimmed();
    if (current.isEmpty())
        return messages.information(QStringLiteral("Falta digitar a senha atual."));
    if (next.isEmpty()) return messages.information(QStringLiteral("Falta digitar a senha nova."));
    if (confirmation.isEmpty())
        return messages.information(QStringLiteral("Falta digitar a confirmação da nova senha."));
    if (confirmation != next)
        return messages.information(
            QStringLiteral("A confirmação da senha não confere com a nova senha."));
    if (!currentPasswordMatches(current) || !storePassword(current, next))
        return messages.information(QStringLiteral("Senha atual não confere."));
    messages.information(QStringLiteral("Operação realizada com sucesso!"));
}

// Accounts made by the user screen keep only the digest, older ones only the legacy column.
bool TfrmTracaSenha::currentPasswordMatches(const QString& current) const {
    const QString& user = signInState().user;
    db::Query legacy;
    legacy.add(QStringLiteral(" select senha from usuario ") +
               QStringLiteral(" where id_usuario = ") + user +
               QStringLiteral(" and upper(senha) = '") + db::escaped(current) +
               QStringLiteral("'"));
    legacy.open();
    if (!legacy.eof()) return true;
    db::Query digest;
    digest.add(QStringLiteral(" select senha_crip from usuario ") +
               QStringLiteral(" where id_usuario = ") + user +
               QStringLiteral(" and senha_crip = ") + db::quoted(passwordDigest(current)));
    digest.open();
    return !digest.eof();
}

// Both columns at once, so that sign-in takes the new password straight away.
bool TfrmTracaSenha::storePassword(const QString& current, const QString& next) const {
    db::Query update;
    update.add(QStringLiteral("update usuario set senha = '") + db::escaped(next) +
               QStringLiteral("'") + QStringLiteral(", senha_crip = ") +
               db::quoted(passwordDigest(next)) + QStringLiteral(" where id_usuario = ") +
               signInState().user + QStringLiteral(" and (senha = '") + db::escaped(current) +
               QStringLiteral("' or senha_crip = ") + db::quoted(passwordDigest(current)) +
               QStringLiteral(")"));
    update.exec();
    return update.rowsAffected() > 0;
}

}  // namespace orbadil::app
