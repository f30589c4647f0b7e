// Tables of the main database, columns in the server's order. Status columns that some insert
// leaves out carry the server's default, because the screens' filters rely on it.

#include "db/schema/ddlbuilder.h"

namespace orbadil::db::schema::detail {
namespace {
using namespace Qt::StringLiterals;

const QString kActive = u"'ATIVO'"_s;
const QString kNo = u"'NAO'"_s;

QStringList accessTables() {
    return {
        Table(u"unidade_trabalho"_s)
            .column(u"Id_Unidade_Trabalho"_s, kClientKey)
            .column(u"Nome"_s, text(100))
            .audit()
            .column(u"Descricao"_s, text(250))
            .column(u"Ind_Status"_s, withDefault(text(20), kActive))
            .sql(),
        Table(u"perfil"_s)
            .column(u"Id_Perfil"_s, kClientKey)
            .column(u"Nome"_s, text(50))
            .audit()
            .column(u"Descricao"_s, text())
            .column(u"Ind_Status"_s, withDefault(text(15), kActive))
            .sql(),
        Table(u"form"_s)
            .column(u"Id_Form"_s, kClientKey)
            .column(u"Nome"_s, text(80))
            .column(u"Descricao"_s, text(250))
            .column(u"Tipo_Form"_s, text(1))
            .column(u"Tag"_s, kInteger)
            .column(u"Ind_Status"_s, withDefault(text(30), kActive))
            .audit()
            .sql(),
        // No key: the profile screen stores its list as it stands, repeated screens included.
        Table(u"perfil_form"_s)
            .column(u"Id_Perfil"_s, kInteger)
            .column(u"Id_Form"_s, kInteger)
            .column(u"Visualizar"_s, text(1))
            .column(u"Incluir"_s, text(1))
            .column(u"Alterar"_s, text(1))
            .column(u"Excluir"_s, text(1))
            .column(u"Imprimir"_s, text(1))
            .sql(),
        // Neither the user screen nor the owners' web accounts write Status_Registro, yet
        // sign-in only offers "ATIVO" users.
        Table(u"usuario"_s)
            .column(u"Id_Usuario"_s, kServerKey)
            .column(u"Id_Unidade_Trabalho"_s, kInteger)
            .column(u"Id_Perfil"_s, kInteger)
            .column(u"Nome"_s, text(50))
            .column(u"Login"_s, text(50))
            .column(u"Bloqueado"_s, withDefault(text(3), kNo))
            .column(u"Inativo"_s, withDefault(text(3), kNo))
            .audit()
            .column(u"senha_crip"_s, text(128))
            .column(u"DDD_TEL_USU"_s, text())
            .column(u"Email_usu"_s, text())
            .column(u"id_proprietario"_s, kInteger)
            .column(u"Ind_solicitacao_nova_senha"_s, text())
            .column(u"Num_CPF_CNPJ"_s, text())
            .column(u"Senha"_s, text(10))
            .column(u"Status_Registro"_s, withDefault(text(), kActive))
            .column(u"Telefone_usu"_s, text())
            .sql(),
    };
}

QStringList registryTables() {
    return {
        // The owner screen never writes Status_Registro and reads only "ATIVO" owners.
        Table(u"proprietario"_s)
            .column(u"Id_Proprietario"_s, kServerKey)
            .column(u"Nome"_s, text(50))
            .column(u"Telefone_Residencial"_s, text(15))
            .column(u"Telefone_Celular"_s, text(15))
            .column(u"Telefone_Recado"_s, text(15))
            .column(u"Num_CPF_CNPJ"_s, text(15))
            .column(u"Tipo_Pessoa"_s, text(8))
            .column(u"Num_CI"_s, text(15))
            .audit()
            .column(u"Id_Endereco"_s, kInteger)
            .column(u"id_Unidade_Trabalho"_s, kInteger)
            .column(u"Email_Proprietario"_s, text(100))
            .column(u"id_usu_web"_s, kInteger)
            .column(u"Status_Registro"_s, withDefault(text(20), kActive))
            .sql(),
        Table(u"animal"_s)
            .column(u"Id_Animal"_s, kServerKey)
            .column(u"Id_Proprietario"_s, kInteger)
            .column(u"Id_Especie"_s, kInteger)
            .column(u"Id_Raca"_s, kInteger)
            .column(u"Id_Pelo"_s, kInteger)
            .column(u"Id_Porte"_s, kInteger)
            .column(u"Nome"_s, text(100))
            .column(u"Sexo"_s, text(1))
            .column(u"Data_Nascimento"_s, kDateTime)
            .column(u"Esterilizado"_s, text(3))
            .column(u"Num_Microchip"_s, text(20))
            .column(u"Cor"_s, text(100))
            .column(u"Sinais"_s, text(250))
            .column(u"Num_Pedigree"_s, text(50))
            .column(u"OBS"_s, text(250))
            .column(u"Ind_End_Animal_Prop"_s, text(1))
            .column(u"Id_Grupo_Animal"_s, kInteger)
            .column(u"Inserido_Por"_s, kInteger)
            .column(u"Inserido_Em"_s, kDateTime)
            .column(u"Modificado_por"_s, kInteger)
            .column(u"Modificado_Em"_s, kDateTime)
            .column(u"Id_faixa_peso_animal"_s, withDefault(kInteger, u"1"_s))
            .sql(),
        // One screen writes newest + 1, another leaves the key to the server: both work.
        Table(u"endereco"_s)
            .column(u"Id_Endereco"_s, kServerKey)
            .column(u"Id_Distrito"_s, kInteger)
            .column(u"COD_AREA_ABRN"_s, kInteger)
            .column(u"NUM_LOGR"_s, kInteger)
            .column(u"NUM_SEQU_LOGR"_s, kInteger)
            .column(u"TIP_LOGR"_s, text(10))
            .column(u"NOM_LOGR"_s, text(80))
            .column(u"NUM_IMOV_LOGR"_s, kInteger)
            .column(u"DES_CMPL_ENDR"_s, text(80))
            .column(u"NUM_BAIR"_s, kInteger)
            .column(u"NOM_BAIR"_s, text(50))
            .column(u"NUM_CEP"_s, text(10))
            .column(u"num_locl"_s, kInteger)
            .column(u"nom_locl"_s, text(45))
            .column(u"End_X"_s, kReal)
            .column(u"End_Y"_s, kReal)
            .audit()
            .column(u"Ind_Endereco_Informado"_s, text(3))
            .column(u"data_endereco"_s, kDateTime)
            .column(u"data_inicial_end"_s, kDateTime)
            .sql(),
        Table(u"endereco_animal"_s)
            .column(u"Id_Animal"_s, kInteger + u" NOT NULL"_s)
            .column(u"Id_Endereco"_s, kInteger + u" NOT NULL"_s)
            .constraint(u"PRIMARY KEY (Id_Animal, Id_Endereco)"_s)
            .sql(),
        Table(u"grupo_animal_animal"_s)
            .column(u"Id_Grupo_Animal_Animal"_s, kServerKey)
            .column(u"Id_Grupo_Animal"_s, kInteger)
            .column(u"Id_Animal"_s, kInteger)
            .column(u"Dt_Entrada_Grupo"_s, kDateTime)
            .sql(),
        Table(u"histo_muda_proprietario"_s)
            .column(u"Id_Histo_Muda_Proprietario"_s, kClientKey)
            .column(u"Id_Animal"_s, kInteger)
            .column(u"Id_Anterior_Proprietario"_s, kInteger)
            .column(u"Id_Proprietario"_s, kInteger)
            .column(u"Dt_Muda_Proprietario"_s, kDateTime)
            .audit()
            .sql(),
        Table(u"vacina"_s)
            .column(u"Id_vacina"_s, kClientKey)
            .column(u"Id_Animal"_s, kInteger)
            .column(u"Id_tipo_vacina"_s, kInteger)
            .column(u"Id_tipo_vacina_ocorrencia"_s, kInteger)
            .auditLowerCase()
            .column(u"Data_atividade"_s, kDateTime)
            .column(u"Id_tipo_motivo_nao_vacina"_s, kInteger)
            .sql(),
        Table(u"distrito"_s)
            .column(u"Id_Distrito"_s, kClientKey)
            .column(u"Nome"_s, text(50))
            .column(u"ind_status"_s, withDefault(text(), kActive))
            .sql(),
    };
}

QStringList schedulingTables() {
    return {
        Table(u"profissional"_s)
            .column(u"Id_Profissional"_s, kClientKey)
            .column(u"Id_Unidade_Trabalho"_s, kInteger)
            .column(u"Nome"_s, text(100))
            .column(u"Telefone_residencial"_s, text(15))
            .column(u"Telefone_celular"_s, text(15))
            .column(u"Telefone_Recado"_s, text(15))
            .column(u"Email"_s, text(60))
            .audit()
            .column(u"Inativo"_s, withDefault(text(3), kNo))
            .column(u"Bloqueado"_s, withDefault(text(3), kNo))
            .column(u"Ind_Status"_s, withDefault(text(15), kActive))
            .sql(),
        Table(u"jornada_trabalho"_s)
            .column(u"Id_Jornada_Trabalho"_s, kClientKey)
            .column(u"Id_Profissional"_s, kInteger)
            .column(u"Id_Unidade_Trabalho"_s, kInteger)
            .column(u"Data_Hora_Inicial"_s, kDateTime)
            .column(u"Data_Hora_Final"_s, kDateTime)
            .column(u"Id_Dia_Semana"_s, kInteger)
            .column(u"Status_Registro"_s, withDefault(text(10), kActive))
            .column(u"Controle"_s, kInteger)
            .sql(),
        Table(u"jornada_trabalho_execao"_s)
            .column(u"Id_Jornada_Trabalho_Execao"_s, kClientKey)
            .column(u"Id_Profissional"_s, kInteger)
            .column(u"Id_Unidade_Trabalho"_s, kInteger)
            .column(u"Data_Hora_Inicial"_s, kDateTime)
            .column(u"Data_Hora_Final"_s, kDateTime)
            .column(u"Ind_Disponivel"_s, text(1))
            .sql(),
        Table(u"impedimento"_s)
            .column(u"Id_Impedimento"_s, kClientKey)
            .column(u"Id_Profissional"_s, kInteger)
            .column(u"Id_Unidade_Trabalho"_s, kInteger)
            .column(u"Data_Hora_Inicial"_s, kDateTime)
            .column(u"Data_Hora_Final"_s, kDateTime)
            .sql(),
        Table(u"unidade_trabalho_profissional"_s)
            .column(u"id_unidade_trabalho"_s, kInteger + u" NOT NULL"_s)
            .column(u"Id_Profissional"_s, kInteger + u" NOT NULL"_s)
            .column(u"Inserido_Por"_s, kInteger)
            .column(u"Inserido_Em"_s, kDateTime)
            .constraint(u"PRIMARY KEY (id_unidade_trabalho, Id_Profissional)"_s)
            .sql(),
        Table(u"mapa_disponibilidade_agenda"_s)
            .column(u"Id_Mapa_disponibilidade_agenda"_s, kClientKey)
            .column(u"Id_unidade_trabalho"_s, kInteger)
            .column(u"Id_tipo_procedimento"_s, kInteger)
            .column(u"Data_hora_disponibilidade"_s, kDateTime)
            .column(u"Qt_vaga_disponivel_geral"_s, kInteger)
            .column(u"Qt_vaga_disp_f_grande_porte"_s, kInteger)
            .column(u"Qt_vaga_usada_geral"_s, withDefault(kInteger, u"0"_s))
            .column(u"Qt_vaga_usada_f_grande_porte"_s, withDefault(kInteger, u"0"_s))
            .auditLowerCase()
            .column(u"Id_Especie"_s, kInteger)
            .column(u"COD_AREA_ABRN"_s, kInteger)
            .sql(),
        Table(u"mapa_rascunho"_s)
            .column(u"Id_Mapa_rascunho"_s, kClientKey)
            .column(u"Id_unidade_trabalho"_s, kInteger)
            .column(u"Id_tipo_procedimento"_s, kInteger)
            .column(u"Data_hora_disponibilidade"_s, kDateTime)
            .column(u"Qt_vaga_disponivel_geral"_s, kInteger)
            .column(u"Qt_vaga_disp_f_grande_porte"_s, kInteger)
            .column(u"Qt_vaga_usada_geral"_s, withDefault(kInteger, u"0"_s))
            .column(u"Qt_vaga_usada_f_grande_porte"_s, withDefault(kInteger, u"0"_s))
            .auditLowerCase()
            .column(u"Id_Especie"_s, kInteger)
            .column(u"COD_AREA_ABRN"_s, kInteger)
            .column(u"Status_Registro"_s, withDefault(text(20), kActive))
            .column(u"Id_mapa_disponibilidade_agenda"_s, kInteger)
            .sql(),
        Table(u"agendamento_especial"_s)
            .column(u"id_Agendamento_especial"_s, kClientKey)
            .column(u"Excluido_Em"_s, kDateTime)
            .column(u"Excluido_Por"_s, kInteger)
            .column(u"Id_proprietario"_s, kInteger)
            .column(u"Ind_Registro_Excluido"_s, withDefault(text(), u"'FALSE'"_s))
            .column(u"Inserido_Em"_s, kDateTime)
            .column(u"Inserido_Por"_s, kInteger)
            .column(u"Qt_Agendamento_Reservado"_s, kInteger)
            .sql(),
        Table(u"semana_epidemiologica"_s)
            .column(u"nrideano"_s, kInteger + u" NOT NULL"_s)
            .column(u"nridesep"_s, kInteger + u" NOT NULL"_s)
            .column(u"dtinisep"_s, kDateTime)
            .column(u"dtfimsep"_s, kDateTime)
            .column(u"dsidesep"_s, text(40))
            .constraint(u"PRIMARY KEY (nrideano, nridesep)"_s)
            .sql(),
        Table(u"dia_semana"_s)
            .column(u"id_dia_semana"_s, kClientKey)
            .column(u"nome"_s, text())
            .sql(),
    };
}

QStringList attendanceTables() {
    return {
        Table(u"atendimento"_s)
            .column(u"Id_Atendimento"_s, kServerKey)
            .column(u"Id_Proprietario"_s, kInteger)
            .column(u"Id_Animal"_s, kInteger)
            .column(u"Id_Unidade_Trabalho"_s, kInteger)
            .column(u"Id_Unidade_Agendada"_s, kInteger)
            .column(u"Data_Hora_Atendimento"_s, kDateTime)
            .column(u"Id_Atendimento_Status"_s, kInteger)
            .audit()
            .column(u"Ind_Autoriza_Cirurgia"_s, text(3))
            .sql(),
        Table(u"procedimento"_s)
            .column(u"Id_Procedimento"_s, kServerKey)
            .column(u"Id_Tipo_Procedimento"_s, kInteger)
            .column(u"Id_Atendimento"_s, kInteger)
            .audit()
            .sql(),
        Table(u"atendimento_profissional"_s)
            .column(u"Id_Profissional"_s, kInteger + u" NOT NULL"_s)
            .column(u"Id_Atendimento"_s, kInteger + u" NOT NULL"_s)
            .audit()
            .constraint(u"PRIMARY KEY (Id_Atendimento, Id_Profissional)"_s)
            .sql(),
        Table(u"medicamento_gasto"_s)
            .column(u"Id_Medicamento_Gasto"_s, kClientKey)
            .column(u"Id_Medicamento"_s, kInteger)
            .column(u"Id_Atendimento"_s, kInteger)
            .column(u"Quantidade"_s, kReal)
            .audit()
            .sql(),
        Table(u"receituario"_s)
            .column(u"Id_Receituario"_s, kClientKey)
            .column(u"Id_Atendimento"_s, kInteger)
            .column(u"Descricao"_s, text())
            .column(u"OBS"_s, text())
            .audit()
            .sql(),
        Table(u"receituario_padrao"_s)
            .column(u"Id_Receituario_padrao"_s, kClientKey)
            .column(u"descricao"_s, text())
            .audit()
            .sql(),
        Table(u"atendimento_particular"_s)
            .column(u"Id_Atendimento_Particular"_s, kClientKey)
            .column(u"Id_Animal"_s, kInteger)
            .column(u"Id_Tipo_Procedimento"_s, kInteger)
            .column(u"dt_Atendimento"_s, kDateTime)
            .audit()
            .sql(),
        Table(u"ocorrencia"_s)
            .column(u"Id_Ocorrencia"_s, kClientKey)
            .column(u"Id_Animal"_s, kInteger)
            .column(u"Id_Tipo_Ocorrencia"_s, kInteger)
            .audit()
            .column(u"Dt_Ocorrencia"_s, kDateTime)
            .sql(),
        Table(u"Orientacao_Padrao_Atend"_s).column(u"Texto_padrao_orientacao"_s, text()).sql(),
    };
}

// The reference tables of the maintenance screens: name, description, status, audit.
QStringList referenceTables() {
    return {
        Table(u"grupo_animal"_s)
            .column(u"Id_Grupo_Animal"_s, kClientKey)
            .column(u"Nome"_s, text(100))
            .audit()
            .column(u"Descricao"_s, text(250))
            .column(u"Ind_Status"_s, withDefault(text(20), kActive))
            .sql(),
        Table(u"especie"_s)
            .column(u"Id_Especie"_s, kClientKey)
            .column(u"Nome"_s, text(100))
            .column(u"Descricao"_s, text(250))
            .audit()
            .column(u"Ind_Status"_s, withDefault(text(30), kActive))
            .sql(),
        Table(u"raca"_s)
            .column(u"Id_Raca"_s, kClientKey)
            .column(u"Nome"_s, text(60))
            .column(u"Descricao"_s, text(250))
            .audit()
            .column(u"Id_Porte"_s, kInteger)
            .column(u"Id_Pelo"_s, kInteger)
            .column(u"Ind_Status"_s, withDefault(text(15), kActive))
            .column(u"Id_Especie"_s, kInteger)
            .sql(),
        Table(u"pelo"_s)
            .column(u"Id_pelo"_s, kClientKey)
            .column(u"Descricao"_s, text(50))
            .audit()
            .column(u"Ind_Status"_s, withDefault(text(15), kActive))
            .sql(),
        Table(u"porte"_s)
            .column(u"Id_porte"_s, kClientKey)
            .column(u"Descricao"_s, text(50))
            .column(u"Inserido_Em"_s, kDateTime)
            .column(u"Inserido_por"_s, kInteger)
            .column(u"Modificado_Por"_s, kInteger)
            .column(u"Modificado_Em"_s, kDateTime)
            .column(u"Ind_Status"_s, withDefault(text(15), kActive))
            .sql(),
        Table(u"atendimento_status"_s)
            .column(u"Id_Atendimento_Status"_s, kClientKey)
            .column(u"Nome"_s, text(100))
            .column(u"Descricao"_s, text(250))
            .audit()
            .column(u"Ind_Status"_s, withDefault(text(30), kActive))
            .sql(),
        Table(u"unidade_medida"_s)
            .column(u"Id_Unidade_Medida"_s, kClientKey)
            .column(u"Nome"_s, text(100))
            .column(u"Descricao"_s, text(250))
            .column(u"Modificado_Por"_s, kInteger)
            .column(u"Modificado_Em"_s, kDateTime)
            .column(u"Inserido_Por"_s, kInteger)
            .column(u"Inserido_Em"_s, kDateTime)
            .column(u"Ind_Status"_s, withDefault(text(15), kActive))
            .sql(),
        Table(u"medicamento"_s)
            .column(u"Id_Medicamento"_s, kClientKey)
            .column(u"Id_Unidade_Medida"_s, kInteger)
            .column(u"Nome"_s, text(100))
            .column(u"Inserido_Em"_s, kDateTime)
            .column(u"Modificado_Em"_s, kDateTime)
            .column(u"Modificado_Por"_s, kInteger)
            .column(u"Inserido_Por"_s, kInteger)
            .column(u"Descricao"_s, text(250))
            .column(u"Ind_Status"_s, withDefault(text(20), kActive))
            .sql(),
        Table(u"tipo_procedimento"_s)
            .column(u"Id_Tipo_Procedimento"_s, kClientKey)
            .column(u"Nome"_s, text(100))
            .column(u"Descricao"_s, text(250))
            .audit()
            .column(u"Ind_Status"_s, withDefault(text(15), kActive))
            .sql(),
        Table(u"tipo_ocorrencia"_s)
            .column(u"Id_Tipo_Ocorrencia"_s, kClientKey)
            .column(u"Nome"_s, text(100))
            .column(u"Descricao"_s, text(250))
            .audit()
            .column(u"Ind_Status"_s, withDefault(text(15), kActive))
            .column(u"Ind_Finaliza_Caso"_s, withDefault(text(3), kNo))
            .sql(),
        Table(u"receituario_texto_peso"_s)
            .column(u"Id_Receituario_texto_Peso"_s, kClientKey)
            .column(u"Peso"_s, kReal)
            .column(u"Texto"_s, text())
            .audit()
            .column(u"Ind_Status"_s, withDefault(text(15), kActive))
            .sql(),
        Table(u"tipo_vacina"_s)
            .column(u"Id_tipo_vacina"_s, kClientKey)
            .column(u"Nome"_s, text(100))
            .column(u"Descricao"_s, text(250))
            .column(u"Ind_registro_ativo"_s, withDefault(text(10), kActive))
            .auditLowerCase()
            .sql(),
        Table(u"tipo_motivo_nao_vacina"_s)
            .column(u"ID_tipo_motivo_nao_vacina"_s, kClientKey)
            .column(u"Nome"_s, text(100))
            .column(u"Descricao"_s, text(250))
            .column(u"Ind_registro_ativo"_s, withDefault(text(10), kActive))
            .auditLowerCase()
            .sql(),
        Table(u"tipo_vacina_ocorrencia"_s)
            .column(u"Id_tipo_vacina_ocorrencia"_s, kClientKey)
            .column(u"Nome"_s, text(100))
            .column(u"Descricao"_s, text(250))
            .auditLowerCase()
            .column(u"Ind_registro_ativo"_s, withDefault(text(10), kActive))
            .sql(),
    };
}

}  // namespace

QStringList mainTables() {
    return accessTables() + registryTables() + schedulingTables() + attendanceTables() +
           referenceTables();
}

QStringList mainIndexes() {
    struct Index {
        const char16_t* name;
        const char16_t* table;
        const char16_t* columns;
    };
    // Foreign keys the screens join or filter on, and the searched names and documents.
    static constexpr Index kIndexes[] = {
        {u"ix_perfil_form_perfil", u"perfil_form", u"Id_Perfil, Id_Form"},
        {u"ix_usuario_unidade", u"usuario", u"Id_Unidade_Trabalho"},
        {u"ix_usuario_proprietario", u"usuario", u"id_proprietario"},
        {u"ix_usuario_nome", u"usuario", u"Nome"},
        {u"ix_proprietario_nome", u"proprietario", u"Nome"},
        {u"ix_proprietario_documento", u"proprietario", u"Num_CPF_CNPJ"},
        {u"ix_proprietario_endereco", u"proprietario", u"Id_Endereco"},
        {u"ix_animal_proprietario", u"animal", u"Id_Proprietario"},
        {u"ix_animal_microchip", u"animal", u"Num_Microchip"},
        {u"ix_animal_nome", u"animal", u"Nome"},
        {u"ix_endereco_animal_endereco", u"endereco_animal", u"Id_Endereco"},
        {u"ix_grupo_animal_animal_animal", u"grupo_animal_animal", u"Id_Animal"},
        {u"ix_histo_muda_animal", u"histo_muda_proprietario", u"Id_Animal"},
        {u"ix_histo_muda_proprietario", u"histo_muda_proprietario", u"Id_Proprietario"},
        {u"ix_vacina_animal", u"vacina", u"Id_Animal"},
        {u"ix_jornada_profissional", u"jornada_trabalho", u"Id_Profissional"},
        {u"ix_jornada_execao_profissional", u"jornada_trabalho_execao", u"Id_Profissional"},
        {u"ix_impedimento_profissional", u"impedimento", u"Id_Profissional"},
        {u"ix_mapa_data", u"mapa_disponibilidade_agenda", u"Data_hora_disponibilidade"},
        {u"ix_mapa_rascunho_data", u"mapa_rascunho", u"Data_hora_disponibilidade"},
        {u"ix_agendamento_especial_proprietario", u"agendamento_especial", u"Id_proprietario"},
        {u"ix_semana_inicio", u"semana_epidemiologica", u"dtinisep, dtfimsep"},
        {u"ix_atendimento_data", u"atendimento", u"Data_Hora_Atendimento"},
        {u"ix_atendimento_agendada", u"atendimento", u"Id_Unidade_Agendada, Data_Hora_Atendimento"},
        {u"ix_atendimento_animal", u"atendimento", u"Id_Animal"},
        {u"ix_atendimento_proprietario", u"atendimento", u"Id_Proprietario"},
        {u"ix_atendimento_profissional_profissional", u"atendimento_profissional",
         u"Id_Profissional"},
        {u"ix_procedimento_atendimento", u"procedimento", u"Id_Atendimento"},
        {u"ix_medicamento_gasto_atendimento", u"medicamento_gasto", u"Id_Atendimento"},
        {u"ix_receituario_atendimento", u"receituario", u"Id_Atendimento"},
        {u"ix_atendimento_particular_animal", u"atendimento_particular", u"Id_Animal"},
        {u"ix_ocorrencia_animal", u"ocorrencia", u"Id_Animal"},
        {u"ix_raca_especie", u"raca", u"Id_Especie"},
    };
    QStringList statements;
    for (const Index& index : kIndexes) {
        statements << createIndex(QString::fromUtf16(index.name), QString::fromUtf16(index.table),
                                  QString::fromUtf16(index.columns));
    }
    return statements;
}

}  // namespace orbadil::db::schema::detail
