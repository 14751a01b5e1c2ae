#include "interpreter/command_table.h"
#include "interpreter/tform1.h"

namespace qv {

void AddFlowCommands(CommandMap& map) { (void)map; }

}  // namespace qv
