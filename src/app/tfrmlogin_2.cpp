#include "app/tfrmlogin_2.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/processexit.h"
#include "app/serverinfo.h"
#include "app/signinstate.h"
#include "app/tfrmmenuprincipal.h"
#include "common/guard.h"
#include "common/inputs.h"
#include "common/messages.h"
#include "common/password.h"
#include "common/statuspanels.h"
#include "db/query.h"
#include "db/quoting.h"

namespace orbadil::app {

namespace {

constexpr int kProfileRole = Qt::UserRole + 1;

template <typename T>
T* named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QComboBox* pickList(const char* name, int width, QWidget* parent) {
    auto* combo = named(new QComboBox(parent), name);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(width);
    moveFocusOnEnter(combo);
    return combo;
}

QLabel* caption(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, buddy->parentWidget());
    label->setBuddy(buddy);
    buddy->setAccessibleName(text.trimmed());
    return label;
}

QString keyOf(const QComboBox* combo) {
    return combo->currentIndex() < 0 ? QString() : combo->currentData().toString();
}

}  // namespace

TfrmLogin_2::TfrmLogin_2(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmLogin_2"));
    setWindowTitle(QStringLiteral("MERVOLAN"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* welcome =
        named(new QLabel(QStringLiteral(" Bem vindo ao sistema : "), this), "lblBemVindo");
    auto* title = named(new QLabel(QStringLiteral("Orbadil - TRUV"), this), "lblTitulo");
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    title->setFont(big);
    auto* version = named(
        new QLabel(QStringLiteral("Ver.: 14.06.08 (10/04/2024) Homologação"), this), "lblVersao");
    lblInformacao = named(new QLabel(this), "lblInformacao");

    auto* group = named(new QGroupBox(QStringLiteral(" Identificação "), this), "grbIdentificacao");
    dblUnidade = pickList("dblUnidade", 34, group);
    dblUsuario = pickList("dblUsuario", 26, group);
    edtSenha = named(new QLineEdit(group), "edtSenha");
    edtSenha->setEchoMode(QLineEdit::Password);
    edtSenha->setMinimumWidth(140);
    moveFocusOnEnter(edtSenha);
    auto* fields = new QGridLayout(group);
    fields->addWidget(caption(QStringLiteral("Unidade de trabalho: "), dblUnidade), 0, 0);
    fields->addWidget(caption(QStringLiteral("Usuário : "), dblUsuario), 0, 1);
    fields->addWidget(caption(QStringLiteral("Senha : "), edtSenha), 0, 2);
    fields->addWidget(dblUnidade, 1, 0);
    fields->addWidget(dblUsuario, 1, 1);
    fields->addWidget(edtSenha, 1, 2);
    fields->setColumnStretch(0, 3);
    fields->setColumnStretch(1, 3);
    fields->setColumnStretch(2, 1);

    bmpOK = commandButton("bmpOK", QStringLiteral("&OK"), this);
    bmpSair = commandButton("bmpSair", QStringLiteral("&Sair"), this);
    auto* statusBar = named(new QStatusBar(this), "stbStatus");
    status_ = std::make_unique<StatusPanels>(statusBar, 2, 2);

    auto* heading = new QHBoxLayout;
    heading->addWidget(welcome);
    heading->addWidget(title);
    heading->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblInformacao);
    buttons->addStretch();
    buttons->addWidget(bmpOK);
    buttons->addWidget(bmpSair);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(version);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->addWidget(statusBar);

    connect(dblUnidade, &QComboBox::currentIndexChanged, this,
            [this] { reportErrors([this] { unitPicked(); }); });
    connect(dblUsuario, &QComboBox::currentIndexChanged, this,
            [this] { reportErrors([this] { userPicked(); }); });
    connect(bmpOK, &QPushButton::clicked, this, [this] { reportErrors([this] { signIn(); }); });
    connect(bmpSair, &QPushButton::clicked, this, [] { endProcess(0); });
}

TfrmLogin_2::~TfrmLogin_2() = default;

QString TfrmLogin_2::serverText(const QString& parameters) {
    const auto server = parameterValue(parameters, QStringLiteral("SERVER NAME"));
    return QStringLiteral("Servidor: ") + (server ? server->left(7) : parameters.mid(11, 7));
}

void TfrmLogin_2::reject() {}

void TfrmLogin_2::closeEvent(QCloseEvent* event) {
    if (signedIn_)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

void TfrmLogin_2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    if (!parentWidget()) {
        const QRect area = screen()->availableGeometry();
        move(area.center() - rect().center());
    }
    activateWindow();
    raise();
    lblInformacao->setText(serverText(mainConnectionParameters()));
    reportErrors([this] { loadUnits(); });
}

void TfrmLogin_2::loadUnits() {
    db::Query qryUnidade_Trabalho;
    qryUnidade_Trabalho.add(QStringLiteral(
        "select id_unidade_Trabalho, cast(id_unidade_Trabalho as varchar) + ' - '+ upper(nome) "
        "as nome  from unidade_trabalho"));
    qryUnidade_Trabalho.add(QStringLiteral("where ind_status = 'ATIVO'"));
    qryUnidade_Trabalho.open();
    const QSignalBlocker quiet(dblUnidade);
    dblUnidade->clear();
    for (; !qryUnidade_Trabalho.eof(); qryUnidade_Trabalho.next())
        dblUnidade->addItem(qryUnidade_Trabalho.text(QStringLiteral("nome")),
                            qryUnidade_Trabalho.text(QStringLiteral("id_unidade_Trabalho")));
    dblUnidade->setCurrentIndex(-1);
    // Dropped down, the list shows the whole names.
    dblUnidade->view()->setMinimumWidth(dblUnidade->view()->sizeHintForColumn(0) + 32);
}

void TfrmLogin_2::unitPicked() {
    const QString unit = keyOf(dblUnidade);
    if (unit.trimmed().isEmpty()) return;
    const QSignalBlocker quiet(dblUsuario);
    dblUsuario->clear();
    status_->setText(0, QString());
    status_->setText(1, QString());
    db::Query qryUsuario;
    qryUsuario.add(QStringLiteral(" select Id_Usuario, id_perfil, "));
    qryUsuario.add(QStringLiteral(" upper(Nome) as nome, Senha, senha_crip from usuario"));
    qryUsuario.add(QStringLiteral(" where  Id_Unidade_Trabalho = ") + unit);
    qryUsuario.add(QStringLiteral(" and Bloqueado = 'NAO' "));
    qryUsuario.add(QStringLiteral(" and inativo = 'NAO' "));
    qryUsuario.add(QStringLiteral(" and (login is not null) and (login <> ") +
                   QStringLiteral("''") + QStringLiteral(") "));
    qryUsuario.add(QStringLiteral(" and (nome is not null) and (nome <> ") + QStringLiteral("''") +
                   QStringLiteral(") "));
    qryUsuario.add(QStringLiteral(" and Id_Unidade_Trabalho <> 15 "));
    qryUsuario.add(QStringLiteral(" and Status_Registro = ") + QStringLiteral("'ATIVO'"));
    qryUsuario.add(QStringLiteral(" order by nome "));
    qryUsuario.open();
    for (; !qryUsuario.eof(); qryUsuario.next()) {
        dblUsuario->addItem(qryUsuario.text(QStringLiteral("nome")),
                            qryUsuario.text(QStringLiteral("Id_Usuario")));
        dblUsuario->setItemData(dblUsuario->count() - 1,
                                qryUsuario.text(QStringLiteral("id_perfil")), kProfileRole);
    }
    dblUsuario->setCurrentIndex(-1);
}

void TfrmLogin_2::userPicked() {
    const int row = dblUsuario->currentIndex();
    if (row < 0) return;
    status_->setText(0, keyOf(dblUsuario) + QStringLiteral(" - ") + dblUsuario->currentText());
    status_->setText(1, QString());
    const QString profile = dblUsuario->itemData(row, kProfileRole).toString();
    if (profile.trimmed().isEmpty()) return;
    db::Query perfil;
    perfil.add(QStringLiteral(" select upper(nome)as nome from perfil ") +
               QStringLiteral(" where id_perfil = ") + profile);
    perfil.open();
    if (!perfil.eof()) status_->setText(1, perfil.text(QStringLiteral("nome")));
}

void TfrmLogin_2::signIn() {
    auto& messages = MessageService::current();
    const QString digest = passwordDigest(edtSenha->text());
    if (dblUnidade->currentText().trimmed().isEmpty())
        return messages.information(QStringLiteral("Selecione a unidade de trabalho!"));
    if (dblUsuario->currentText().trimmed().isEmpty())
        return messages.information(QStringLiteral("Selecione o usuário!"));
    if (edtSenha->text().trimmed().isEmpty())
        return messages.information(QStringLiteral("Falta digitar a senha!"));
    fillSignInState(keyOf(dblUsuario), keyOf(dblUnidade), digest);
}

void TfrmLogin_2::fillSignInState(const QString& userKey, const QString& unitKey,
                                  const QString& digest) {
    db::Query usuario;
    usuario.add(QStringLiteral(" select Id_Usuario, Id_Unidade_Trabalho, Id_Perfil, upper(Nome) "
                               "as nome, Login, Senha, senha_crip  ") +
                QStringLiteral(" from usuario ") + QStringLiteral(" where Id_Usuario = ") +
                userKey + QStringLiteral(" and senha_crip = ") + db::quoted(digest) +
                QStringLiteral(" and id_unidade_trabalho = ") + unitKey);
    usuario.open();
    if (usuario.eof())
        return MessageService::current().information(QStringLiteral("Senha invalida!"));

    SignInState& state = signInState();
    state = SignInState{};
    state.user = usuario.text(QStringLiteral("id_Usuario"));
    state.profile = usuario.text(QStringLiteral("id_perfil"));
    state.workUnit = usuario.text(QStringLiteral("id_Unidade_trabalho"));
    state.userName = usuario.text(QStringLiteral("nome"));
    state.login = usuario.text(QStringLiteral("login"));
    state.legacyPassword = usuario.text(QStringLiteral("senha"));

    db::Query names;
    names.add(QStringLiteral(" select nome from unidade_Trabalho ") +
              QStringLiteral(" where id_unidade_trabalho = ") + state.workUnit);
    names.open();
    state.unitName = names.text(QStringLiteral("nome"));
    names.clear();
    names.add(QStringLiteral(" select nome from perfil ") + QStringLiteral(" where id_perfil = ") +
              state.profile);
    names.open();
    state.profileName = names.text(QStringLiteral("nome"));

    if (frmMenuPrincipal) frmMenuPrincipal->actConfiguraMenu()->trigger();
    signedIn_ = true;
    accept();
}

}  // namespace orbadil::app
