#include "db/schema/columns.h"

#include <QHash>
#include <QRegularExpression>

#include "db/schema/ddlbuilder.h"

namespace orbadil::db::schema {

namespace {

struct Column {
    QString name;
    int width = 0;
};

using Catalogue = QHash<QString, QList<Column>>;  // by lower-case table name

bool isConstraint(const QString& word) {
    static const QStringList words{QStringLiteral("PRIMARY"), QStringLiteral("UNIQUE"),
                                   QStringLiteral("FOREIGN"), QStringLiteral("CHECK"),
                                   QStringLiteral("CONSTRAINT")};
    return words.contains(word);
}

// Read back from the statements that create the tables, so the widths cannot drift apart.
Catalogue readCatalogue() {
    static const QRegularExpression head(QStringLiteral(R"(^CREATE TABLE IF NOT EXISTS (\w+) \()"));
    static const QRegularExpression column(QStringLiteral(R"(^\s*(\w+) (\w+)(?:\((\d+)\))?)"));
    Catalogue catalogue;
    for (const QString& statement : detail::mainTables()) {
        const auto table = head.match(statement);
        if (!table.hasMatch()) continue;
        QList<Column>& columns = catalogue[table.captured(1).toLower()];
        for (const QString& line : statement.split(u'\n').mid(1)) {
            const auto m = column.match(line);
            if (!m.hasMatch() || isConstraint(m.captured(1))) continue;
            const bool isText = m.captured(2) == u"VARCHAR";
            columns << Column{m.captured(1), isText ? m.captured(3).toInt() : 0};
        }
    }
    return catalogue;
}

const Catalogue& catalogue() {
    static const Catalogue instance = readCatalogue();
    return instance;
}

}  // namespace

QStringList tableColumns(const QString& table) {
    QStringList names;
    for (const Column& c : catalogue().value(table.toLower())) names << c.name;
    return names;
}

int textWidth(const QString& table, const QString& column) {
    for (const Column& c : catalogue().value(table.toLower()))
        if (c.name.compare(column, Qt::CaseInsensitive) == 0) return c.width;
    return 0;
}

}  // namespace orbadil::db::schema
