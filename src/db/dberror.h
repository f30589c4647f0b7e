#pragma once

#include "common/error.h"

namespace orbadil::db {

// A statement or connection that failed. The message is the driver's own text.
class DbError : public Error {
  public:
    using Error::Error;
};

}  // namespace orbadil::db
