#pragma once

#include <QList>
#include <QString>

#include "common/error.h"

namespace orbadil {

// A settings file that cannot be used. The message names the file and the key.
class SettingsError : public Error {
  public:
    using Error::Error;
};

struct ConnectionSettings {
    enum class Kind { Sqlite, Odbc };
    enum class Dialect { Sqlite, SqlServer };

    QString logicalName;  // BANCO_TRUV, DB_Padrao, DB_KERNO
    Kind kind = Kind::Sqlite;
    Dialect dialect = Dialect::Sqlite;
    QString database;          // SQLite file
    QString connectionString;  // ODBC connection string, or a DSN name
    QString catalog;           // the catalog three-part names use
    QString user;
    QString password;
    QString serverName;     // shown after "SERVER NAME=" in the connection parameters
    bool create = false;    // SQLite: create the schema in an empty database
    bool demoData = false;  // with create: fill a newly created database with the demo set
};

struct MailSettings {
    QString host;
    int port = 25;
    QString clientId;  // name given to the relay in HELO/EHLO
    QString user;
    QString password;
    QString sender;      // sender address
    QString senderName;  // sender display name
    QString mailbox;     // the programme's own mailbox, which receives the notices
};

struct Settings {
    QString file;                           // empty for the embedded default
    QList<ConnectionSettings> connections;  // in opening order
    MailSettings mail;

    const ConnectionSettings* connection(const QString& logicalName) const;
};

// The environment variable that may name another settings file.
inline constexpr char kSettingsVariable[] = "ORBADIL_SETTINGS";

// The three logical connections, in the order they are opened.
QStringList logicalConnectionNames();

// Reads one settings file. Throws SettingsError naming the file and key at fault.
Settings loadSettings(const QString& file);

// The embedded default: three SQLite files under dataFolder, created with demo data.
Settings embeddedSettings(const QString& dataFolder);

// What the program uses: the file named by ORBADIL_SETTINGS, else orbadil.ini in the user's
// configuration folder, else the embedded default under the user's data folder.
Settings locateSettings();

}  // namespace orbadil
