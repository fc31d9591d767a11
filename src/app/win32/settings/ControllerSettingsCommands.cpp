// What the controller settings window's buttons, boxes, selectors and name
// edits do: each is one call of the window's logic, then the controls follow.
#include "app/settings/ControllerEnableBoxes.h"
#include "app/settings/ControllerSelectors.h"
#include "app/settings/LayoutImageTools.h"
#include "app/settings/SettingsWindows.h"
#include "app/win32/Application.h"
#include "app/win32/settings/ControllerSettingsForm.h"
#include "app/win32/settings/ControllerSettingsIds.h"
#include "base/win32/WideText.h"

namespace velmora {

using namespace controller_ids;

namespace {

// The group of an Enable box or a group Detect button, by its offset from the first.
LayoutGroup GroupOf(int id) {
    if (id == DPadEnableId || id == DPadDetectId) return LayoutGroup::DPad;
    if (id == TriggersEnableId || id == TriggersDetectId) return LayoutGroup::Triggers;
    return (id == StickEnableId + 1 || id == StickDetectId + 1) ? LayoutGroup::Stick2 : LayoutGroup::Stick1;
}

bool IsEnableBox(int id) {
    return id == StickEnableId || id == StickEnableId + 1 || id == DPadEnableId || id == TriggersEnableId;
}

bool IsGroupDetect(int id) {
    return id == StickDetectId || id == StickDetectId + 1 || id == DPadDetectId || id == TriggersDetectId;
}

// The target of a single Detect button, or NoDetection.
std::uint8_t TargetOf(int id) {
    if (id >= StickAxisDetectId && id < StickAxisDetectId + 4)
        return static_cast<std::uint8_t>(Stick1XTarget + (id - StickAxisDetectId));
    if (id >= DPadDirectionDetectId && id < DPadDirectionDetectId + 4)
        return static_cast<std::uint8_t>(DPadUpTarget + (id - DPadDirectionDetectId));
    if (id >= TriggerDetectId && id < TriggerDetectId + 2)
        return static_cast<std::uint8_t>(LeftTriggerTarget + (id - TriggerDetectId));
    return NoDetection;
}

}  // namespace

bool TControllerSettingsForm::OnClick(int id) {
    if (id == HelpId) {
        const auto topics = SettingsWindowInfo(SettingsWindow::ControllerSettings).HelpTopics;
        app_.Ui.ShowHelp(topics[static_cast<std::size_t>(state_.Tab)]);
        return true;
    }
    if (id == CloseId) {
        // Closed once the click is over: the mouse's release must not fall through to the
        // main window below, whose clicks act on release.
        PostMessageW(Handle(), WM_CLOSE, 0, 0);
        return true;
    }
    // Without a selected pad (none yet, or the list emptied by a rescan while
    // the window is up) there is no layout to edit: the other controls do nothing.
    ControllerDataType* c = Controller();
    if (!c || !OnLayoutClick(id, *c)) return false;
    Refresh();
    return true;
}

bool TControllerSettingsForm::OnLayoutClick(int id, ControllerDataType& c) {
    ControllerFileType& layout = app_.Main.List.LayoutOf(c);
    if (IsEnableBox(id)) {
        const bool ticked = IsDlgButtonChecked(Handle(), id) == BST_CHECKED;
        SetGroupEnabled(state_, layout, app_.Ui, GroupOf(id), ticked, Raw());
    } else if (IsGroupDetect(id)) {
        StartGroupDetection(state_.Detection, GroupOf(id), Raw());
    } else if (const std::uint8_t target = TargetOf(id); target != NoDetection) {
        StartDetection(state_.Detection, target, Raw());
    } else if (id == PanelCancelId) {
        EndDetection(state_.Detection, Raw());
    } else if (id == ButtonDeleteId) {
        DeleteSelectedButton(state_, layout, app_.Ui);
    } else if (id == ImageOpenId) {
        OpenLayoutImage(state_, layout, app_.Ui, app_.Config);
    } else if (id == ImageExportId) {
        ExportLayoutImage(layout, app_.Ui, app_.Config);
    } else if (id == ImageClearId) {
        ClearLayoutImage(layout, app_.Ui);
    } else if (id == ImageDownloadId) {
        DownloadReadyLayout(app_.Main.List, c, layout, app_.Ui, app_.Config, ProgramControllerDatabase(),
                            app_.Devices.XInputIsLoaded());
    } else {
        return false;
    }
    return true;
}

void TControllerSettingsForm::OnSelector(int id, int item) {
    ControllerDataType* c = Controller();
    if (!c) return;
    ControllerFileType& layout = app_.Main.List.LayoutOf(*c);
    if (id >= StickSelectorId && id < StickSelectorId + 4)
        ChooseStickAxis(state_, layout, app_.Ui, (id - StickSelectorId) / 2, (id - StickSelectorId) % 2,
                        item);
    else if (id >= DPadSelectorId && id < DPadSelectorId + 4)
        ChooseDPadDirection(state_, layout, app_.Ui, id - DPadSelectorId, item);
    else if (id >= TriggerSelectorId && id < TriggerSelectorId + 2)
        ChooseTrigger(state_, layout, app_.Ui, id - TriggerSelectorId, item);
    else if (id == ImageModeId && item >= 0 && item <= static_cast<int>(DrawMode::Erase)) {
        state_.Drawing.Mode = static_cast<DrawMode>(item);
        ShowDrawTools();
    }
}

void TControllerSettingsForm::OnName(int id) {
    struct Edit {
        int First;
        int Count;
        NameEdit Kind;
    };
    constexpr std::array<Edit, 6> edits{{{StickNameId, 2, NameEdit::Stick},
                                         {StickDirectionNameId, 4, NameEdit::StickDirection},
                                         {DPadNameId, 1, NameEdit::DPad},
                                         {DPadDirectionNameId, 4, NameEdit::DPadDirection},
                                         {TriggerNameId, 2, NameEdit::Trigger},
                                         {ButtonNameId, 1, NameEdit::SelectedButton}}};
    ControllerDataType* c = Controller();
    if (!c) return;
    for (const Edit& edit : edits) {
        if (id < edit.First || id >= edit.First + edit.Count) continue;
        wchar_t text[256]{};
        GetDlgItemTextW(Handle(), id, text, 256);
        EditName(state_, app_.Main.List.LayoutOf(*c), app_.Ui, edit.Kind, id - edit.First, WideToUtf8(text));
        return;
    }
}

}  // namespace velmora
