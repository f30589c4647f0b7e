#pragma once

#include <QString>
#include <stdexcept>

namespace orbadil {

// A failure reported to the user; the message is ready to show as it stands.
class Error : public std::runtime_error {
  public:
    explicit Error(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

  private:
    QString message_;
};

}  // namespace orbadil
