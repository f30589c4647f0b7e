#pragma once

#include <QDateTime>
#include <QString>

#include "db/connections.h"

namespace orbadil::db {

// Next key as the newest row's key + 1 (" select top 1 K ... order by K desc "); 1 when empty.
int nextKeyNewest(const QString& table, const QString& keyColumn,
                  const QString& connection = Connections::mainConnection());

// Next key as max(K) + 1; 1 when empty.
int nextKeyMax(const QString& table, const QString& keyColumn,
               const QString& connection = Connections::mainConnection());

// The key the database assigned to the last insert on this connection. It is read on the
// same connection, so an insert made meanwhile by another station cannot be mistaken for it.
int lastAssignedKey(const QString& connection = Connections::mainConnection());

// The server clock, " select getDate() as Date ".
QDateTime serverNow(const QString& connection = Connections::mainConnection());

}  // namespace orbadil::db
