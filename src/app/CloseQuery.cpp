#include "app/CloseQuery.h"

#include "app/LayoutFlows.h"
#include "app/ProfileFlows.h"

namespace velmora {

bool CloseQuery(DeviceContext& context, CommandLineType& commandLine) {
    commandLine.CloseSwitch = false;
    if (context.List.Count() == 0) return true;
    return SaveChangedLayouts(context, SaveBeforeClose) && AskToSaveAllProfiles(context, SaveBeforeClose);
}

}  // namespace velmora
