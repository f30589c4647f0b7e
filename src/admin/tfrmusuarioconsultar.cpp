#include "admin/tfrmusuarioconsultar.h"

#include "admin/tfrmusuario.h"

namespace orbadil::admin {

namespace {
SearchConfig makeConfig() {
    SearchConfig s = filterSearch(QStringLiteral("Consultar"));
    s.statement = {
        QStringLiteral("select id_usuario, nome, login, bloqueado, inativo from usuario ")};
    s.nameStatement = {
        QStringLiteral(" select id_usuario, nome, login, bloqueado, inativo from usuario ")};
    s.codeCondition = QStringLiteral(" where id_usuario = ");
    s.keyField = QStringLiteral("id_usuario");
    s.nameField = QStringLiteral("nome");
    s.columns = {{.title = QStringLiteral("Código"), .field = QStringLiteral("id_usuario")},
                 {.title = QStringLiteral("Nome"), .field = QStringLiteral("nome")},
                 {.title = QStringLiteral("Login"), .field = QStringLiteral("login")},
                 {.title = QStringLiteral("Bloqueado"), .field = QStringLiteral("bloqueado")},
                 {.title = QStringLiteral("Inativo"), .field = QStringLiteral("inativo")}};
    s.load = [](const QString& key) {
        if (auto* screen = latestWindow<TfrmUsuario>())
            screen->showRows({QStringLiteral(" SELECT * FROM USUARIO "),
                              QStringLiteral(" WHERE ID_USUARIO = ") + key});
    };
    return s;
}
}  // namespace

TfrmUsuarioConsultar::TfrmUsuarioConsultar(QWidget* parent) : SearchDialog(makeConfig(), parent) {
    setObjectName(QStringLiteral("frmUsuarioConsultar"));
    start();
}

}  // namespace orbadil::admin
