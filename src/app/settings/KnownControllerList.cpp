#include "app/settings/KnownControllerList.h"

#include <utility>

#include "app/settings/ControllerPropertiesWindow.h"
#include "base/Language.h"
#include "base/MarkupText.h"
#include "devices/ControllerLinks.h"

namespace velmora {
namespace {

bool Selects(const ConfigurationType& config, int selection) {
    return selection >= 0 && selection < config.KnownCount;
}

// Points every controller of entry a at entry b and the other way round.
void SwapKnownIndexes(ControllerListType& list, std::uint8_t a, std::uint8_t b) {
    for (ControllerDataType& c : list.Controllers) {
        if (c.KnownIndex == a)
            c.KnownIndex = b;
        else if (c.KnownIndex == b)
            c.KnownIndex = a;
    }
}

void ShowInUse(const KnownControllerDataType& entry, UserInterface& ui) {
    MessageDialog dialog;
    dialog.Heading = Translate("*Cannot delete a controller link that is in use*");
    dialog.Captions = "$" + Translate("*Controller*") + "$";
    dialog.Values = PlainText(entry.Identity.DeviceName);
    dialog.Message = Translate("*This controller link is being used by one or more controllers.*");
    ui.ShowMessageDialog(dialog);
}

void AddDetail(MessageDialog& dialog, const std::string& caption, const std::string& value) {
    const std::string join = dialog.Captions.empty() ? "" : "#";
    dialog.Captions += join + "$" + caption + "$";
    dialog.Values += join + PlainText(value);
}

}  // namespace

std::vector<KnownControllerRow> KnownControllerRows(const ConfigurationType& config) {
    std::vector<KnownControllerRow> rows;
    for (int i = 0; i < config.KnownCount; ++i) {
        const KnownControllerDataType& entry = config.KnownControllers[static_cast<std::size_t>(i)];
        std::string found = std::to_string(entry.ConnectedCount);
        if (entry.LostCount != 0) found += " (" + std::to_string(entry.LostCount) + ")";
        rows.push_back({std::to_string(i + 1), entry.Identity.DeviceName, std::move(found)});
    }
    return rows;
}

KnownControllerButtons KnownControllerButtonStates(const ConfigurationType& config, int selection) {
    const bool any = Selects(config, selection);
    return {any && selection > 0, any && selection < config.KnownCount - 1, any, any};
}

int MoveKnownController(ConfigurationType& config, ControllerListType& list, UserInterface& ui, int selection,
                        int direction) {
    const int other = selection + direction;
    if (!Selects(config, selection) || !Selects(config, other)) return selection;
    std::swap(config.KnownControllers[static_cast<std::size_t>(selection)],
              config.KnownControllers[static_cast<std::size_t>(other)]);
    SwapKnownIndexes(list, static_cast<std::uint8_t>(selection), static_cast<std::uint8_t>(other));
    config.ConfigurationChanged = true;
    SortControllers(list);
    ui.RedrawLayout();
    return other;
}

bool DeleteKnownController(ConfigurationType& config, ControllerListType& list, UserInterface& ui,
                           int selection) {
    if (!Selects(config, selection)) return false;
    const auto deleted = static_cast<std::size_t>(selection);
    if (config.KnownControllers[deleted].ConnectedCount > 0 ||
        config.KnownControllers[deleted].LostCount > 0) {
        ShowInUse(config.KnownControllers[deleted], ui);
        return false;
    }
    for (std::size_t i = deleted; i + 1 < config.KnownCount; ++i)
        config.KnownControllers[i] = std::move(config.KnownControllers[i + 1]);
    config.KnownControllers[config.KnownCount - 1u] = KnownControllerDataType{};
    --config.KnownCount;
    for (ControllerDataType& c : list.Controllers)
        if (c.KnownIndex != UnknownController && c.KnownIndex > deleted) --c.KnownIndex;
    config.ConfigurationChanged = true;
    return true;
}

void ShowKnownControllerDetails(const ConfigurationType& config, int selection, UserInterface& ui) {
    if (!Selects(config, selection)) return;
    const KnownControllerDataType& entry = config.KnownControllers[static_cast<std::size_t>(selection)];
    MessageDialog dialog;
    dialog.Heading = Translate("*Controller details*") + ": " + entry.Identity.DeviceName;
    AddDetail(dialog, Translate("*ID*"), VendorProductText(entry.Identity.VendorProduct));
    AddDetail(dialog, Translate("*Controller File*"), entry.ControllerFile);
    for (std::size_t k = 0; k < entry.RecentProfiles.size(); ++k)
        if (!entry.RecentProfiles[k].empty())
            AddDetail(dialog, Translate("*Recent Profile*") + " " + std::to_string(k + 1),
                      entry.RecentProfiles[k]);
    ui.ShowMessageDialog(dialog);
}

}  // namespace velmora
