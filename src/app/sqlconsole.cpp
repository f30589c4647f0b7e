#include "app/sqlconsole.h"

#include <QCommandLineParser>

#include "common/formats.h"
#include "common/settings.h"
#include "db/connections.h"
#include "db/dberror.h"
#include "db/query.h"

namespace orbadil::app {

namespace {

QString cellText(const QVariant& value) {
    QString flat = formatValue(value);
    flat.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
    return flat;
}

void printRows(db::Query& query, QTextStream& out) {
    const QStringList names = query.fieldNames();
    out << names.join(u'\t') << '\n';
    for (; !query.eof(); query.next()) {
        QStringList cells;
        for (int i = 0; i < names.size(); ++i) cells << cellText(query.value(i));
        out << cells.join(u'\t') << '\n';
    }
}

void runBatch(const QString& connection, const QString& batch, QTextStream& out) {
    db::Query query(connection);
    query.setSql(batch);
    if (query.run())
        printRows(query, out);
    else
        out << QStringLiteral("(%1 linha(s) afetada(s))").arg(query.rowsAffected()) << '\n';
}

QStringList readBatches(QTextStream& in) {
    QStringList batches;
    QStringList lines;
    auto flush = [&] {
        const QString batch = lines.join(u'\n');
        if (!batch.trimmed().isEmpty()) batches << batch;
        lines.clear();
    };
    QString line;
    while (in.readLineInto(&line)) {
        if (line.trimmed().compare(u"GO", Qt::CaseInsensitive) == 0)
            flush();
        else
            lines << line;
    }
    flush();
    return batches;
}

}  // namespace

int runSqlConsole(const QStringList& arguments, QTextStream& in, QTextStream& out,
                  QTextStream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Executa instruções no dialeto do servidor pelas conexões do Orbadil."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("settings"), QStringLiteral("Arquivo de configuração."),
                      QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("connection"),
                      QStringLiteral("Conexão lógica (padrão: BANCO_TRUV)."),
                      QStringLiteral("NAME"), QStringLiteral("BANCO_TRUV")});
    parser.addPositionalArgument(QStringLiteral("STATEMENT"),
                                 QStringLiteral("Instrução; sem ela, lotes da entrada separados "
                                                "por linhas GO."));
    if (!parser.parse(arguments)) {
        err << parser.errorText() << '\n';
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << parser.helpText();
        return 0;
    }
    try {
        Settings settings = parser.isSet(QStringLiteral("settings"))
                                ? loadSettings(parser.value(QStringLiteral("settings")))
                                : locateSettings();
        db::Connections connections(std::move(settings));
        const QString connection = parser.value(QStringLiteral("connection"));
        const QStringList positional = parser.positionalArguments();
        const QStringList batches =
            positional.isEmpty() ? readBatches(in) : QStringList{positional.join(u' ')};
        for (const auto& batch : batches) runBatch(connection, batch, out);
    } catch (const Error& e) {
        err << e.message() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace orbadil::app
