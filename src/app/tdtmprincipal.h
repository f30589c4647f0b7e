#pragma once

#include <QObject>
#include <memory>

#include "common/settings.h"
#include "db/connections.h"

namespace orbadil::app {

// One of the holder's three connections, as a named component (dtbTRUV, dtbPadrao, dtbKERNO).
class DatabaseComponent : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString databaseName READ databaseName CONSTANT)
  public:
    DatabaseComponent(const QString& objectName, QString logicalName, QObject* parent);
    const QString& databaseName() const { return logicalName_; }

  private:
    QString logicalName_;
};

// The connection holder every screen shares: it sets the regional settings and opens the
// main database, the address base and the zoonosis database, in that order.
class TdtmPrincipal : public QObject {
    Q_OBJECT
  public:
    explicit TdtmPrincipal(Settings settings, QObject* parent = nullptr);
    ~TdtmPrincipal() override;

    // Regional settings, then the connections in order. A connection that fails shows the
    // driver's text in an error box; the ones after it are left to open on first use.
    void DataModuleCreate();

    db::Connections& connections() { return *connections_; }

  private:
    std::unique_ptr<db::Connections> connections_;
};

// The process-wide instance, set while one exists.
extern TdtmPrincipal* dtmPrincipal;

}  // namespace orbadil::app
