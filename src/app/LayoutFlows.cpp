#include "app/LayoutFlows.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "app/FlowTarget.h"
#include "base/FileMessages.h"
#include "base/Language.h"
#include "base/Paths.h"
#include "devices/ControllerLinks.h"
#include "files/ControllerFiles.h"
#include "files/FileDialogs.h"

namespace velmora {
namespace {

constexpr std::string_view NewLayoutHeadings[] = {
    "*Save new controller before creating a new controller?*",
    "*Save new controller before opening another controller?*",
    "*Save new controller before closing?*",
};
constexpr std::string_view ChangedLayoutHeadings[] = {
    "*Save controller changes before creating a new controller?*",
    "*Save controller changes before opening another controller?*",
    "*Save controller changes before closing?*",
};

MessageDialog SaveLayoutQuestion(const ControllerDataType& c, const ControllerFileType& layout,
                                 SaveReason reason) {
    const auto r = static_cast<std::size_t>(reason);
    const std::string& device = c.Identity.DeviceName;
    if (layout.FileName.empty())
        return MakeMessage(DialogKind::Confirmation, NewLayoutHeadings[r], {{"*Controller*", device}},
                           Translate("*The controller file for this controller will need to be created again "
                                     "if you do not save.*"),
                           SaveAsButtons);
    return MakeMessage(DialogKind::Confirmation, ChangedLayoutHeadings[r],
                       {{"*Controller*", device}, {"*Controller File*", layout.Name}},
                       Translate("*Any controller file changes will be lost if you do not save.*"),
                       SaveButtons);
}

FileDialog LayoutDialog(const ControllerDataType& c) {
    FileDialog dialog;
    dialog.Caption = Translate("*Controller*") + " [" + c.Identity.DeviceName + "]";
    dialog.TypeName = Translate("*Controllers*");
    dialog.Extension = std::string(ControllerFileExtension);
    return dialog;
}

// A command on the selected controller's changed layout asks first; it stops
// unless the answer went on or the layout got saved on the way. Answers the
// controller's place after the question, or empty when the command stops.
std::optional<std::size_t> MayDropLayout(DeviceContext& context, std::size_t index, SaveReason reason) {
    const ControllerDataType& c = context.List.Controllers[index];
    const std::uint8_t arrival = c.Arrival;
    const std::uint8_t layout = c.ControllerFileIndex;
    if (!context.List.Layouts[layout].Changed) return index;
    if (!AskSaveLayout(context, index, reason) && context.List.Layouts[layout].Changed) return std::nullopt;
    return FindFlowController(context, arrival, true);
}

// The first controller, in the list's order now, whose changed layout was not
// asked about yet: the passes run during a question may re-sort the list.
std::size_t NextChangedLayout(ControllerListType& list, const std::vector<std::uint8_t>& asked) {
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const ControllerDataType& c = list.Controllers[i];
        if (list.LayoutOf(c).Changed &&
            std::find(asked.begin(), asked.end(), c.ControllerFileIndex) == asked.end())
            return i;
    }
    return list.Count();
}

IdentityCounts CountIdentity(const ControllerListType& list, const ControllerIDType& identity) {
    IdentityCounts counts;
    for (const ControllerDataType& c : list.Controllers) {
        if (!(c.Identity == identity)) continue;
        ++(c.Connection == Connected ? counts.Connected : counts.Lost);
    }
    return counts;
}

}  // namespace

bool AskSaveLayout(DeviceContext& context, std::size_t index, SaveReason reason) {
    const ControllerDataType& c = context.List.Controllers[index];
    const std::uint8_t arrival = c.Arrival;
    const std::uint8_t shared = c.ControllerFileIndex;
    const bool neverSaved = context.List.Layouts[shared].FileName.empty();
    const int answer =
        context.Ui.ShowMessageDialog(SaveLayoutQuestion(c, context.List.Layouts[shared], reason));
    if (answer != 1) return answer == 2;  // "Do not Save" goes on; "Cancel" or closing stops
    const std::optional<std::size_t> found = FindFlowController(context, arrival, false);
    if (!found) return false;
    return neverSaved ? SaveControllerFileAs(context, *found)
                      : WriteControllerFile(context.List.Layouts[shared], context.Ui);
}

// A layout shared by several controllers is asked about once, whatever the answer.
bool SaveChangedLayouts(DeviceContext& context, SaveReason reason) {
    std::vector<std::uint8_t> asked;  // layouts
    for (;;) {
        const std::size_t i = NextChangedLayout(context.List, asked);
        if (i >= context.List.Count()) return true;
        asked.push_back(context.List.Controllers[i].ControllerFileIndex);
        if (!AskSaveLayout(context, i, reason)) return false;
    }
}

