#include "app/tdtmprincipal.h"

#include "common/formats.h"
#include "common/messages.h"
#include "db/dberror.h"

namespace orbadil::app {

TdtmPrincipal* dtmPrincipal = nullptr;

DatabaseComponent::DatabaseComponent(const QString& objectName, QString logicalName,
                                     QObject* parent)
    : QObject(parent), logicalName_(std::move(logicalName)) {
    setObjectName(objectName);
}

TdtmPrincipal::TdtmPrincipal(Settings settings, QObject* parent)
    : QObject(parent), connections_(std::make_unique<db::Connections>(std::move(settings))) {
    setObjectName(QStringLiteral("dtmPrincipal"));
    new DatabaseComponent(QStringLiteral("dtbTRUV"), QStringLiteral("BANCO_TRUV"), this);
    new DatabaseComponent(QStringLiteral("dtbPadrao"), QStringLiteral("DB_Padrao"), this);
    new DatabaseComponent(QStringLiteral("dtbKERNO"), QStringLiteral("DB_KERNO"), this);
    dtmPrincipal = this;
}

TdtmPrincipal::~TdtmPrincipal() {
    if (dtmPrincipal == this) dtmPrincipal = nullptr;
}

void TdtmPrincipal::DataModuleCreate() {
    applyRegionalSettings();
    for (const auto* component : findChildren<DatabaseComponent*>(Qt::FindDirectChildrenOnly)) {
        try {
            connections_->open(component->databaseName());
        } catch (const db::DbError& e) {
            MessageService::current().error(e.message());
            return;
        }
    }
}

}  // namespace orbadil::app
