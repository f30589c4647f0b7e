#pragma once

// Pieces of the demo data set and the keys they share.

#include <QDate>
#include <QString>
#include <QStringList>

#include "common/password.h"

namespace orbadil::db::schema::detail::demo {

// Keys that several parts of the demo refer to.
namespace key {
inline constexpr int kAdminUnit = 1;    // where the administrator signs in
inline constexpr int kSurgeryUnit = 2;  // most demo attendances take place here
inline constexpr int kInactiveUnit = 3;
inline constexpr int kWestUnit = 5;
inline constexpr int kNortheastUnit = 6;
inline constexpr int kTarvelaUnit = 7;
inline constexpr int kWebUnit = 15;  // owners' web accounts

inline constexpr int kAdminProfile = 1000;
inline constexpr int kClerkProfile = 1;
inline constexpr int kViewerProfile = 2;

inline constexpr int kAdministrator = 1;

inline constexpr int kDog = 1;
inline constexpr int kCat = 2;
inline constexpr int kMapProcedure = 12;  // the only procedure the maps offer
inline constexpr int kStatusBooked = 1;
inline constexpr int kStatusDone = 3;
inline constexpr int kStatusMissed = 4;
inline constexpr int kStatusCancelled = 7;  // never counted as a used booking
}  // namespace key

// Dates relative to the day the demo is generated; never a Sunday for attendances.
class Calendar {
  public:
    explicit Calendar(QDate today);
    QDate today() const { return today_; }
    // Stored date-time text of the day `offset` days from today at `time` ("HH:mm").
    QString at(int offset, const QString& time) const;
    // The same, moved forward to a Monday..Saturday when it falls on a Sunday.
    QString workdayAt(int offset, const QString& time) const;
    static QString stamp(QDate date, const QString& time);

  private:
    QDate today_;
};

QStringList accessData(const Calendar& calendar);
QStringList referenceData(const Calendar& calendar);
QStringList registryData(const Calendar& calendar);
QStringList schedulingData(const Calendar& calendar);
QStringList attendanceData(const Calendar& calendar);
QStringList addressBaseData();
QStringList zoonosisData(const Calendar& calendar);

// The eleven (fourteen) digits of a CPF (CNPJ) whose first nine (twelve) are given.
QString withCpfCheckDigits(const QString& base);
QString withCnpjCheckDigits(const QString& base);

}  // namespace orbadil::db::schema::detail::demo
