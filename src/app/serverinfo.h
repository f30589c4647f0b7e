#pragma once

#include <QString>
#include <optional>

namespace orbadil::app {

// The value of a "KEY=value" line of a connection's parameters text, or nullopt.
std::optional<QString> parameterValue(const QString& parameters, const QString& key);

// The main connection's parameters, one per line ("SERVER NAME=...").
QString mainConnectionParameters();

}  // namespace orbadil::app
