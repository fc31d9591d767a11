#include <algorithm>
#include <optional>

#include "base/FileMessages.h"
#include "base/Language.h"
#include "base/Paths.h"
#include "devices/ControllerLinks.h"
#include "devices/DeviceScan.h"
#include "devices/ReadyLayouts.h"
#include "files/ControllerFiles.h"
#include "model/ProfileModel.h"

namespace velmora {
namespace {

// The last loaded layout of the identity, if any.
std::optional<std::uint8_t> LoadedLayout(const ControllerListType& list, const ControllerIDType& identity) {
    for (std::size_t i = list.Layouts.size(); i-- > 0;)
        if (list.Layouts[i].Identity == identity) return static_cast<std::uint8_t>(i);
    return std::nullopt;
}

// A new blank layout for the identity.
std::uint8_t NewLayout(ControllerListType& list, const ControllerIDType& identity) {
    ControllerFileType& layout = list.Layouts.emplace_back();
    layout.Identity = identity;
    ResetLayout(layout);
    return static_cast<std::uint8_t>(list.Layouts.size() - 1);
}

void Request(ControllerDataType& c, std::string path, bool atPlug = false) {
    c.OpenProfileRequest = {OpenProfileFile, std::move(path), atPlug};
}

bool RequestQueued(ControllerDataType& c, const TakeQueuedProfileFunction& takeQueued) {
    std::optional<std::string> file = takeQueued ? takeQueued() : std::nullopt;
    if (!file) return false;
    Request(c, std::move(*file));
    return true;
}

// The instance's own recent profile, or the nearest one before it: with
// fewer profiles remembered than controllers, the later ones share.
void RequestLastProfile(DeviceContext& context, ControllerDataType& c) {
    const KnownControllerDataType& entry = context.Config.KnownControllers[c.KnownIndex];
    if (!context.Config.AutoOpenLastProfile || entry.ConnectedCount + entry.LostCount > 4) return;
    std::size_t k = std::min<std::size_t>(c.InstanceNumber, entry.RecentProfiles.size() - 1);
    while (entry.RecentProfiles[k].empty() && k > 0) --k;
    if (!entry.RecentProfiles[k].empty()) Request(c, entry.RecentProfiles[k], true);
}

// A layout already loaded for the model is shared as it is: read again from
// its file it would lose the edits not yet saved. It counts as the known file
// opened when it is that file.
bool OpenKnownLayout(DeviceContext& context, ControllerDataType& c, bool shared) {
    if (!shared) return AutoOpenControllerFile(context, c);
    return context.List.LayoutOf(c).FileName == context.Config.KnownControllers[c.KnownIndex].ControllerFile;
}

void ChooseFirstProfile(DeviceContext& context, ControllerDataType& c, bool sharedLayout,
                        const TakeQueuedProfileFunction& takeQueued) {
    if (c.KnownIndex == UnknownController || c.KnownIndex >= context.Config.KnownCount) {
        RequestQueued(c, takeQueued);
        return;
    }
    if (!OpenKnownLayout(context, c, sharedLayout)) return;
    if (!RequestQueued(c, takeQueued)) RequestLastProfile(context, c);
}

// A model that no file gives a layout gets its ready layout at once, from
// the controller database or XInput; it stays unsaved (and unmarked) until
// the user saves or edits it, so a file made later still wins.
void GiveReadyLayout(DeviceContext& context, ControllerDataType& c) {
    ControllerFileType& layout = context.List.LayoutOf(c);
    if (!layout.FileName.empty()) return;
    MakeControllerReadyLayout(context.List, c, layout, ProgramControllerDatabase(),
                              context.Devices.XInputIsLoaded(), context.Config.Interface);
}

void CompleteNewController(DeviceContext& context, ControllerDataType& c,
                           const TakeQueuedProfileFunction& takeQueued) {
    c.Connection = Connected;
    c.DeviceKind = UnidentifiedDevice;
    context.List.IdentificationDone = false;
    if (c.DetectionSlot < MaxDevices) context.List.Detection[c.DetectionSlot].DirectInputVotes = 0;
    c.Processing = context.Config.ProcessNonSelectedControllers;
    c.RumblePasses = 0;
    c.RumbleNow = {0, 0};
    const std::optional<std::uint8_t> loaded = LoadedLayout(context.List, c.Identity);
    c.ControllerFileIndex = loaded ? *loaded : NewLayout(context.List, c.Identity);
    NewProfile(c.Profile, context.Config);
    c.OpenProfileRequest = {};
    ChooseFirstProfile(context, c, loaded.has_value(), takeQueued);
    if (!loaded) GiveReadyLayout(context, c);
    c.MouseAcceleration = 0;
    c.ControlState = c.PreviousControlState = c.EffectiveState = c.PreviousEffectiveState = ControlStates{};
    c.Input = NormalisedInput{};
    UpdateCanRumble(context.List, c);
}

}  // namespace

bool AutoOpenControllerFile(DeviceContext& context, ControllerDataType& c) {
    const std::string& file = context.Config.KnownControllers[c.KnownIndex].ControllerFile;
    if (ReadControllerFile(file, context.List.LayoutOf(c), context.Ui))
        return true;  // thumbnails: layout rendering
    context.Ui.ShowMessageDialog(
        MakeMessage(DialogKind::Error, "*Cannot auto-open controller file*",
                    {{"*Controller File*", FileTitle(file)}, {"*Location*", FileFolder(file)}},
                    Translate("*This controller file cannot be opened.*")));
    return false;
}

namespace {

void RescanNow(DeviceContext& context, const TakeQueuedProfileFunction& takeQueuedProfile) {
    ControllerListType& list = context.List;
    // Cleared first: a device that changes while this scan's messages are up
    // sets it again and is scanned next.
    list.RescanFlag = false;
    ScanDevices(context);
    if (list.Count() > 0) {
        // The tab geometry for the number of controllers belongs to the layout rendering.
        bool anyNew = false;
        for (ControllerDataType& c : list.Controllers) {
            if (c.Connection != New) continue;
            CompleteNewController(context, c, takeQueuedProfile);
            anyNew = true;
        }
        if (anyNew) {
            SortControllers(list);  // thumbnails of every layout: layout rendering
            context.Ui.RedrawLayout();
        }
        if (list.Selected == NoSelection) SelectController(context, 0);
    }
    context.Ui.RefreshWindow(SettingsWindow::GlobalSettings);
}

}  // namespace

void RescanControllers(DeviceContext& context, const TakeQueuedProfileFunction& takeQueuedProfile) {
    // Passes run inside its messages, and each may ask for a rescan: that
    // one waits, RescanFlag still set, until this one has completed its pads.
    if (context.List.Rescanning) return;
    context.List.Rescanning = true;
    RescanNow(context, takeQueuedProfile);
    context.List.Rescanning = false;
}

}  // namespace velmora
