#pragma once

#include <QString>

namespace orbadil::app {

// Who is signed in, where and with which profile. Keys are decimal text. Empty before the
// first sign-in; each successful sign-in replaces it as a whole.
struct SignInState {
    QString user;            // usuario.Id_Usuario: Inserido_Por / Modificado_Por of every store
    QString profile;         // usuario.Id_Perfil: the rights look-ups
    QString workUnit;        // usuario.Id_Unidade_Trabalho
    QString userName;        // upper-case usuario.Nome
    QString login;           // usuario.Login
    QString legacyPassword;  // usuario.Senha
    QString unitName;        // unidade_trabalho.nome of the work unit
    QString profileName;     // perfil.nome of the profile
};

// How the owner and animal screen hands a chosen animal to the attendance record.
struct BookingHandOver {
    static constexpr int kNewAttendance = 1;  // start a new attendance for owner and animal
    int mode = 0;                             // any other value: nothing handed over
    QString ownerKey;
    QString animalKey;
};

// The process-wide instances.
SignInState& signInState();
BookingHandOver& bookingHandOver();

}  // namespace orbadil::app
