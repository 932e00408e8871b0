#include "InstallerState.h"

namespace config {

InstallerStateValues InstallerState;

} // namespace config