void NewControllerFile(DeviceContext& context) {
    if (context.List.Selected >= context.List.Count()) return;
    const std::optional<std::size_t> index = MayDropLayout(context, context.List.Selected, SaveBeforeNew);
    if (!index) return;
    const ControllerDataType& c = context.List.Controllers[*index];
    CloseSettingsWindows(context.Ui);
    // A connected controller's layout is hidden here and shown again below (layout rendering).
    ResetLayout(context.List.LayoutOf(c));
    if (c.Connection == Connected) context.Ui.RedrawLayout();
    context.Ui.OpenWindow(SettingsWindow::ControllerSettings);  // a blank layout is made there
}

void OpenControllerFile(DeviceContext& context) {
    if (context.List.Selected >= context.List.Count()) return;
    std::optional<std::size_t> index = MayDropLayout(context, context.List.Selected, SaveBeforeOpen);
    if (!index) return;
    const std::uint8_t arrival = context.List.Controllers[*index].Arrival;
    const std::string file =
        ShowOpenDialog(context.Ui, context.Config, context.Config.DefaultControllerLocation,
                       LayoutDialog(context.List.Controllers[*index]));
    if (file.empty()) return;
    auto fresh = std::make_unique<ControllerFileType>();
    if (!ReadControllerFile(file, *fresh, context.Ui)) return;  // the controller keeps its layout
    index = FindFlowController(context, arrival, true);         // after the dialog and any message
    if (!index) return;
    // The open windows show the old layout: its name boxes would write the
    // old names into the new one at the next keystroke.
    CloseSettingsWindows(context.Ui);
    // The shown layout is hidden here and shown again after the redraw (layout rendering).
    ControllerFileType& shared = context.List.LayoutOf(context.List.Controllers[*index]);
    fresh->Identity = shared.Identity;
    shared = std::move(*fresh);  // every controller sharing the old layout now shares this one
    // The tab's thumbnail of the new picture is built by the layout rendering.
    context.Ui.RedrawLayout();
    LinkControllerFile(context, *index);
}

bool SaveControllerFile(DeviceContext& context) {
    const std::size_t index = context.List.Selected;
    if (index >= context.List.Count()) return false;
    return WriteControllerFile(context.List.LayoutOf(context.List.Controllers[index]), context.Ui);
}

bool SaveControllerFileAs(DeviceContext& context, std::size_t index) {
    const ControllerDataType& asked = context.List.Controllers[index];
    const std::uint8_t arrival = asked.Arrival;
    ControllerFileType& layout = context.List.LayoutOf(asked);  // layouts keep their place
    FileDialog dialog = LayoutDialog(asked);
    dialog.SuggestedName = layout.Name.empty() ? "My " + asked.Identity.DeviceName : layout.Name;
    const std::string file =
        ShowSaveDialog(context.Ui, context.Config, context.Config.DefaultControllerLocation, dialog);
    if (file.empty()) return false;
    if (!FindFlowController(context, arrival, false)) return false;
    std::string oldFile = std::exchange(layout.FileName, file);
    if (!WriteControllerFile(layout, context.Ui)) {
        layout.FileName = std::move(oldFile);
        return false;
    }
    layout.Name = FileTitle(file);
    if (context.List.IndexOf(arrival) == context.List.Selected) context.Ui.RedrawLayout();
    LinkControllerFile(context, context.List.IndexOf(arrival));  // a failed write's message lets passes run
    return true;
}

namespace {

void SetKnownIndex(ControllerListType& list, const ControllerIDType& identity, std::uint8_t knownIndex) {
    for (ControllerDataType& other : list.Controllers)
        if (other.Identity == identity) other.KnownIndex = knownIndex;
}

}  // namespace

void LinkControllerFile(DeviceContext& context, std::size_t index) {
    const ControllerDataType& c = context.List.Controllers[index];
    const std::uint8_t before = c.KnownIndex;
    const ControllerIDType identity = c.Identity;
    const std::string file = context.List.LayoutOf(c).FileName;  // kept: passes run while its message is up
    const bool changes =
        before == UnknownController || context.Config.KnownControllers[before].ControllerFile != file;
    // A new entry is the next in the list; the model's pads get it before its
    // message is shown, since passes go on while it is up and a pad lost
    // meanwhile must be counted on its entry.
    const bool adding = before == UnknownController && context.Config.KnownCount < MaxKnownControllers;
    if (adding) SetKnownIndex(context.List, identity, context.Config.KnownCount);
    const std::uint8_t after = LinkControllerFile(context.Config, before, identity, file,
                                                  CountIdentity(context.List, identity), context.Ui);
    if (changes && after != UnknownController) context.Ui.RefreshWindow(SettingsWindow::GlobalSettings);
    if (!adding) return;
    SetKnownIndex(context.List, identity, after);
    SortControllers(context.List);
    context.Ui.RedrawLayout();
}

}  // namespace velmora
