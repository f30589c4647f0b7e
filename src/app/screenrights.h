#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace orbadil::app {

// Which of a screen's commands each refused right hides.
enum class RightsLayout {
    ReadOnly,               // the row is read but nothing is hidden
    Standard,               // actAppend, actEdit, actDelete, actPrint
    OwnerAnimal,            // both record command sets of the owner and animal screen
    IncludeExcludeButtons,  // bmpIncluir, bmpExcluir
    PrescriptionButtons,    // bmpAlterar + bmpGravar, bmpImprimir
    TransferButton,         // bmpTransferir
};

// The profile's perfil_form row for one screen.
struct ScreenRights {
    bool found = false;
    QString incluir, alterar, excluir, imprimir;
};

// Reads the row (throws DbError when the statement fails).
ScreenRights readScreenRights(const QString& profile, int form);

// The objectNames of the commands the rights hide: only "N" refuses.
QStringList refusedCommands(const ScreenRights& rights, RightsLayout layout);

// Reads the signed-in profile's row for the screen and hides the refused commands (not
// disables them). A failed read shows the database error and hides nothing.
void applyScreenRights(QWidget* screen, int form, RightsLayout layout);

}  // namespace orbadil::app
