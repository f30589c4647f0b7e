#pragma once

// The invented town of the demo data set. The address base is generated from it, and every
// address of the main database's demo is taken from it, so both databases agree.

#include <QList>
#include <QString>

namespace orbadil::db::schema::detail::demo {

inline constexpr int kLocality = 1;
inline const QString kLocalityName = QStringLiteral("VALMAROSA");

struct SanitaryDistrict {
    int code;  // also the key of the main database's distrito row
    QString name;
};

struct CoverageArea {
    int code;
    QString name;
    int district;
    bool active;
};

struct Neighbourhood {
    int code;
    QString type;
    QString name;
    QString kind;  // "P" or "O"
    int area;
};

struct Street {
    int code;
    QString type;  // tipologradouro abbreviation
    QString name;
    QList<int> neighbourhoods;  // the first is where the demo addresses lie
    QString formerName;         // a second name row when not empty
    QList<int> houses;          // houses with map coordinates
};

// A postcode covering one side ('I' odd, 'P' even) of a range of house numbers.
struct Stretch {
    int street;
    QString side;
    int first;
    int last;
    int postcode;
};

struct StreetType {
    QString code;
    QString name;
};

struct Coordinates {
    double x;
    double y;
};

const QList<SanitaryDistrict>& sanitaryDistricts();
const QList<CoverageArea>& coverageAreas();
const QList<Neighbourhood>& neighbourhoods();
const QList<Street>& streets();
const QList<StreetType>& streetTypes();
QList<Stretch> stretches();

const Street& street(int code);
const Neighbourhood& neighbourhood(int code);
const CoverageArea& coverageArea(int code);
// 0 when no stretch of the street covers the number on its side.
int postcode(int streetCode, int houseNumber);
Coordinates houseCoordinates(int streetCode, int houseNumber);

}  // namespace orbadil::db::schema::detail::demo
