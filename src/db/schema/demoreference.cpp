// Demo reference tables, the health districts, weekdays, epidemiological weeks and the standard
// texts.

#include "db/schema/demo_p.h"
#include "db/schema/demoaddress.h"
#include "db/schema/sqlinsert.h"

#include "db/datetext.h"

#include <QDateTime>
#include <algorithm>

namespace orbadil::db::schema::detail::demo {
namespace {
using namespace Qt::StringLiterals;

// Name, description and status of the simple reference tables, keyed from 1.
struct Entry {
    int id;
    const char* name;
    const char* description;
    const char* status;
};

QStringList simpleTable(const QString& table, const QString& keyColumn, const QString& nameColumn,
                        const QString& setup, std::initializer_list<Entry> entries) {
    QStringList columns = {keyColumn, nameColumn, u"Inserido_Por"_s, u"Inserido_Em"_s,
                           u"Ind_Status"_s};
    const bool described = nameColumn != u"Descricao"_s;
    if (described) columns << u"Descricao"_s;
    Insert insert(table, columns);
    for (const Entry& e : entries) {
        QVariantList values = {e.id, e.name, key::kAdministrator, setup, e.status};
        if (described) values << e.description;
        insert.row(values);
    }
    return insert.statements();
}

QStringList animalTables(const QString& setup) {
    QStringList statements;
    statements += simpleTable(
        u"grupo_animal"_s, u"Id_Grupo_Animal"_s, u"Nome"_s, setup,
        {
            {1, "DOMICILIADO", "Animal com tutor e que vive no domicílio.", "ATIVO"},
            {2, "SEMIDOMICILIADO", "Animal com tutor e acesso livre à rua.", "ATIVO"},
            {3, "COMUNITÁRIO", "Animal mantido por uma comunidade ou associação.", "ATIVO"},
            {4, "ERRANTE", "Animal sem tutor recolhido pelo programa.", "INATIVO"},
        });
    statements += simpleTable(u"especie"_s, u"Id_Especie"_s, u"Nome"_s, setup,
                              {
                                  {key::kDog, "CANINA", "Cães.", "ATIVO"},
                                  {key::kCat, "FELINA", "Gatos.", "ATIVO"},
                              });
    statements += simpleTable(u"porte"_s, u"Id_porte"_s, u"Descricao"_s, setup,
                              {
                                  {1, "PEQUENO", nullptr, "ATIVO"},
                                  {2, "MÉDIO", nullptr, "ATIVO"},
                                  {3, "GRANDE", nullptr, "ATIVO"},
                              });
    statements += simpleTable(u"pelo"_s, u"Id_pelo"_s, u"Descricao"_s, setup,
                              {
                                  {1, "CURTO", nullptr, "ATIVO"},
                                  {2, "MÉDIO", nullptr, "ATIVO"},
                                  {3, "LONGO", nullptr, "ATIVO"},
                                  {4, "SEM PELO", nullptr, "INATIVO"},
                              });

    Insert breeds(u"raca"_s,
                  {u"Id_Raca"_s, u"Nome"_s, u"Descricao"_s, u"Inserido_Por"_s, u"Inserido_Em"_s,
                   u"Id_Porte"_s, u"Id_Pelo"_s, u"Ind_Status"_s, u"Id_Especie"_s});
    const auto breed = [&](int id, const char* name, int species, int size, int coat,
                           const char* status = "ATIVO") {
        breeds.row({id, name, kNull, key::kAdministrator, setup, size, coat, status, species});
    };
    breed(1, "SEM RAÇA DEFINIDA - SRD", key::kDog, 2, 1);
    breed(2, "POODLE", key::kDog, 1, 2);
    breed(3, "LABRADOR RETRIEVER", key::kDog, 3, 1);
    breed(4, "PASTOR ALEMÃO", key::kDog, 3, 2);
    breed(5, "SHIH TZU", key::kDog, 1, 3);
    breed(6, "PINSCHER", key::kDog, 1, 1);
    breed(7, "FILA BRASILEIRO", key::kDog, 3, 1, "INATIVO");
    breed(8, "SEM RAÇA DEFINIDA - SRD", key::kCat, 1, 1);
    breed(9, "SIAMÊS", key::kCat, 1, 1);
    breed(10, "PERSA", key::kCat, 1, 3);
    breed(11, "MAINE COON", key::kCat, 2, 3);
    return statements + breeds.statements();
}

QStringList attendanceTables(const QString& setup) {
    QStringList statements;
    // Status 7 is never counted as a used booking; only "AGENDADO" changes the notice.
    statements += simpleTable(
        u"atendimento_status"_s, u"Id_Atendimento_Status"_s, u"Nome"_s, setup,
        {
            {key::kStatusBooked, "AGENDADO", "Atendimento marcado, aguardando o dia.", "ATIVO"},
            {2, "CONFIRMADO", "Tutor confirmou a presença por telefone.", "ATIVO"},
            {key::kStatusDone, "REALIZADO", "Procedimento realizado.", "ATIVO"},
            {key::kStatusMissed, "NÃO COMPARECEU", "Tutor não trouxe o animal.", "ATIVO"},
            {5, "REMARCADO", "Atendimento transferido para outra data.", "ATIVO"},
            {6, "INAPTO PARA CIRURGIA", "Animal recusado na triagem clínica.", "ATIVO"},
            {key::kStatusCancelled, "CANCELADO", "Cancelado pelo tutor ou pela unidade.", "ATIVO"},
            {8, "EM OBSERVAÇÃO", "Situação antiga, não mais usada.", "INATIVO"},
        });
    statements += simpleTable(u"unidade_medida"_s, u"Id_Unidade_Medida"_s, u"Nome"_s, setup,
                              {
                                  {1, "ML", "Mililitro.", "ATIVO"},
                                  {2, "MG", "Miligrama.", "ATIVO"},
                                  {3, "COMPRIMIDO", "Comprimido.", "ATIVO"},
                                  {4, "AMPOLA", "Ampola.", "ATIVO"},
                                  {5, "UNIDADE", "Unidade (fios, agulhas, luvas).", "ATIVO"},
                              });

    Insert medicines(u"medicamento"_s,
                     {u"Id_Medicamento"_s, u"Id_Unidade_Medida"_s, u"Nome"_s, u"Inserido_Em"_s,
                      u"Inserido_Por"_s, u"Descricao"_s, u"Ind_Status"_s});
    const auto medicine = [&](int id, int unit, const char* name, const char* description) {
        medicines.row({id, unit, name, setup, key::kAdministrator, description, "ATIVO"});
    };
    medicine(1, 1, "CETAMINA 10%", "Anestésico dissociativo injetável.");
    medicine(2, 1, "XILAZINA 2%", "Sedativo e relaxante muscular injetável.");
    medicine(3, 1, "ACEPROMAZINA 0,2%", "Tranquilizante injetável.");
    medicine(4, 1, "MELOXICAM 0,2%", "Anti-inflamatório injetável.");
    medicine(5, 3, "CEFALEXINA 500 MG", "Antibiótico oral para o pós-operatório.");
    medicine(6, 5, "FIO DE SUTURA NÁILON 2-0", "Fio agulhado para sutura de pele.");
    medicine(7, 4, "DIPIRONA 50%", "Analgésico e antitérmico injetável.");
    statements += medicines.statements();

    statements += simpleTable(
        u"tipo_procedimento"_s, u"Id_Tipo_Procedimento"_s, u"Nome"_s, setup,
        {
            {1, "CONSULTA CLÍNICA", "Avaliação clínica geral.", "ATIVO"},
            {2, "VACINAÇÃO ANTIRRÁBICA", "Aplicação da vacina contra a raiva.", "ATIVO"},
            {3, "IMPLANTE DE MICROCHIP", "Identificação eletrônica subcutânea.", "ATIVO"},
            {4, "OVARIOSALPINGO-HISTERECTOMIA", "Esterilização cirúrgica de fêmea.", "ATIVO"},
            {5, "ORQUIECTOMIA", "Esterilização cirúrgica de macho.", "ATIVO"},
            {6, "RETORNO PÓS-OPERATÓRIO", "Revisão e retirada de pontos.", "ATIVO"},
            {7, "TESTE RÁPIDO DE LEISHMANIOSE", "Triagem sorológica.", "INATIVO"},
            {key::kMapProcedure, "CASTRAÇÃO", "Esterilização cirúrgica (vagas do mapa).", "ATIVO"},
        });

    Insert occurrences(u"tipo_ocorrencia"_s,
                       {u"Id_Tipo_Ocorrencia"_s, u"Nome"_s, u"Descricao"_s, u"Inserido_Por"_s,
                        u"Inserido_Em"_s, u"Ind_Status"_s, u"Ind_Finaliza_Caso"_s});
    const auto occurrence = [&](int id, const char* name, const char* description,
                                const char* closes) {
        occurrences.row({id, name, description, key::kAdministrator, setup, "ATIVO", closes});
    };
    occurrence(1, "MORDEDURA", "Agressão a pessoa ou a outro animal.", "NAO");
    occurrence(2, "MAUS-TRATOS", "Denúncia de maus-tratos.", "NAO");
    occurrence(3, "DESAPARECIMENTO", "Animal perdido ou fugido.", "NAO");
    occurrence(4, "ÓBITO", "Morte do animal.", "SIM");
    occurrence(5, "EUTANÁSIA", "Eutanásia indicada pelo veterinário.", "SIM");
    statements += occurrences.statements();

    Insert byWeight(u"receituario_texto_peso"_s,
                    {u"Id_Receituario_texto_Peso"_s, u"Peso"_s, u"Texto"_s, u"Inserido_Por"_s,
                     u"Inserido_Em"_s, u"Ind_Status"_s});
    const auto text = [&](int id, double weight, const char* dose) {
        byWeight.row({id, weight,
                      QStringLiteral("Cefalexina 500 mg: %1 a cada 12 horas por 7 dias.\n"
                                     "Meloxicam 0,2%: 1 gota por kg uma vez ao dia por 3 dias.\n")
                          .arg(QString::fromUtf8(dose)),
                      key::kAdministrator, setup, "ATIVO"});
    };
    text(1, 5.0, "1/4 de comprimido");
    text(2, 10.0, "1/2 comprimido");
    text(3, 20.0, "1 comprimido");
    text(4, 30.0, "1 e 1/2 comprimido");
    return statements + byWeight.statements();
}

QStringList vaccinationTables(const QString& setup) {
    const auto table = [&](const QString& name, const QString& keyColumn,
                           std::initializer_list<std::pair<const char*, const char*>> rows) {
        Insert insert(name, {keyColumn, u"Nome"_s, u"Descricao"_s, u"Ind_registro_ativo"_s,
                             u"Inserido_por"_s, u"Inserido_em"_s});
        int id = 1;
        // The first row of each is the "does not apply" choice that every record fills.
        insert.row({id++, "Não se aplica", "Escolha quando esta opção não se aplica ao registro.",
                    "ATIVO", key::kAdministrator, setup});
        for (const auto& [rowName, description] : rows)
            insert.row({id++, rowName, description, "ATIVO", key::kAdministrator, setup});
        return insert.statements();
    };
    return table(u"tipo_vacina"_s, u"Id_tipo_vacina"_s,
                 {{"ANTIRRÁBICA", "Vacina contra a raiva."},
                  {"V10", "Polivalente canina."},
                  {"QUÁDRUPLA FELINA", "Polivalente felina (V4)."}}) +
           table(u"tipo_motivo_nao_vacina"_s, u"ID_tipo_motivo_nao_vacina"_s,
                 {{"ANIMAL DOENTE", "Animal com sinais clínicos no dia."},
                  {"FÊMEA GESTANTE", "Vacinação adiada até o fim da gestação."},
                  {"RECUSA DO TUTOR", "Tutor não autorizou a vacinação."},
                  {"IDADE INFERIOR A 3 MESES", "Animal jovem demais."}}) +
           table(u"tipo_vacina_ocorrencia"_s, u"Id_tipo_vacina_ocorrencia"_s,
                 {{"REAÇÃO ALÉRGICA LOCAL", "Inchaço ou dor no local da aplicação."},
                  {"CHOQUE ANAFILÁTICO", "Reação alérgica grave."},
                  {"FEBRE", "Febre nas 48 horas seguintes."}});
}

QStringList districtsAndWeekdays() {
    Insert districts(u"distrito"_s, {u"Id_Distrito"_s, u"Nome"_s, u"ind_status"_s});
    for (const SanitaryDistrict& d : sanitaryDistricts()) districts.row({d.code, d.name, "ATIVO"});
    // "Sebado" is how the journeys look Saturday up.
    Insert weekdays(u"dia_semana"_s, {u"id_dia_semana"_s, u"nome"_s});
    int id = 1;
    for (const char* name : {"Domingo", "Segunda", "Terça", "Quarta", "Quinta", "Sexta", "Sebado"})
        weekdays.row({id++, name});
    return districts.statements() + weekdays.statements();
}

// Week 1 is the Sunday-to-Saturday week that holds 4 January.
QDate firstDayOfEpidemiologicalYear(int year) {
    const QDate fourth(year, 1, 4);
    return fourth.addDays(-(fourth.dayOfWeek() % 7));
}

QStringList epidemiologicalWeeks(QDate today) {
    Insert insert(u"semana_epidemiologica"_s,
                  {u"nrideano"_s, u"nridesep"_s, u"dtinisep"_s, u"dtfimsep"_s, u"dsidesep"_s});
    const QString format = QLatin1String(kStoredDateTimeFormat);
    const int lastYear = std::max(2028, today.year() + 2);
    for (int year = 2024; year <= lastYear; ++year) {
        const QDate end = firstDayOfEpidemiologicalYear(year + 1);
        int week = 1;
        for (QDate first = firstDayOfEpidemiologicalYear(year); first < end;
             first = first.addDays(7), ++week) {
            const QDate last = first.addDays(6);
            // The last day runs to its end, so any moment of it falls in the week.
            insert.row({year, week, QDateTime(first, QTime(0, 0)).toString(format),
                        QDateTime(last, QTime(23, 59, 59)).toString(format),
                        QStringLiteral("SE %1/%2 (%3 a %4)")
                            .arg(week, 2, 10, QLatin1Char('0'))
                            .arg(year)
                            .arg(first.toString(u"dd/MM/yyyy"_s), last.toString(u"dd/MM/yyyy"_s))});
        }
    }
    return insert.statements();
}

QStringList standardTexts(const QString& setup) {
    Insert orientation(u"Orientacao_Padrao_Atend"_s, {u"Texto_padrao_orientacao"_s});
    orientation.row(
        {"Jejum alimentar de 12 horas e de água de 6 horas antes da cirurgia.<br> "
         "Traga o animal em caixa de transporte ou com coleira e guia.<br> "
         "Apresente documento de identidade com foto e comprovante de endereço.<br> "
         "Chegue com 30 minutos de antecedência."});
    Insert prescription(u"receituario_padrao"_s, {u"Id_Receituario_padrao"_s, u"descricao"_s,
                                                  u"Inserido_Por"_s, u"Inserido_Em"_s});
    prescription.row({1,
                      "Manter o animal em local limpo, seco e aquecido nas primeiras 24 horas.\n"
                      "Oferecer água 6 horas após a alta e alimento no dia seguinte.\n"
                      "Usar o colar elizabetano até a retirada dos pontos, em 10 dias.\n"
                      "Limpar a ferida uma vez ao dia com soro fisiológico.\n",
                      key::kAdministrator, setup});
    return orientation.statements() + prescription.statements();
}

}  // namespace

QStringList referenceData(const Calendar& calendar) {
    const QString setup = calendar.at(-400, u"08:00"_s);
    return animalTables(setup) + attendanceTables(setup) + vaccinationTables(setup) +
           districtsAndWeekdays() + epidemiologicalWeeks(calendar.today()) + standardTexts(setup);
}

}  // namespace orbadil::db::schema::detail::demo
