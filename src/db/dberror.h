#pragma once

#include <QString>
#include <stdexcept>

namespace orbadil::db {

// A statement or connection that failed. The message is the driver's own text.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

}  // namespace orbadil::db
