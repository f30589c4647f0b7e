#include "common/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace orbadil {

namespace {

struct Defaults {
    const char* logicalName;
    const char* catalog;
    const char* file;
};

// Catalog names are those the statements use in three-part names.
constexpr Defaults kConnections[] = {
    {"BANCO_TRUV", "ZooAnimais_dsv", "truv.db"},
    {"DB_Padrao", "padrao", "padrao.db"},
    {"DB_KERNO", "zzoo01", "kerno.db"},
};

QString fault(const QString& file, const QString& key, const QString& what) {
    return QStringLiteral("Arquivo de configuração %1, chave %2: %3").arg(file, key, what);
}

bool readBool(QSettings& ini, const QString& key, bool fallback) {
    const QString text = ini.value(key).toString().trimmed().toLower();
    if (text.isEmpty()) return fallback;
    if (text == u"true" || text == u"1" || text == u"sim" || text == u"yes") return true;
    if (text == u"false" || text == u"0" || text == u"nao" || text == u"não" || text == u"no")
        return false;
    throw SettingsError(fault(ini.fileName(), key, QStringLiteral("use true ou false.")));
}

ConnectionSettings::Kind readKind(QSettings& ini, const QString& key) {
    const QString text = ini.value(key, QStringLiteral("sqlite")).toString().trimmed().toLower();
    if (text == u"sqlite") return ConnectionSettings::Kind::Sqlite;
    if (text == u"odbc") return ConnectionSettings::Kind::Odbc;
    throw SettingsError(
        fault(ini.fileName(), key,
              QStringLiteral("valor \"%1\" inválido; use sqlite ou odbc.").arg(text)));
}

ConnectionSettings::Dialect readDialect(QSettings& ini, const QString& key,
                                        ConnectionSettings::Kind kind) {
    const auto fallback = kind == ConnectionSettings::Kind::Sqlite ? QStringLiteral("sqlite")
                                                                   : QStringLiteral("sqlserver");
    const QString text = ini.value(key, fallback).toString().trimmed().toLower();
    if (text == u"sqlite") return ConnectionSettings::Dialect::Sqlite;
    if (text == u"sqlserver") return ConnectionSettings::Dialect::SqlServer;
    throw SettingsError(
        fault(ini.fileName(), key,
              QStringLiteral("valor \"%1\" inválido; use sqlite ou sqlserver.").arg(text)));
}

QString resolvedPath(const QString& file, const QString& path) {
    if (path.isEmpty() || QDir::isAbsolutePath(path)) return path;
    return QFileInfo(file).absoluteDir().filePath(path);
}

ConnectionSettings readConnection(QSettings& ini, const Defaults& defaults) {
    ConnectionSettings c;
    c.logicalName = QString::fromLatin1(defaults.logicalName);
    const QString group = c.logicalName + u'/';
    c.kind = readKind(ini, group + QStringLiteral("Kind"));
    c.dialect = readDialect(ini, group + QStringLiteral("Dialect"), c.kind);
    c.database = resolvedPath(ini.fileName(),
                              ini.value(group + QStringLiteral("Database")).toString().trimmed());
    c.connectionString = ini.value(group + QStringLiteral("ConnectionString")).toString().trimmed();
    c.catalog = ini.value(group + QStringLiteral("Catalog"), QString::fromLatin1(defaults.catalog))
                    .toString();
    c.user = ini.value(group + QStringLiteral("User")).toString();
    c.password = ini.value(group + QStringLiteral("Password")).toString();
    c.serverName = ini.value(group + QStringLiteral("ServerName")).toString();
    c.create = readBool(ini, group + QStringLiteral("Create"), false);
    c.demoData = readBool(ini, group + QStringLiteral("DemoData"), false);
    if (c.kind == ConnectionSettings::Kind::Sqlite && c.database.isEmpty())
        throw SettingsError(fault(ini.fileName(), group + QStringLiteral("Database"),
                                  QStringLiteral("falta o caminho do arquivo SQLite.")));
    if (c.kind == ConnectionSettings::Kind::Odbc && c.connectionString.isEmpty())
        throw SettingsError(fault(ini.fileName(), group + QStringLiteral("ConnectionString"),
                                  QStringLiteral("falta a conexão ODBC (DSN ou texto).")));
    return c;
}

MailSettings readMail(QSettings& ini) {
    MailSettings m;
    m.host = ini.value(QStringLiteral("Mail/Host")).toString();
    bool ok = true;
    m.port = ini.value(QStringLiteral("Mail/Port"), 25).toInt(&ok);
    if (!ok || m.port <= 0 || m.port > 65535)
        throw SettingsError(
            fault(ini.fileName(), QStringLiteral("Mail/Port"), QStringLiteral("porta inválida.")));
    m.clientId = ini.value(QStringLiteral("Mail/ClientId")).toString();
    m.user = ini.value(QStringLiteral("Mail/User")).toString();
    m.password = ini.value(QStringLiteral("Mail/Password")).toString();
    m.sender = ini.value(QStringLiteral("Mail/Sender")).toString();
    m.senderName = ini.value(QStringLiteral("Mail/SenderName")).toString();
    m.mailbox = ini.value(QStringLiteral("Mail/Mailbox")).toString();
    return m;
}

}  // namespace

const ConnectionSettings* Settings::connection(const QString& logicalName) const {
    for (const auto& c : connections)
        if (c.logicalName.compare(logicalName, Qt::CaseInsensitive) == 0) return &c;
    return nullptr;
}

QStringList logicalConnectionNames() {
    QStringList names;
    for (const auto& d : kConnections) names << QString::fromLatin1(d.logicalName);
    return names;
}

Settings loadSettings(const QString& file) {
    if (!QFileInfo(file).isFile())
        throw SettingsError(QStringLiteral("Arquivo de configuração não encontrado: %1").arg(file));
    QSettings ini(file, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError)
        throw SettingsError(
            QStringLiteral("Arquivo de configuração %1 ilegível ou mal formado.").arg(file));
    Settings settings;
    settings.file = QFileInfo(file).absoluteFilePath();
    for (const auto& defaults : kConnections) settings.connections << readConnection(ini, defaults);
    settings.mail = readMail(ini);
    return settings;
}

Settings embeddedSettings(const QString& dataFolder) {
    Settings settings;
    for (const auto& d : kConnections) {
        ConnectionSettings c;
        c.logicalName = QString::fromLatin1(d.logicalName);
        c.catalog = QString::fromLatin1(d.catalog);
        c.database = QDir(dataFolder).filePath(QString::fromLatin1(d.file));
        c.serverName = QStringLiteral("LOCAL");
        c.create = true;
        c.demoData = true;
        settings.connections << c;
    }
    return settings;
}

Settings locateSettings() {
    const QString named = qEnvironmentVariable(kSettingsVariable);
    if (!named.isEmpty()) return loadSettings(named);
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                           QStringLiteral("/orbadil.ini");
    if (QFileInfo::exists(config)) return loadSettings(config);
    return embeddedSettings(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

}  // namespace orbadil
