// Demo attendances around today, with professionals, procedures, medication and prescriptions;
// private attendances and occurrences.

#include "db/schema/demo_p.h"
#include "db/schema/sqlinsert.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace orbadil::db::schema::detail::demo {
namespace {
using namespace Qt::StringLiterals;

constexpr int kClerk = 2;

struct Attendance {
    int id;
    int owner;
    int animal;
    int bookedUnit;
    int dayOffset;
    const char* time;
    int status;
};

// Owner 6 is inactive: the agenda's week counts LUPI's attendance but its day list does not.
constexpr Attendance kAttendances[] = {
    {1, 1, 1, key::kSurgeryUnit, -20, "08:00", key::kStatusDone},
    {2, 2, 3, key::kSurgeryUnit, -10, "08:30", key::kStatusDone},
    {3, 3, 4, key::kWestUnit, -3, "13:00", key::kStatusMissed},
    {4, 1, 2, key::kSurgeryUnit, 0, "09:00", key::kStatusBooked},
    {5, 4, 5, key::kWestUnit, 2, "13:00", key::kStatusBooked},
    {6, 5, 8, key::kNortheastUnit, -60, "08:00", key::kStatusDone},
    {7, 5, 7, key::kNortheastUnit, 7, "08:00", key::kStatusCancelled},
    {8, 6, 9, key::kSurgeryUnit, 0, "10:30", key::kStatusBooked},
    {9, 4, 6, key::kSurgeryUnit, 1, "14:45", 2},
};

QString bookedAt(const Calendar& calendar, const Attendance& a) {
    return calendar.workdayAt(a.dayOffset, QString::fromLatin1(a.time));
}

QStringList attendances(const Calendar& calendar) {
    Insert insert(u"atendimento"_s,
                  {u"Id_Atendimento"_s, u"Id_Proprietario"_s, u"Id_Animal"_s,
                   u"Id_Unidade_Trabalho"_s, u"Id_Unidade_Agendada"_s, u"Data_Hora_Atendimento"_s,
                   u"Id_Atendimento_Status"_s, u"Inserido_Por"_s, u"Inserido_Em"_s,
                   u"Modificado_Por"_s, u"Modificado_Em"_s, u"Ind_Autoriza_Cirurgia"_s});
    for (const Attendance& a : kAttendances) {
        const bool settled = a.status != key::kStatusBooked && a.status != 2;
        const int bookedDaysBefore = a.dayOffset - 14;
        insert.row({a.id, a.owner, a.animal, key::kSurgeryUnit, a.bookedUnit, bookedAt(calendar, a),
                    a.status, kClerk, calendar.at(bookedDaysBefore, u"10:05"_s),
                    settled ? QVariant(kClerk) : kNull,
                    settled ? QVariant(calendar.at(std::min(a.dayOffset, 0), u"17:30"_s)) : kNull,
                    "SIM"});
    }
    return insert.statements();
}

QStringList details(const Calendar& calendar) {
    const auto at = [&](int attendance) {
        return calendar.at(kAttendances[attendance - 1].dayOffset, u"12:00"_s);
    };
    Insert professionals(u"atendimento_profissional"_s, {u"Id_Profissional"_s, u"Id_Atendimento"_s,
                                                         u"Inserido_Por"_s, u"Inserido_Em"_s});
    using Pairs = std::initializer_list<std::pair<int, int>>;
    for (const auto& [professional, attendance] : Pairs{{1, 1}, {2, 1}, {1, 2}, {3, 6}})
        professionals.row({professional, attendance, kClerk, at(attendance)});

    // 4: OSH (females), 5: orchiectomy (males), 3: microchip.
    Insert procedures(u"procedimento"_s,
                      {u"Id_Procedimento"_s, u"Id_Tipo_Procedimento"_s, u"Id_Atendimento"_s,
                       u"Inserido_Por"_s, u"Inserido_Em"_s});
    int procedure = 0;
    for (const auto& [type, attendance] : Pairs{{4, 1}, {3, 1}, {4, 2}, {5, 6}})
        procedures.row({++procedure, type, attendance, kClerk, at(attendance)});

    Insert medication(u"medicamento_gasto"_s,
                      {u"Id_Medicamento_Gasto"_s, u"Id_Medicamento"_s, u"Id_Atendimento"_s,
                       u"Quantidade"_s, u"Inserido_Por"_s, u"Inserido_Em"_s});
    medication.row({1, 1, 1, 0.8, kClerk, at(1)});
    medication.row({2, 2, 1, 0.5, kClerk, at(1)});
    medication.row({3, 6, 1, 1.0, kClerk, at(1)});
    medication.row({4, 1, 2, 0.3, kClerk, at(2)});
    medication.row({5, 4, 6, 1.5, kClerk, at(6)});

    Insert prescriptions(u"receituario"_s, {u"Id_Receituario"_s, u"Id_Atendimento"_s,
                                            u"Descricao"_s, u"Inserido_Por"_s, u"Inserido_Em"_s});
    prescriptions.row({1, 1,
                       "Cefalexina 500 mg: 1 comprimido a cada 12 horas por 7 dias.\n"
                       "Manter o colar elizabetano até a retirada dos pontos.\n",
                       kClerk, at(1)});
    prescriptions.row({2, 2,
                       "Meloxicam 0,2%: 1 gota por kg uma vez ao dia por 3 dias.\n"
                       "Retorno em 10 dias para retirada dos pontos.\n",
                       kClerk, at(2)});
    return professionals.statements() + procedures.statements() + medication.statements() +
           prescriptions.statements();
}

QStringList otherRecords(const Calendar& calendar) {
    Insert privateCare(u"atendimento_particular"_s,
                       {u"Id_Atendimento_Particular"_s, u"Id_Animal"_s, u"Id_Tipo_Procedimento"_s,
                        u"dt_Atendimento"_s, u"Inserido_Por"_s, u"Inserido_Em"_s});
    privateCare.row(
        {1, 2, 2, calendar.at(-150, u"00:00"_s), kClerk, calendar.at(-148, u"11:10"_s)});
    Insert occurrences(u"ocorrencia"_s,
                       {u"Id_Ocorrencia"_s, u"Id_Animal"_s, u"Id_Tipo_Ocorrencia"_s,
                        u"Inserido_Por"_s, u"Inserido_Em"_s, u"Dt_Ocorrencia"_s});
    occurrences.row({1, 4, 1, kClerk, calendar.at(-15, u"16:40"_s), calendar.at(-16, u"00:00"_s)});
    occurrences.row(
        {2, 5, 3, kClerk, calendar.at(-100, u"09:00"_s), calendar.at(-101, u"00:00"_s)});
    return privateCare.statements() + occurrences.statements();
}

}  // namespace

QStringList attendanceData(const Calendar& calendar) {
    return attendances(calendar) + details(calendar) + otherRecords(calendar);
}

}  // namespace orbadil::db::schema::detail::demo
