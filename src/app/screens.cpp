#include "app/screens.h"

#include "app/tfrminformacaosistema.h"
#include "app/tfrmtracasenha.h"

namespace orbadil::app {

void ScreenRegistry::add(const QString& command, Screen screen) {
    screens_.insert(command, std::move(screen));
}

const Screen* ScreenRegistry::find(const QString& command) const {
    const auto it = screens_.constFind(command);
    return it == screens_.cend() ? nullptr : &it.value();
}

namespace {
template <typename T>
QWidget* make(QWidget* parent) {
    return new T(parent);
}
}  // namespace

void registerProgramScreens(ScreenRegistry& registry) {
    registry.add(QStringLiteral("mnuTrocarSenha"),
                 {make<TfrmTracaSenha>, Screen::Child, true, false});
    registry.add(QStringLiteral("mnuInformacaoSistema"),
                 {make<TfrmInformacaoSistema>, Screen::Child, true, true});
}

}  // namespace orbadil::app
