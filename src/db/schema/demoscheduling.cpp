// Demo professionals with their journeys, and the availability map of the coming weeks.

#include "db/schema/demo_p.h"
#include "db/schema/sqlinsert.h"

#include <algorithm>

namespace orbadil::db::schema::detail::demo {
namespace {
using namespace Qt::StringLiterals;

enum Weekday { kSunday = 1, kMonday, kTuesday, kWednesday, kThursday, kFriday, kSaturday };

QStringList professionals(const Calendar& calendar) {
    const QString setup = calendar.at(-380, u"08:00"_s);
    Insert insert(
        u"profissional"_s,
        {u"Id_Profissional"_s, u"Id_Unidade_Trabalho"_s, u"Nome"_s, u"Telefone_residencial"_s,
         u"Telefone_celular"_s, u"Telefone_Recado"_s, u"Email"_s, u"Inserido_Por"_s,
         u"Inserido_Em"_s, u"Inativo"_s, u"Bloqueado"_s, u"Ind_Status"_s});
    const auto professional = [&](int id, int unit, const char* name, const char* mobile,
                                  const char* email, const char* inactive) {
        insert.row({id, unit, name, "", mobile, "", email, key::kAdministrator, setup, inactive,
                    "NAO", "ATIVO"});
    };
    professional(1, key::kSurgeryUnit, "HELENA BRAGA COUTINHO", "(36)99301-1001",
                 "helena.coutinho@exemplo.com.br", "NAO");
    professional(2, key::kSurgeryUnit, "MARCOS VINÍCIUS FARIA", "(36)99301-1002",
                 "marcos.faria@exemplo.com.br", "NAO");
    professional(3, key::kWestUnit, "PATRÍCIA NOGUEIRA LEMOS", "(36)99301-1003",
                 "patricia.lemos@exemplo.com.br", "NAO");
    professional(4, key::kWestUnit, "JOAQUIM ROCHA SAMPAIO", "(36)99301-1004",
                 "joaquim.sampaio@exemplo.com.br", "SIM");

    Insert links(
        u"unidade_trabalho_profissional"_s,
        {u"id_unidade_trabalho"_s, u"Id_Profissional"_s, u"Inserido_Por"_s, u"Inserido_Em"_s});
    links.row({key::kSurgeryUnit, 1, key::kAdministrator, setup});
    links.row({key::kSurgeryUnit, 2, key::kAdministrator, setup});
    links.row({key::kWestUnit, 3, key::kAdministrator, setup});
    links.row({key::kNortheastUnit, 3, key::kAdministrator, setup});
    links.row({key::kWestUnit, 4, key::kAdministrator, setup});
    return insert.statements() + links.statements();
}

QStringList journeys(const Calendar& calendar) {
    const QDate from(calendar.today().year(), 1, 1);
    const QDate to(calendar.today().year() + 1, 12, 31);
    Insert insert(u"jornada_trabalho"_s,
                  {u"Id_Jornada_Trabalho"_s, u"Id_Profissional"_s, u"Id_Unidade_Trabalho"_s,
                   u"Data_Hora_Inicial"_s, u"Data_Hora_Final"_s, u"Id_Dia_Semana"_s,
                   u"Status_Registro"_s, u"Controle"_s});
    int id = 0;
    const auto journey = [&](int professional, int unit, std::initializer_list<int> days,
                             const char* start, const char* end, QDate first, QDate last,
                             const char* status, int control) {
        for (int day : days) {
            insert.row({++id, professional, unit,
                        Calendar::stamp(first, QString::fromLatin1(start)),
                        Calendar::stamp(last, QString::fromLatin1(end)), day, status, control});
        }
    };
    journey(1, key::kSurgeryUnit, {kMonday, kTuesday, kWednesday, kThursday, kFriday}, "07:00",
            "13:00", from, to, "ATIVO", 1);
    journey(2, key::kSurgeryUnit, {kMonday, kWednesday, kFriday}, "13:00", "19:00", from, to,
            "ATIVO", 1);
    journey(3, key::kWestUnit, {kTuesday, kThursday}, "08:00", "17:00", from, to, "ATIVO", 1);
    journey(3, key::kNortheastUnit, {kSaturday}, "08:00", "12:00", from, to, "ATIVO", 1);
    // A journey replaced at the professional's last save.
    journey(4, key::kWestUnit, {kMonday}, "08:00", "12:00", from.addYears(-1), from.addDays(-1),
            "INATIVO", 1);
    journey(4, key::kWestUnit, {kMonday, kWednesday}, "08:00", "12:00", from, to, "ATIVO", 2);

    Insert impediments(u"impedimento"_s,
                       {u"Id_Impedimento"_s, u"Id_Profissional"_s, u"Id_Unidade_Trabalho"_s,
                        u"Data_Hora_Inicial"_s, u"Data_Hora_Final"_s});
    impediments.row(
        {1, 2, key::kSurgeryUnit, calendar.at(20, u"07:00"_s), calendar.at(34, u"19:00"_s)});
    Insert extras(u"jornada_trabalho_execao"_s,
                  {u"Id_Jornada_Trabalho_Execao"_s, u"Id_Profissional"_s, u"Id_Unidade_Trabalho"_s,
                   u"Data_Hora_Inicial"_s, u"Data_Hora_Final"_s});
    const int daysToSaturday = (Qt::Saturday - calendar.today().dayOfWeek() + 7) % 7;
    extras.row({1, 1, key::kSurgeryUnit, calendar.at(daysToSaturday + 7, u"08:00"_s),
                calendar.at(daysToSaturday + 7, u"12:00"_s)});
    return insert.statements() + impediments.statements() + extras.statements();
}

// Slots of one weekday: unit, species, time, general and large-female vacancies, area.
struct Slot {
    int unit;
    int species;
    const char* time;
    int general;
    int largeFemale;
    int area;  // 0: the whole regional
    QList<int> weekdays;
};

QStringList map(const Calendar& calendar) {
    const QList<Slot> weeklySlots = {
        {key::kSurgeryUnit, key::kDog, "08:00", 10, 0, 0, {2, 3, 4, 5, 6}},
        {key::kSurgeryUnit, key::kDog, "09:00", 0, 2, 0, {2, 3, 4, 5, 6}},
        {key::kSurgeryUnit, key::kCat, "08:00", 6, 0, 0, {2, 3, 4, 5, 6}},
        {key::kWestUnit, key::kDog, "13:00", 8, 0, 7101, {3, 5}},
        {key::kWestUnit, key::kCat, "13:00", 4, 0, 7101, {3, 5}},
        {key::kNortheastUnit, key::kDog, "08:00", 12, 0, 0, {7}},
    };
    Insert insert(u"mapa_disponibilidade_agenda"_s,
                  {u"Id_Mapa_disponibilidade_agenda"_s, u"Id_unidade_trabalho"_s,
                   u"Id_tipo_procedimento"_s, u"Data_hora_disponibilidade"_s,
                   u"Qt_vaga_disponivel_geral"_s, u"Qt_vaga_disp_f_grande_porte"_s,
                   u"Qt_vaga_usada_geral"_s, u"Qt_vaga_usada_f_grande_porte"_s, u"Inserido_por"_s,
                   u"Inserido_em"_s, u"Id_Especie"_s, u"COD_AREA_ABRN"_s});
    const QString published = calendar.at(-10, u"16:00"_s);
    int id = 0;
    // Last week is fully booked; the coming three weeks fill up as the day comes closer.
    for (int offset = -7; offset <= 21; ++offset) {
        const QDate day = calendar.today().addDays(offset);
        const int weekday = day.dayOfWeek() % 7 + 1;
        for (const Slot& slot : weeklySlots) {
            if (!slot.weekdays.contains(weekday)) continue;
            const int share = offset <= 0 ? 100 : std::max(0, 80 - offset * 8);
            insert.row({++id, slot.unit, key::kMapProcedure,
                        Calendar::stamp(day, QString::fromLatin1(slot.time)), slot.general,
                        slot.largeFemale, slot.general * share / 100,
                        slot.largeFemale * share / 100, key::kAdministrator, published,
                        slot.species, slot.area ? QVariant(slot.area) : kNull});
        }
    }
    return insert.statements();
}

QStringList drafts(const Calendar& calendar) {
    Insert insert(u"mapa_rascunho"_s,
                  {u"Id_Mapa_rascunho"_s, u"Id_unidade_trabalho"_s, u"Id_tipo_procedimento"_s,
                   u"Data_hora_disponibilidade"_s, u"Qt_vaga_disponivel_geral"_s,
                   u"Qt_vaga_disp_f_grande_porte"_s, u"Qt_vaga_usada_geral"_s,
                   u"Qt_vaga_usada_f_grande_porte"_s, u"Inserido_por"_s, u"Inserido_em"_s,
                   u"Id_Especie"_s, u"Status_Registro"_s});
    const QString created = calendar.at(-2, u"11:00"_s);
    const int nextMonday = (Qt::Monday - calendar.today().dayOfWeek() + 7) % 7 + 28;
    const auto draft = [&](int id, int day, int species, int general, const char* status) {
        insert.row({id, key::kTarvelaUnit, key::kMapProcedure,
                    calendar.at(nextMonday + day, u"08:00"_s), general, 0, 0, 0,
                    key::kAdministrator, created, species, status});
    };
    draft(1, 0, key::kDog, 12, "ATIVO");
    draft(2, 2, key::kDog, 12, "ATIVO");
    draft(3, 4, key::kCat, 5, "ATIVO");
    draft(4, 1, key::kCat, 5, "INATIVO");
    return insert.statements();
}

QStringList specialBookings(const Calendar& calendar) {
    Insert insert(u"agendamento_especial"_s,
                  {u"id_Agendamento_especial"_s, u"Excluido_Em"_s, u"Excluido_Por"_s,
                   u"Id_proprietario"_s, u"Ind_Registro_Excluido"_s, u"Inserido_Em"_s,
                   u"Inserido_Por"_s, u"Qt_Agendamento_Reservado"_s});
    insert.row({1, kNull, kNull, 5, "FALSE", calendar.at(-90, u"10:00"_s), key::kAdministrator, 3});
    insert.row({2, calendar.at(-30, u"09:00"_s), key::kAdministrator, 5, "TRUE",
                calendar.at(-60, u"10:00"_s), key::kAdministrator, 2});
    insert.row({3, kNull, kNull, 1, "FALSE", calendar.at(-15, u"10:00"_s), key::kAdministrator, 1});
    return insert.statements();
}

}  // namespace

QStringList schedulingData(const Calendar& calendar) {
    return professionals(calendar) + journeys(calendar) + map(calendar) + drafts(calendar) +
           specialBookings(calendar);
}

}  // namespace orbadil::db::schema::detail::demo
