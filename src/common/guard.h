#pragma once

#include "common/error.h"
#include "common/messages.h"

namespace orbadil {

// Runs a command handler; a failure it does not report itself goes to the error box, as the
// toolkit would show an uncaught one, and the window stays as it was.
template <typename Handler>
void reportErrors(Handler&& handler) {
    try {
        handler();
    } catch (const Error& e) {
        MessageService::current().error(e.message());
    }
}

}  // namespace orbadil
