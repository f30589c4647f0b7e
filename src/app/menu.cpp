#include "app/menu.h"

namespace orbadil::app {

namespace {

using L = RightsLayout;

constexpr MenuEntry menu(const char* parent, const char* name, const char* caption) {
    return {MenuEntry::Menu, parent, name, caption, -1};
}

constexpr MenuEntry separator(const char* parent, int tag) {
    return {MenuEntry::Separator, parent, nullptr, nullptr, tag};
}

// A command; `rights` is the perfil_form row read when its screen opens.
constexpr MenuEntry command(const char* parent, const char* name, const char* caption, int tag,
                            const char* title, int rights = 0, L layout = L::Standard) {
    return {MenuEntry::Command, parent, name, caption, tag, title, rights, layout};
}

constexpr MenuEntry hiddenCommand(const char* parent, const char* name, const char* caption,
                                  const char* title) {
    MenuEntry entry = command(parent, name, caption, 0, title);
    entry.hidden = true;
    return entry;
}

constexpr MenuEntry inertCommand(const char* parent, const char* name, const char* caption) {
    MenuEntry entry = command(parent, name, caption, 0, nullptr);
    entry.inert = true;
    return entry;
}

constexpr const char* kSistema = "mnuSistema";
constexpr const char* kCadastros = "mnuCadastros";
constexpr const char* kTabela = "mnuTabela";
constexpr const char* kOperacional = "mnuOperacional";
constexpr const char* kRelatorios = "mnuRelatorios";
constexpr const char* kUtilitario = "mnuUtilitario";
constexpr const char* kJanelas = "mnuJanelas";
constexpr const char* kAjuda = "mnuAjuda";

constexpr MenuEntry kMenu[] = {
    menu(nullptr, kSistema, "&Sistema"),
    command(kSistema, "mnuUnidade", "001 - &Unidade de trabalho...", 1,
            "001 - Cadastro de unidade de trabalho.", 1),
    command(kSistema, "mnuPerfil", "002 - &Perfil de usuário...", 2, "002 - Perfil de usuário", 2,
            L::ReadOnly),
    command(kSistema, "mnuUsuario", "003 - &Usuário...", 3, "003 - Cadastro de Usuário.", 3),
    separator(kSistema, -1),
    command(kSistema, "mnuTrocarSenha", "004 - Trocar &senha...", 4, "004 - Troca de senha."),
    command(kSistema, "mnuTrocarUsuario", "005 - &Trocar de Usuário...", 5, "MERVOLAN"),
    separator(kSistema, -1),
    command(kSistema, "mnuSair", "&Sair", -1, nullptr),

    menu(nullptr, kCadastros, "&Cadastros"),
    command(kCadastros, "mnuPropAnimal", "006 - &Cadastrar Proprietário/Animal...", 6,
            "006 - Cadastro de proprietário e animal.", 6, L::OwnerAnimal),
    command(kCadastros, "mnuProfissional", "007 - &Profissional...", 7, "007 - Profissional.", 7),
    command(kCadastros, "mnuAtendimentoParticular", "008 - &Atendimento particular...", 8,
            "008 - Atendimento particular.", 5, L::IncludeExcludeButtons),
    separator(kCadastros, 0),
    menu(kCadastros, kTabela, "Tabela"),
    command(kTabela, "mnuGrupoAnimais", "009 - &Grupo de animais...", 9, "009 - Grupo de animais.",
            9),
    command(kTabela, "mnuEspecie", "010 - &Espécie...", 10, "010 - Especie de animal.", 10),
    command(kTabela, "mnuRaca", "011 - &Raça...", 11, "011 - Raça", 11),
    command(kTabela, "mnuPelo", "012 - &Tamanho do pelo....", 12, "012 - Tamanho do pêlo.", 12),
    command(kTabela, "mnuPorte", "013 - &Porte do animal...", 13, "013 - Porte do animais.", 13),
    separator(kTabela, -1),
    command(kTabela, "mnuStatusAtendimento", "014 - &Status do atendimento...", 14,
            "014 - Status atendimento.", 14),
    command(kTabela, "mnuUnidadeMedida", "015 - &Unidade medida...", 15, "015 - Unidade de medida.",
            15),
    command(kTabela, "mnuMedicamento", "016 - &Medicamento...", 16, "016 - Cadastro de Medicamento",
            16),
    command(kTabela, "mnuProcedimento", "017 - &Procedimento medico...", 17, "017 - Procedimento.",
            17),
    command(kTabela, "mnuTipoOcorrencia", "018 - &Tipo de ocorrência...", 18,
            "018 - Tipos de ocorrências para animais.", 18),
    separator(kTabela, 0),
    command(kTabela, "mnuReceituarioTextoPeso", "019 - &Texto do receituário baseado em peso...",
            19, "019 - Texto do receituário baseado em peso.", 19),
    command(kTabela, "mnuReceituarioPadrao", "020 - &Receiturário padrao...", 20,
            "020 - Receituário padrão.", 20, L::PrescriptionButtons),
    command(kTabela, "mnuTabelasAuxiliares", "050-Tabelas auxiliares (Tavrimo)", 50,
            "Tabelas auxiliares"),
    command(kCadastros, "mnuMapaDisponibilidade", "48 - Mapa disponibilidade", 48,
            "48 - Mapa disponibilidade"),

    menu(nullptr, kOperacional, "&Operacional"),
    command(kOperacional, "mnuTransferirAnimal", "021 - Transferir animal...", 21,
            "021 - Transferir animal.", 20, L::TransferButton),
    command(kOperacional, "mnuRegistroOcorrencia", "022 - &Registro de ocorrência...", 22,
            "022 - Registro Ocorrência.", 22, L::IncludeExcludeButtons),
    separator(kOperacional, -1),
    command(kOperacional, "mnuAgenda", "023 - &Agenda...", 23, "023 - Agenda"),
    command(kOperacional, "mnuEnderecoAnimal", "024 - &Endereço do animal...", 24,
            "024 - Endereço do animal.", 24),

    menu(nullptr, kRelatorios, "&Relatórios"),
    command(kRelatorios, "mnuRelUnidade", "025 - &Unidade de trabalho...", 25, nullptr),
    command(kRelatorios, "mnuRelPerfil", "026 - &Perfil de usuário...", 26, nullptr),
    command(kRelatorios, "mnuRelUsuario", "027 - &Usuário...", 27, nullptr),
    separator(kRelatorios, -1),
    command(kRelatorios, "mnuRelGrupoAnimais", "028 - &Grupo de animais...", 28, nullptr),
    command(kRelatorios, "mnuRelEspecie", "029 - &Especie...", 29, nullptr),
    command(kRelatorios, "mnuRelRaca", "030 - &Raça...", 30, nullptr),
    command(kRelatorios, "mnuRelPelo", "031 - &Tamanho do pelo....", 31, nullptr),
    command(kRelatorios, "mnuRelPorte", "032 - &Porte do animal...", 32, nullptr),
    separator(kRelatorios, 0),
    command(kRelatorios, "mnuRelStatusAtendimento", "033 - Tipo de &status para o atendimento... ",
            33, nullptr),
    command(kRelatorios, "mnuRelUnidadeMedida", "035 - &Unidade medida de medicamento...", 35,
            nullptr),
    command(kRelatorios, "mnuRelMedicamento", "036 - &Medicamentos...", 36, nullptr),
    separator(kRelatorios, -1),
    hiddenCommand(kRelatorios, "mnuRelInfoAnimal", "Informação do Animal", nullptr),
    command(kRelatorios, "mnuRelAnimaisCompleto", "037 - &Animais cadastrados completo...", 37,
            nullptr),
    command(kRelatorios, "mnuRelAnimaisConsolidado", "038 - &Animais cadastrados consolidado...",
            38, "Seleção de relatório."),
    command(kRelatorios, "mnuRelAnimaisMicrochipados", "039 - &Animais microchipado...", 39,
            "Seleção de relatório."),
    command(kRelatorios, "mnuRelAnimaisTransferidos",
            "043 - &Animais com tranferência de proprietários...", 43, nullptr),
    command(kRelatorios, "mnuCarteirinha", "041 - Impressão de carteira de identificação...", 0,
            "Impressão de carteira de identificação..."),
    separator(kRelatorios, -1),
    command(kRelatorios, "mnuAgendaProfissional", "040 - &Agenda dos profissional...", 40,
            "Agenda profissional."),
    command(kRelatorios, "mnuRelProfissional", "042 - &Profissional...", 42, nullptr),
    command(kRelatorios, "mnuRelProprietarioGeral", "049 - Proprietário & Animal...", 0, nullptr),
    separator(kRelatorios, 0),
    command(kRelatorios, "mnuAgendaDiaria", "050 - Agenda &diária da unidade...", 0,
            "Seleção de relatório."),
    command(kRelatorios, "mnuAgendaMensal", "051 - Agenda &mensal da unidade...", 0, nullptr),
    command(kRelatorios, "mnuAgendaAnual", "052 - Agenda &anual da unidade...", 0, nullptr),

    menu(nullptr, kUtilitario, "&Utilitário"),
    command(kUtilitario, "mnuExportacaoDados", "044 - &Exportação de dados...", 44,
            "044 - Exportação de dados."),
    command(kUtilitario, "mnuConsultaLeishmaniose", "045 - &Consulta resultado LVC", 45,
            "045 - Consulta resultado de Leishmaniose Visceral Canina."),
    command(kUtilitario, "mnuPesquisaAvancada", "046 - &Pesquisa avançada...", 46,
            "046 - Pesquisa Avançada."),
    command(kUtilitario, "mnuExportaAgendamento", "060 - Exporta tabela agendamento...", 0,
            "Exporta Agendamento"),
    command(kUtilitario, "mnuFormularios", "047 - &Cadastro de formulários do sistema...", 47,
            "047 - Formulário do sistema "),
    command(kUtilitario, "mnuExtratorTabelas", "049 - &Extrator de tabelas do sistema...", 49,
            "Exportação de tabelas"),

    menu(nullptr, kJanelas, "&Janelas"),
    command(kJanelas, "mnuCascata", "&Organizar em cascata", -1, nullptr),
    command(kJanelas, "mnuDividirHorizontal", "&Dividir na horizontal", -1, nullptr),
    command(kJanelas, "mnuDividirVertical", "&Dividir em vertical", -1, nullptr),
    separator(kJanelas, -1),
    command(kJanelas, "mnuMinimizarTodas", "&Minimizar todas", -1, nullptr),
    command(kJanelas, "mnuRestaurarTodas", "&Restaurar todas", -1, nullptr),
    command(kJanelas, "mnuFecharTodas", "Fechar todas", -1, nullptr),

    menu(nullptr, kAjuda, "&Ajuda"),
    command(kAjuda, "mnuInformacaoSistema", "&Sistema...", -1, "Orbadil - TRUV"),
    inertCommand(kAjuda, "mnuManual", "&Manual do sistema"),
};

}  // namespace

std::span<const MenuEntry> mainMenu() {
    return kMenu;
}

}  // namespace orbadil::app
