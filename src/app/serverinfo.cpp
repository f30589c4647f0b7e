#include "app/serverinfo.h"

#include <QStringList>

#include "db/connections.h"

namespace orbadil::app {

std::optional<QString> parameterValue(const QString& parameters, const QString& key) {
    const QString prefix = key + u'=';
    for (const QString& line : parameters.split(u'\n'))
        if (line.startsWith(prefix)) return line.mid(prefix.size()).trimmed();
    return std::nullopt;
}

QString mainConnectionParameters() {
    if (!db::Connections::hasCurrent()) return {};
    return db::Connections::current().parametersText(db::Connections::mainConnection());
}

}  // namespace orbadil::app
