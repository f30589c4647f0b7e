#pragma once

#include <QSqlError>

#include "common/error.h"

namespace orbadil::db {

// A statement or connection that failed. The message is the driver's own text.
class DbError : public Error {
  public:
    using Error::Error;
};

// The driver's own text, or a plain sentence when the driver gave none.
inline QString driverText(const QSqlError& error) {
    const QString text = error.text().trimmed();
    return text.isEmpty() ? QStringLiteral("Erro desconhecido do banco de dados.") : text;
}

}  // namespace orbadil::db
