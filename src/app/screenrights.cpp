#include "app/screenrights.h"

#include <QAction>
#include <QWidget>

#include "app/signinstate.h"
#include "common/messages.h"
#include "db/dberror.h"
#include "db/query.h"

namespace orbadil::app {

namespace {

struct Hides {
    QStringList incluir, alterar, excluir, imprimir;
};

Hides hidesOf(RightsLayout layout) {
    using L = QStringList;
    switch (layout) {
        case RightsLayout::ReadOnly:
            return {};
        case RightsLayout::Standard:
            return {L{"actAppend"}, L{"actEdit"}, L{"actDelete"}, L{"actPrint"}};
        case RightsLayout::OwnerAnimal:
            return {L{"actAppend", "actAnimalNovo"}, L{"actEdit", "actAnimalAlterar"},
                    L{"actDelete", "actAnimalExcluir"}, L{"actPrint"}};
        case RightsLayout::IncludeExcludeButtons:
            return {L{"bmpIncluir"}, L{}, L{"bmpExcluir"}, L{}};
        case RightsLayout::PrescriptionButtons:
            return {L{}, L{"bmpAlterar", "bmpGravar"}, L{}, L{"bmpImprimir"}};
        case RightsLayout::TransferButton:
            return {L{"bmpTransferir"}, L{"bmpTransferir"}, L{}, L{}};
    }
    return {};
}

bool refuses(const QString& right) {
    return right.trimmed() == QLatin1String("N");
}

void setCommandVisible(QWidget* screen, const QString& name, bool visible) {
    if (auto* action = screen->findChild<QAction*>(name))
        action->setVisible(visible);
    else if (auto* widget = screen->findChild<QWidget*>(name))
        widget->setVisible(visible);
}

}  // namespace

ScreenRights readScreenRights(const QString& profile, int form) {
    db::Query query;
    query.add(
        QStringLiteral(" select id_perfil,id_form, visualizar, incluir, alterar, excluir, "
                       "imprimir "));
    query.add(QStringLiteral(" from perfil_form "));
    query.add(QStringLiteral(" where id_perfil =  ") + profile);
    query.add(QStringLiteral(" and id_form = ") + QString::number(form) + QStringLiteral(" "));
    query.open();
    if (query.eof()) return {};
    return {true, query.text(QStringLiteral("incluir")), query.text(QStringLiteral("alterar")),
            query.text(QStringLiteral("excluir")), query.text(QStringLiteral("imprimir"))};
}

QStringList refusedCommands(const ScreenRights& rights, RightsLayout layout) {
    if (!rights.found) return {};
    const Hides hides = hidesOf(layout);
    QStringList out;
    const auto add = [&](const QString& right, const QStringList& names) {
        if (!refuses(right)) return;
        for (const QString& name : names)
            if (!out.contains(name)) out << name;
    };
    add(rights.incluir, hides.incluir);
    add(rights.alterar, hides.alterar);
    add(rights.excluir, hides.excluir);
    add(rights.imprimir, hides.imprimir);
    return out;
}

void applyScreenRights(QWidget* screen, int form, RightsLayout layout) {
    ScreenRights rights;
    try {
        rights = readScreenRights(signInState().profile, form);
    } catch (const db::DbError& e) {
        MessageService::current().error(e.message());
        return;
    }
    for (const QString& name : refusedCommands(rights, layout))
        setCommandVisible(screen, name, false);
    if (rights.found && layout == RightsLayout::OwnerAnimal)
        setCommandVisible(screen, QStringLiteral("actInformation"), true);
}

}  // namespace orbadil::app
