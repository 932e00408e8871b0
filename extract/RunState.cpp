#include "RunState.h"

namespace extract {

RunStateValues RunState;

} // namespace extract
