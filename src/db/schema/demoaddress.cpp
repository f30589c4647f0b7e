#include "db/schema/demoaddress.h"

#include <QtGlobal>
#include <cmath>

namespace orbadil::db::schema::detail::demo {
namespace {
using namespace Qt::StringLiterals;

constexpr int kFirstPostcode = 39990000;

int streetIndex(int code) {
    const QList<Street>& all = streets();
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (all[i].code == code) return int(i);
    }
    qFatal("demo street %d does not exist", code);
}

double rounded(double value) {
    return std::round(value * 100.0) / 100.0;
}

// Long streets change postcode halfway; the others have one postcode per side.
QList<std::pair<int, int>> ranges(int streetCode) {
    if (streetCode == 101002) return {{1, 1000}, {1001, 3000}};
    return {{1, 2000}};
}
}  // namespace

const QList<SanitaryDistrict>& sanitaryDistricts() {
    static const QList<SanitaryDistrict> all = {
        {1, u"D.S.CORVELO"_s},  {2, u"D.S.CENTRO SUL"_s}, {3, u"D.S.LESTE"_s},
        {4, u"D.S.NORDESTE"_s}, {5, u"D.S.NOROESTE"_s},   {6, u"D.S.NORTE"_s},
        {7, u"D.S.OESTE"_s},    {8, u"D.S.TARVELA"_s},    {9, u"D.S.VILA ORNEDA"_s},
    };
    return all;
}

const QList<CoverageArea>& coverageAreas() {
    static const QList<CoverageArea> all = {
        {1101, u"C.S. ALTO DO CORVELO"_s, 1, true},
        {1102, u"C.S. SÃO JORGE"_s, 1, true},
        {2101, u"C.S. CENTRO"_s, 2, true},
        {2102, u"C.S. JARDIM DAS ACÁCIAS"_s, 2, true},
        {3101, u"C.S. PARQUE DAS FLORES"_s, 3, true},
        {3102, u"C.S. BOA ESPERANÇA"_s, 3, true},
        {3103, u"C.S. VILA ANTIGA (DESATIVADO)"_s, 3, false},
        {4101, u"C.S. CAMPO LINDO"_s, 4, true},
        {5101, u"C.S. PALMEIRAS"_s, 5, true},
        {6101, u"C.S. MONTE VERDE"_s, 6, true},
        {7101, u"C.S. RECANTO DO SOL"_s, 7, true},
        {8101, u"C.S. NOVA TARVELA"_s, 8, true},
        {9101, u"C.S. ORNEDA"_s, 9, true},
    };
    return all;
}

const QList<Neighbourhood>& neighbourhoods() {
    static const QList<Neighbourhood> all = {
        {1, u"BAIRRO"_s, u"ALTO DO CORVELO"_s, u"P"_s, 1101},
        {2, u"VILA"_s, u"VILA SÃO JORGE"_s, u"P"_s, 1102},
        {3, u"BAIRRO"_s, u"CENTRO"_s, u"P"_s, 2101},
        {4, u"JARDIM"_s, u"JARDIM DAS ACÁCIAS"_s, u"P"_s, 2102},
        {5, u"PARQUE"_s, u"PARQUE DAS FLORES"_s, u"P"_s, 3101},
        {6, u"BAIRRO"_s, u"BOA ESPERANÇA"_s, u"P"_s, 3102},
        {7, u"BAIRRO"_s, u"CAMPO LINDO"_s, u"P"_s, 4101},
        {8, u"BAIRRO"_s, u"PALMEIRAS"_s, u"P"_s, 5101},
        {9, u"BAIRRO"_s, u"MONTE VERDE"_s, u"P"_s, 6101},
        {10, u"CONJUNTO"_s, u"RECANTO DO SOL"_s, u"P"_s, 7101},
        {11, u"BAIRRO"_s, u"NOVA TARVELA"_s, u"P"_s, 8101},
        {12, u"VILA"_s, u"VILA ORNEDA"_s, u"P"_s, 9101},
        {13, u"BAIRRO"_s, u"DISTRITO INDUSTRIAL"_s, u"O"_s, 2101},
    };
    return all;
}

