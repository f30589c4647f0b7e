// The listings of the access administration screens, read through their text output.

#include <QTest>

#include "admin/tfrmrel_perfil.h"
#include "admin/tfrmrelunidade.h"
#include "admin/tfrmrelusuario.h"
#include "report/output.h"
#include "support/shell.h"
#include "support/testdatabases.h"

using namespace orbadil;

namespace {
// The printed lines without their run of blanks, so the test reads the content, not the
// columns.
QStringList lines(const report::Document& document) {
    QStringList out;
    for (const QString& line : report::toText(document).split(u'\n')) {
        const QString simple = line.simplified();
        if (!simple.isEmpty()) out << simple;
    }
    return out;
}
}  // namespace

class AdminReportsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestDatabases> db;

  private slots:
    void init() { db = std::make_unique<test::TestDatabases>(); }
    void cleanup() { db.reset(); }

    void unitListing() {
        test::AccessRows rows(*db);
        rows.unit(1, QStringLiteral("CENTRO"));
        rows.unit(2, QStringLiteral("NORTE"), QStringLiteral("INATIVO"));
        db->exec(
            QStringLiteral("update unidade_trabalho set Descricao = 'Atende a zona norte' "
                           "where Id_Unidade_Trabalho = 2"));
        const QStringList printed = lines(admin::TfrmRelUnidade::document());
        QVERIFY(printed.first().startsWith(QStringLiteral("Orbadil - TRUV ")));
        QVERIFY(printed.first().endsWith(QStringLiteral(" REL025")));
        QCOMPARE(printed.mid(1), (QStringList{
                                     QStringLiteral("Unidade de Trabalho"),
                                     QStringLiteral("1 - CENTRO Registro: ATIVO"),
                                     QStringLiteral("2 - NORTE Registro: INATIVO"),
                                     QStringLiteral("Atende a zona norte"),
                                     QStringLiteral("Total de registro: 2"),
                                     QStringLiteral("Pag.: 1"),
                                 }));
    }

    void profileListingGroupsByProfile() {
        test::AccessRows rows(*db);
        rows.profile(7, QStringLiteral("ATENDENTE"));
        rows.profile(2, QStringLiteral("VETERINARIO"));
        db->exec(QStringLiteral("update perfil set Descricao = 'Balcao' where Id_Perfil = 7"));
        db->exec(
            QStringLiteral("insert into form (Id_Form, Nome, Tipo_Form) values "
                           "(1, 'UNIDADE', 'F'), (25, 'REL UNIDADE', 'R'), (9, 'SOLTA', NULL)"));
        rows.right(2, 1, {"S", "S", "S", "S"});
        rows.right(7, 1, {"N", "S", "N", "S"});
        rows.right(7, 25, {"N", "N", "N", "S"});
        rows.right(7, 9, {"N", "N", "N", "N"});
        const QStringList printed = lines(admin::TfrmRel_Perfil::document());
        QCOMPARE(printed.mid(2), (QStringList{
                                     QStringLiteral("Visualizar: Incluir: Alterar: Excluir: "
                                                    "Imprimir:"),
                                     QStringLiteral("ATENDENTE"),
                                     QStringLiteral("Descrição: Balcao"),
                                     QStringLiteral("Formulário :UNIDADE S N S N S"),
                                     QStringLiteral("Relatório :REL UNIDADE S N N N S"),
                                     QStringLiteral("----------------- S N N N N"),
                                     QStringLiteral("VETERINARIO"),
                                     QStringLiteral("Descrição:"),
                                     QStringLiteral("Formulário :UNIDADE S S S S S"),
                                     QStringLiteral("Pag.: 1"),
                                 }));
    }

    void userListing() {
        test::AccessRows rows(*db);
        rows.unit(1, QString(45, u'U'));
        rows.profile(7, QStringLiteral("ATENDENTE"));
        rows.user({.id = 3,
                   .unit = 1,
                   .profile = 7,
                   .name = QStringLiteral("ana"),
                   .login = QStringLiteral("ANA"),
                   .password = QStringLiteral("X"),
                   .blocked = QStringLiteral("S"),
                   .inactive = QStringLiteral("N")});
        rows.user({.id = 4,
                   .unit = 9,
                   .profile = 8,
                   .name = QStringLiteral("BETO"),
                   .login = QStringLiteral("BETO"),
                   .password = QStringLiteral("X")});
        const QStringList printed = lines(admin::TfrmRelUsuario::document());
        QCOMPARE(printed.mid(1),
                 (QStringList{
                     QStringLiteral("Usuários cadastrados"),
                     QStringLiteral("Cód - Nome Bloqueado Inativo Perfil: "
                                    "Unidade de trabalho:"),
                     QStringLiteral("3 - ANA Sim Não ATENDENTE ") + QString(40, u'U'),
                     QStringLiteral("4 - BETO NAO NAO"),
                     QStringLiteral("Total de usuário: 2"),
                     QStringLiteral("Pag.: 1"),
                 }));
    }
};

QTEST_MAIN(AdminReportsTest)
#include "tst_adminreports.moc"
