#include "app/FlowTarget.h"

#include "base/FileMessages.h"
#include "base/Language.h"

namespace velmora {

std::optional<std::size_t> FindFlowController(DeviceContext& context, std::uint8_t arrival,
                                              bool needsConnection) {
    const std::size_t index = context.List.IndexOf(arrival);
    const bool found = index < context.List.Count();
    if (found && (!needsConnection || context.List.Controllers[index].Connection != Lost)) return index;
    const std::string name = found ? context.List.Controllers[index].Name : std::string();
    constexpr std::string_view Message = "*The controller was disconnected: nothing was changed.*";
    context.Ui.ShowMessageDialog(MakeMessage(DialogKind::Warning, "*Controller disconnected*",
                                             {{"*Controller*", name}}, Translate(Message)));
    return std::nullopt;
}

}  // namespace velmora
