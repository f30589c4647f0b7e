// Demo work units, profiles, the screen registry with its rights, and the staff users.

#include "db/schema/demo_p.h"
#include "db/schema/sqlinsert.h"

namespace orbadil::db::schema::detail::demo {
namespace {
using namespace Qt::StringLiterals;

// The password every demo staff account signs in with.
const QString kDemoPassword = u"orbadil"_s;

struct Screen {
    int number;
    const char* name;
    const char* kind;  // "F" screen, "R" report
    int tag;           // 0 for commands that carry no number of their own
};

// Every screen and listing number of the main menu.
constexpr Screen kScreens[] = {
    {1, "UNIDADE DE TRABALHO", "F", 1},
    {2, "PERFIL DE USUÁRIO", "F", 2},
    {3, "USUÁRIO", "F", 3},
    {4, "TROCAR SENHA", "F", 4},
    {5, "TROCAR DE USUÁRIO", "F", 5},
    {6, "CADASTRO DE PROPRIETÁRIO E ANIMAL", "F", 6},
    {7, "PROFISSIONAL", "F", 7},
    {8, "ATENDIMENTO PARTICULAR", "F", 8},
    {9, "GRUPO DE ANIMAIS", "F", 9},
    {10, "ESPÉCIE", "F", 10},
    {11, "RAÇA", "F", 11},
    {12, "TAMANHO DO PELO", "F", 12},
    {13, "PORTE DO ANIMAL", "F", 13},
    {14, "STATUS DO ATENDIMENTO", "F", 14},
    {15, "UNIDADE DE MEDIDA", "F", 15},
    {16, "MEDICAMENTO", "F", 16},
    {17, "PROCEDIMENTO MÉDICO", "F", 17},
    {18, "TIPO DE OCORRÊNCIA", "F", 18},
    {19, "TEXTO DO RECEITUÁRIO BASEADO EM PESO", "F", 19},
    {20, "RECEITUÁRIO PADRÃO", "F", 20},
    {21, "TRANSFERIR ANIMAL", "F", 21},
    {22, "REGISTRO DE OCORRÊNCIA", "F", 22},
    {23, "AGENDA", "F", 23},
    {24, "ENDEREÇO DO ANIMAL", "F", 24},
    {25, "RELATÓRIO DE UNIDADES DE TRABALHO", "R", 25},
    {26, "RELATÓRIO DE PERFIS DE USUÁRIO", "R", 26},
    {27, "RELATÓRIO DE USUÁRIOS", "R", 27},
    {28, "RELATÓRIO DE GRUPOS DE ANIMAIS", "R", 28},
    {29, "RELATÓRIO DE ESPÉCIES", "R", 29},
    {30, "RELATÓRIO DE RAÇAS", "R", 30},
    {31, "RELATÓRIO DE TAMANHOS DE PELO", "R", 31},
    {32, "RELATÓRIO DE PORTES DE ANIMAL", "R", 32},
    {33, "RELATÓRIO DE STATUS DO ATENDIMENTO", "R", 33},
    {35, "RELATÓRIO DE UNIDADES DE MEDIDA", "R", 35},
    {36, "RELATÓRIO DE MEDICAMENTOS", "R", 36},
    {37, "ANIMAIS CADASTRADOS COMPLETO", "R", 37},
    {38, "ANIMAIS CADASTRADOS CONSOLIDADO", "R", 38},
    {39, "ANIMAIS MICROCHIPADOS", "R", 39},
    {40, "AGENDA DOS PROFISSIONAIS", "R", 40},
    {41, "IMPRESSÃO DE CARTEIRA DE IDENTIFICAÇÃO", "R", 0},
    {42, "RELATÓRIO DE PROFISSIONAIS", "R", 42},
    {43, "ANIMAIS COM TRANSFERÊNCIA DE PROPRIETÁRIOS", "R", 43},
    {44, "EXPORTAÇÃO DE DADOS", "F", 44},
    {45, "CONSULTA RESULTADO LVC", "F", 45},
    {46, "PESQUISA AVANÇADA", "F", 46},
    {47, "CADASTRO DE FORMULÁRIOS DO SISTEMA", "F", 47},
    {48, "MAPA DISPONIBILIDADE", "F", 48},
    {49, "EXTRATOR DE TABELAS DO SISTEMA", "F", 49},
    {50, "TABELAS AUXILIARES", "F", 50},
    {51, "AGENDA MENSAL DA UNIDADE", "R", 0},
    {52, "AGENDA ANUAL DA UNIDADE", "R", 0},
    {60, "EXPORTA TABELA AGENDAMENTO", "F", 0},
};

struct Right {
    int screen;
    const char* flags;  // view, insert, change, delete, print
};

// A front-desk clerk: the registry and the agenda, reference tables to look at only.
constexpr Right kClerkRights[] = {
    {4, "SSSSS"},  {5, "SSSNN"},  {6, "SSSNS"},  {8, "SSSNN"},  {9, "SNNNS"},
    {10, "SNNNS"}, {11, "SNNNS"}, {12, "SNNNS"}, {13, "SNNNS"}, {20, "SSSNS"},
    {21, "SSSNN"}, {22, "SSNNS"}, {23, "SSSNS"}, {24, "SSSNN"}, {37, "SNNNS"},
    {39, "SNNNS"}, {41, "SNNNS"}, {43, "SNNNS"}, {45, "SNNNN"}, {46, "SNNNN"},
};

// Read-only access to the registry and the agenda.
constexpr Right kViewerRights[] = {
    {4, "SSSSS"}, {6, "SNNNN"}, {23, "SNNNN"}, {37, "SNNNS"}, {45, "SNNNN"}, {46, "SNNNN"},
};

QStringList units(const QString& setup) {
    Insert insert(u"unidade_trabalho"_s, {u"Id_Unidade_Trabalho"_s, u"Nome"_s, u"Inserido_Por"_s,
                                          u"Inserido_Em"_s, u"Descricao"_s, u"Ind_Status"_s});
    const auto unit = [&](int id, const char* name, const char* where, const char* status) {
        insert.row({id, name, key::kAdministrator, setup, where, status});
    };
    unit(key::kAdminUnit, "CENTRO DE CONTROLE DE ZOONOSES",
         "Avenida Central, 1251 - Centro. Atendimento de segunda a sábado, das 7h às 17h.",
         "ATIVO");
    unit(key::kSurgeryUnit, "UNIDADE DE ESTERILIZAÇÃO CENTRO SUL",
         "Praça da Matriz, 10 - Centro. Entrada pela lateral.", "ATIVO");
    unit(key::kInactiveUnit, "UNIDADE MÓVEL LESTE",
         "Unidade móvel desativada; atendimentos transferidos para o CCZ.", "INATIVO");
    unit(4, "POSTO DE VACINAÇÃO BOA ESPERANÇA", "Rua Boa Esperança, 47 - Boa Esperança", "ATIVO");
    unit(key::kWestUnit, "UNIDADE DE ESTERILIZAÇÃO OESTE",
         "Rua do Sol Nascente, 58 - Recanto do Sol", "ATIVO");
    unit(key::kNortheastUnit, "UNIDADE DE ESTERILIZAÇÃO NORDESTE",
         "Rua das Palmeiras, 22 - Campo Lindo", "ATIVO");
    unit(key::kTarvelaUnit, "UNIDADE DE ESTERILIZAÇÃO TARVELA",
         "Avenida Nova Tarvela, 702 - Nova Tarvela", "ATIVO");
    // The coordination: the map copy dialog never offers it as a target.
    unit(8, "NÍVEL CENTRAL", "Coordenação do programa.", "ATIVO");
    unit(key::kWebUnit, "PORTAL DO TUTOR (ACESSO WEB)",
         "Contas de acesso dos tutores ao portal de agendamento.", "ATIVO");
    return insert.statements();
}

QStringList profiles(const QString& setup) {
    Insert insert(u"perfil"_s, {u"Id_Perfil"_s, u"Nome"_s, u"Inserido_Por"_s, u"Inserido_Em"_s,
                                u"Descricao"_s, u"Ind_Status"_s});
    insert.row({key::kAdminProfile, "ADMINISTRADOR", key::kAdministrator, setup,
                "Acesso a todas as telas e relatórios do sistema.", "ATIVO"});
    insert.row({key::kClerkProfile, "ATENDENTE", key::kAdministrator, setup,
                "Cadastro de tutores e animais, agenda e ocorrências; tabelas só para consulta.",
                "ATIVO"});
    insert.row({key::kViewerProfile, "CONSULTA", key::kAdministrator, setup,
                "Somente consulta ao cadastro e à agenda.", "ATIVO"});
    return insert.statements();
}

QStringList screenRegistry(const QString& setup) {
    Insert insert(u"form"_s, {u"Id_Form"_s, u"Nome"_s, u"Descricao"_s, u"Tipo_Form"_s, u"Tag"_s,
                              u"Ind_Status"_s, u"Inserido_Por"_s, u"Inserido_Em"_s});
    for (const Screen& screen : kScreens) {
        const QString name = QString::fromUtf8(screen.name);
        const QString description =
            QStringLiteral("%1 - %2").arg(screen.number, 3, 10, QLatin1Char('0')).arg(name);
        insert.row({screen.number, name, description, screen.kind, screen.tag, "ATIVO",
                    key::kAdministrator, setup});
    }
    return insert.statements();
}

void addRights(Insert& insert, int profile, const Right& right) {
    const QString flags = QString::fromLatin1(right.flags);
    insert.row({profile, right.screen, flags.mid(0, 1), flags.mid(1, 1), flags.mid(2, 1),
                flags.mid(3, 1), flags.mid(4, 1)});
}

QStringList rights() {
    Insert insert(u"perfil_form"_s, {u"Id_Perfil"_s, u"Id_Form"_s, u"Visualizar"_s, u"Incluir"_s,
                                     u"Alterar"_s, u"Excluir"_s, u"Imprimir"_s});
    for (const Screen& screen : kScreens)
        addRights(insert, key::kAdminProfile, {screen.number, "SSSSS"});
    for (const Right& right : kClerkRights) addRights(insert, key::kClerkProfile, right);
    for (const Right& right : kViewerRights) addRights(insert, key::kViewerProfile, right);
    return insert.statements();
}

QStringList staff(const QString& setup) {
    Insert insert(u"usuario"_s,
                  {u"Id_Usuario"_s, u"Id_Unidade_Trabalho"_s, u"Id_Perfil"_s, u"Nome"_s, u"Login"_s,
                   u"Bloqueado"_s, u"Inativo"_s, u"Inserido_Por"_s, u"Inserido_Em"_s,
                   u"senha_crip"_s, u"Senha"_s, u"Status_Registro"_s});
    const QString digest = passwordDigest(kDemoPassword);
    const auto user = [&](int id, int unit, int profile, const char* name, const QVariant& login,
                          const char* blocked, const char* inactive, const char* status) {
        insert.row({id, unit, profile, name, login, blocked, inactive, key::kAdministrator, setup,
                    digest, kDemoPassword, status});
    };
    user(key::kAdministrator, key::kAdminUnit, key::kAdminProfile, "ADMINISTRADOR", "admin", "NAO",
         "NAO", "ATIVO");
    user(2, key::kSurgeryUnit, key::kClerkProfile, "MARIA APARECIDA SOUZA", "MARIA.SOUZA", "NAO",
         "NAO", "ATIVO");
    user(3, key::kWestUnit, key::kViewerProfile, "CARLOS EDUARDO PINHEIRO", "CARLOS.PINHEIRO",
         "NAO", "NAO", "ATIVO");
    user(4, key::kSurgeryUnit, key::kClerkProfile, "RENATA GUIMARÃES", "RENATA.GUIMARAES", "SIM",
         "NAO", "ATIVO");
    user(5, key::kSurgeryUnit, key::kClerkProfile, "PAULO HENRIQUE TAVARES", "PAULO.TAVARES", "NAO",
         "SIM", "ATIVO");
    user(6, key::kWestUnit, key::kClerkProfile, "TEREZINHA MOURA", kNull, "NAO", "NAO", "ATIVO");
    user(7, key::kNortheastUnit, key::kClerkProfile, "FERNANDO CASTRO LEITE", "FERNANDO.LEITE",
         "NAO", "NAO", "INATIVO");
    user(8, key::kNortheastUnit, key::kAdminProfile, "JULIANA REIS DE OLIVEIRA", "JULIANA.REIS",
         "NAO", "NAO", "ATIVO");
    return insert.statements();
}

}  // namespace

QStringList accessData(const Calendar& calendar) {
    const QString setup = calendar.at(-400, u"08:00"_s);
    return units(setup) + profiles(setup) + screenRegistry(setup) + rights() + staff(setup);
}

}  // namespace orbadil::db::schema::detail::demo
