// Demo rows of the two read-only catalogs: the town's street register and a few leishmaniasis
// bulletins from its zoonosis database.

#include "db/schema/demo_p.h"
#include "db/schema/demoaddress.h"
#include "db/schema/sqlinsert.h"

namespace orbadil::db::schema::detail::demo {
namespace {
using namespace Qt::StringLiterals;

QStringList placesAndAreas() {
    Insert localities(u"localidade"_s, {u"num_locl"_s, u"nom_locl"_s});
    localities.row({kLocality, kLocalityName});
    Insert types(u"tipologradouro"_s, {u"Tip_Logr"_s, u"Des_Tip_Logr"_s});
    for (const StreetType& t : streetTypes()) types.row({t.code, t.name});
    Insert areas(u"areaabrang"_s,
                 {u"cod_area_abrn"_s, u"des_area_abrn"_s, u"COD_DITR_SANI"_s, u"SIT_REGT"_s});
    for (const CoverageArea& a : coverageAreas())
        areas.row({a.code, a.name, a.district, a.active ? "A" : "I"});
    Insert districts(u"bairro"_s, {u"num_bair"_s, u"nom_Bair"_s, u"tip_bair"_s, u"tip_clss_bair"_s,
                                   u"SIT_REGT"_s});
    for (const Neighbourhood& n : neighbourhoods())
        districts.row({n.code, n.name, n.type, n.kind, "A"});
    return localities.statements() + types.statements() + areas.statements() +
           districts.statements();
}

QStringList streetRegister() {
    Insert streetRows(u"logradouro"_s, {u"num_logr"_s, u"nom_logr"_s});
    Insert names(u"logradouroNome"_s,
                 {u"num_logr"_s, u"num_sequ_logr"_s, u"tip_logr"_s, u"nom_logr"_s});
    Insert search(u"pesquisalograd"_s,
                  {u"NUM_LOGR"_s, u"NUM_SEQU_LOGR"_s, u"tip_logr"_s, u"nom_logr"_s, u"num_bair"_s,
                   u"nom_bair"_s, u"tip_bair"_s, u"tip_clss_bair"_s, u"ind_bair_cord"_s});
    Insert crossings(u"BairroLogradouro"_s, {u"NUM_BAIR"_s, u"NUM_LOGR"_s});
    Insert houses(u"logradouroimovel"_s,
                  {u"Num_Logr"_s, u"Num_Imov"_s, u"Val_Cood_X"_s, u"Val_Cood_Y"_s});
    for (const Street& s : streets()) {
        streetRows.row({s.code, s.name});
        QStringList nameRows = {s.name};
        if (!s.formerName.isEmpty()) nameRows << s.formerName;
        for (qsizetype sequence = 1; sequence <= nameRows.size(); ++sequence) {
            const QString& name = nameRows[sequence - 1];
            names.row({s.code, int(sequence), s.type, name});
            for (int code : s.neighbourhoods) {
                const Neighbourhood& n = neighbourhood(code);
                search.row(
                    {s.code, int(sequence), s.type, name, n.code, n.name, n.type, n.kind, "N"});
            }
        }
        for (int code : s.neighbourhoods) crossings.row({code, s.code});
        for (int house : s.houses) {
            const Coordinates at = houseCoordinates(s.code, house);
            // Stored as the server keeps it: the number in five digits.
            houses.row(
                {s.code, QStringLiteral("%1").arg(house, 5, 10, QLatin1Char('0')), at.x, at.y});
        }
    }
    Insert postcodes(u"ceplogradouro"_s, {u"num_logr"_s, u"num_cep"_s, u"ind_lado_logr"_s,
                                          u"num_imov_inic"_s, u"num_imov_fina"_s});
    for (const Stretch& s : stretches()) {
        postcodes.row(
            {s.street, s.postcode, s.side, QString::number(s.first), QString::number(s.last)});
    }
    return streetRows.statements() + names.statements() + search.statements() +
           crossings.statements() + houses.statements() + postcodes.statements();
}

}  // namespace

QStringList addressBaseData() {
    return placesAndAreas() + streetRegister();
}

QStringList zoonosisData(const Calendar& calendar) {
    Insert bulletins(u"sa001041"_s, {u"numboletim"_s, u"numdistrito"_s, u"numinca"_s,
                                     u"catboletim"_s, u"codlab"_s, u"dtcoleta"_s, u"numproto"_s});
    bulletins.row({2601, 3, 1, "IC", "LAB0001", calendar.at(-40, u"08:00"_s), 5501});
    bulletins.row({2602, 3, 1, "IC", "LAB0001", calendar.at(-25, u"08:00"_s), 5502});
    bulletins.row({2603, 2, 2, "DE", "LAB0002", calendar.at(-12, u"08:00"_s), 5503});

    Insert samples(u"sa001042"_s,
                   {u"numboletim"_s, u"numdistrito"_s, u"numinca"_s, u"codAmostra"_s, u"nomecao"_s,
                    u"caosexo"_s, u"nompropri"_s, u"tipolograd"_s, u"desclograd"_s, u"numendprop"_s,
                    u"resultamostra"_s, u"confamostra"_s, u"dtconfamostra"_s, u"aptocomprop"_s,
                    u"numquart"_s});
    const auto sample = [&](int bulletin, int district, int inquiry, const char* code,
                            const char* dog, const char* sex, const char* owner, const char* street,
                            int house, const char* result, const QVariant& confirmation,
                            int confirmedDaysAgo, const char* complement, int block) {
        samples.row(
            {bulletin, district, inquiry, code, dog, sex, owner, "RUA", street, house, result,
             confirmation,
             confirmation.isNull() ? kNull : QVariant(calendar.at(-confirmedDaysAgo, u"00:00"_s)),
             complement, block});
    };
    sample(2601, 3, 1, "A26010001", "REX", "M", "RAIMUNDO NONATO GONÇALVES", "DAS FLORES", 88, "PO",
           "OK", 30, "FUNDOS", 12);
    sample(2601, 3, 1, "A26010002", "REXINHO", "M", "MARIA DAS DORES PAIVA", "DAS FLORES", 91, "NR",
           "OK", 30, "", 12);
    sample(2601, 3, 1, "A26010003", "BOREX", "M", "SEBASTIÃO MOTA", "FLORIANO SANTANA", 15, "RE",
           "OK", 29, "", 13);
    sample(2601, 3, 1, "A26010004", "MEL", "F", "ROSÂNGELA PRADO", "DAS FLORES", 80, "IN", "OK", 29,
           "CASA 2", 12);
    sample(2602, 3, 1, "A26020001", "PITOCO", "M", "WALDIR CUNHA", "BOA ESPERANÇA", 47, "MO", "OK",
           15, "", 20);
    sample(2602, 3, 1, "A26020002", "LUNA", "F", "IVONE BATISTA", "BOA ESPERANÇA", 45, "PO", "PE",
           15, "", 20);
    sample(2603, 2, 2, "A26030001", "THOR", "M", "CONCEIÇÃO RIBEIRO DIAS", "SÃO JORGE", 233, "NR",
           "OK", 5, "", 31);
    sample(2603, 2, 2, "A26030002", "NINA", "F", "OSVALDO TEIXEIRA", "SÃO JORGE", 240, "NA", kNull,
           0, "APTO 101", 31);
    return bulletins.statements() + samples.statements();
}

}  // namespace orbadil::db::schema::detail::demo
