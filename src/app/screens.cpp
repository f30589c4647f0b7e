#include "app/screens.h"

#include "admin/tfrmfrmsistema.h"
#include "admin/tfrmgrupo.h"
#include "admin/tfrmrel_perfil.h"
#include "admin/tfrmrelunidade.h"
#include "admin/tfrmrelusuario.h"
#include "admin/tfrmunidade.h"
#include "admin/tfrmusuario.h"
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

// A listing opened from "&Relatórios": it shows its own preview.
template <void (*Preview)(QWidget*, bool), bool Modal>
QWidget* listing(QWidget* parent) {
    Preview(parent, Modal);
    return nullptr;
}
}  // namespace

void registerProgramScreens(ScreenRegistry& registry) {
    registry.add(QStringLiteral("mnuTrocarSenha"),
                 {make<TfrmTracaSenha>, Screen::Child, true, false});
    registry.add(QStringLiteral("mnuInformacaoSistema"),
                 {make<TfrmInformacaoSistema>, Screen::Child, true, true});

    using namespace admin;
    registry.add(QStringLiteral("mnuUnidade"), {make<TfrmUnidade>});
    registry.add(QStringLiteral("mnuPerfil"), {make<TfrmGrupo>});
    registry.add(QStringLiteral("mnuUsuario"), {make<TfrmUsuario>});
    registry.add(QStringLiteral("mnuFormularios"), {make<TfrmFrmSistema>});
    registry.add(QStringLiteral("mnuRelUnidade"),
                 {listing<TfrmRelUnidade::preview, true>, Screen::Self});
    registry.add(QStringLiteral("mnuRelPerfil"),
                 {listing<TfrmRel_Perfil::preview, false>, Screen::Self});
    registry.add(QStringLiteral("mnuRelUsuario"),
                 {listing<TfrmRelUsuario::preview, false>, Screen::Self});
}

}  // namespace orbadil::app
