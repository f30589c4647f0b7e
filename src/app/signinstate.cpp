#include "app/signinstate.h"

namespace orbadil::app {

SignInState& signInState() {
    static SignInState state;
    return state;
}

BookingHandOver& bookingHandOver() {
    static BookingHandOver handOver;
    return handOver;
}

}  // namespace orbadil::app