const QList<Street>& streets() {
    static const QList<Street> all = {
        {101001, u"RUA"_s, u"DAS ACÁCIAS"_s, {4}, {}, {51, 57, 61, 120, 215}},
        {101002, u"AVE"_s, u"CENTRAL"_s, {3, 4, 13}, {}, {100, 101, 1240, 1251}},
        {101003, u"RUA"_s, u"SÃO JORGE"_s, {2}, {}, {233, 240, 305}},
        {101004, u"RUA"_s, u"DAS FLORES"_s, {5}, {}, {80, 88, 91}},
        {101005, u"RUA"_s, u"FLORIANO SANTANA"_s, {5}, {}, {14, 15}},
        {101006, u"ALA"_s, u"DO CORVELO"_s, {1}, u"PROJETADA DOZE"_s, {1500, 1502}},
        {101007, u"RUA"_s, u"BOA ESPERANÇA"_s, {6}, {}, {45, 47}},
        {101008, u"TRV"_s, u"DAS PALMEIRAS"_s, {8}, {}, {12, 14}},
        {101009, u"RUA"_s, u"DAS PALMEIRAS"_s, {8}, {}, {300, 301}},
        {101010, u"RUA"_s, u"DAS PALMEIRAS"_s, {7}, {}, {20, 22}},
        {101011, u"AVE"_s, u"NOVA TARVELA"_s, {11}, {}, {700, 702}},
        {101012, u"PCA"_s, u"DA MATRIZ"_s, {3}, {}, {1, 10}},
        {101013, u"RUA"_s, u"DOS IPÊS"_s, {9}, {}, {310, 312}},
        {101014, u"RUA"_s, u"DO SOL NASCENTE"_s, {10}, {}, {55, 58}},
        {101015, u"RUA"_s, u"ORNEDA VELHA"_s, {12}, {}, {90, 93}},
    };
    return all;
}

const QList<StreetType>& streetTypes() {
    static const QList<StreetType> all = {
        {u"RUA"_s, u"RUA"_s},   {u"AVE"_s, u"AVENIDA"_s},  {u"ALA"_s, u"ALAMEDA"_s},
        {u"PCA"_s, u"PRAÇA"_s}, {u"TRV"_s, u"TRAVESSA"_s}, {u"ROD"_s, u"RODOVIA"_s},
        {u"BEC"_s, u"BECO"_s},
    };
    return all;
}

QList<Stretch> stretches() {
    QList<Stretch> all;
    for (const Street& s : streets()) {
        const int base = kFirstPostcode + (streetIndex(s.code) + 1) * 100;
        int next = 1;
        for (const auto& [first, last] : ranges(s.code)) {
            all.append({s.code, u"I"_s, first, last - 1, base + next++});
            all.append({s.code, u"P"_s, first + 1, last, base + next++});
        }
    }
    return all;
}

const Street& street(int code) {
    return streets()[streetIndex(code)];
}

const Neighbourhood& neighbourhood(int code) {
    for (const Neighbourhood& n : neighbourhoods()) {
        if (n.code == code) return n;
    }
    qFatal("demo neighbourhood %d does not exist", code);
}

const CoverageArea& coverageArea(int code) {
    for (const CoverageArea& area : coverageAreas()) {
        if (area.code == code) return area;
    }
    qFatal("demo coverage area %d does not exist", code);
}

int postcode(int streetCode, int houseNumber) {
    const QString side = houseNumber % 2 == 0 ? u"P"_s : u"I"_s;
    for (const Stretch& s : stretches()) {
        if (s.street == streetCode && s.side == side && houseNumber >= s.first &&
            houseNumber <= s.last)
            return s.postcode;
    }
    return 0;
}

// Plane coordinates in metres: streets a few hundred metres apart, houses along them.
Coordinates houseCoordinates(int streetCode, int houseNumber) {
    const Street& s = street(streetCode);
    const double x = 611000.0 + streetIndex(streetCode) * 420.0 + houseNumber * 1.5;
    const double y =
        7795000.0 + s.neighbourhoods.first() * 380.0 + (houseNumber % 2 == 0 ? -8.25 : 8.25);
    return {rounded(x), rounded(y)};
}

}  // namespace orbadil::db::schema::detail::demo
