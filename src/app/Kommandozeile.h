#pragma once

#include "ui/Platform.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace kelvaro {

// The command line for teachers and scripts: `kelvaro <command> [options]`. Returns the
// process exit code; results go to out, German messages to err.
int KommandozeileAusfuehren(const std::vector<std::string>& argumente, std::ostream& out, std::ostream& err,
                            const ui::Datum& heute);

}  // namespace kelvaro
