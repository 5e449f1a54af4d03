// Where the options file and the defaults file live.
#pragma once

#include <memory>
#include <string>

#include "marlovin/settings/options_store.h"

namespace marlovin {

// GetAppDataFolder + "\Marlovin\", created (with missing parents) whenever it is asked
// for and missing. A folder that cannot be created shows up when the options file
// cannot be written.
std::string GetOptionsFolder();
// GetOptionsFolder + "options.ini".
std::string GetOptionsFilePath();
// GetProgramFolder + "default.ini": shipped with the program, only read.
std::string GetDefaultsFilePath();

// The side bar's options object on its options file, working with the real Explorer.
std::unique_ptr<TMarlovinTextConfig> CreateSideBarConfig();

}  // namespace marlovin
