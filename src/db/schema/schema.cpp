#include "db/schema/schema.h"

#include "db/schema/ddlbuilder.h"

namespace orbadil::db::schema {

QStringList ddl(Catalog catalog) {
    switch (catalog) {
        case Catalog::Main:
            return detail::mainTables() + detail::mainIndexes() + QStringList{detail::exportView()};
        case Catalog::AddressBase:
            return detail::addressBaseDdl();
        case Catalog::Zoonosis:
            return detail::zoonosisDdl();
    }
    return {};
}

}  // namespace orbadil::db::schema
