#pragma once

#include "cli/CliCommon.h"

namespace quillon::cli {

// One function per command file; main.cpp lists them.
Command ExportCommand();
Command ImportCommand();
Command InfoCommand();
Command IconCommand();
Command CheckCommand();
Command DiffCommand();

} // namespace quillon::cli
