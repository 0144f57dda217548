// The comment lines of an arrangement block saved now.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "configuration.h"
#include "io/zel_writer.h"

namespace korain {

// The identification values of the configuration with today's date and the time.
ZelWriteContext zelWriteContextNow(const IdentificationConfig& config);

}  // namespace korain
