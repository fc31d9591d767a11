#include "app/ProgramProfiles.h"

#include <algorithm>

#include "app/ProfileFlows.h"
#include "model/ProfileModel.h"

namespace velmora {
namespace {

bool AnySwitched(const ControllerListType& list) {
    for (const ControllerDataType& c : list.Controllers)
        if (c.ProgramSwitch.Switched) return true;
    return false;
}

bool Following(const ConfigurationType& config) {
    return config.SwitchProfilesByProgram && !config.ProgramRules.empty();
}

}  // namespace

int SettledProgramRule(ProgramWatch& watch, FrontProgramSeam& seam, const ConfigurationType& config,
                       std::uint64_t now) {
    const std::uintptr_t window = seam.FrontWindow();
    const bool rulesEdited = watch.RulesSeen != config.ProgramRuleEdits;
    if (window != watch.Window || rulesEdited) {
        watch.Window = window;
        watch.RulesSeen = config.ProgramRuleEdits;
        if (rulesEdited) watch.Refused = {};  // a mended rule is tried again
        // Velmora's own window in front keeps the game's profile: the user
        // may look at it while the game runs.
        if (window != 0 && !seam.Ignored(window)) {
            const int rule = FirstMatchingRule(config.ProgramRules, seam.Describe(window));
            if (rule != watch.Candidate) watch.Since = now;
            watch.Candidate = rule;
            watch.CandidateWindow = window;
        }
    }
    // Leaving the game for Velmora's window keeps its profile, but not once the game has ended.
    if (watch.Candidate != NoProgramRule && window != watch.CandidateWindow &&
        !seam.WindowExists(watch.CandidateWindow)) {
        watch.Candidate = NoProgramRule;
        watch.Since = now;
    }
    if (!Following(config)) return NoProgramRule;
    return now - watch.Since >= ProgramSettleMilliseconds ? watch.Candidate : watch.Applied;
}

namespace {

// Opens the file on the controller as the program's own request: the open
// closes the settings windows, and the next pass releases what the old
// profile held. True when the file is the controller's profile afterwards.
bool OpenOn(DeviceContext& context, std::size_t& index, const std::string& file,
            std::string& pendingShortcut) {
    const std::uint8_t arrival = context.List.Controllers[index].Arrival;
    context.List.Controllers[index].OpenProfileRequest = {OpenProfileFile, file};
    OpenRequestedProfile(context, index, pendingShortcut);
    index = context.List.IndexOf(arrival);  // a message let passes run, which may sort the list
    return index < context.List.Count() && context.List.Controllers[index].Profile.FileName == file;
}

// A controller that was given a new profile of no file goes back to a new one.
void RestoreNewProfile(DeviceContext& context, std::size_t index) {
    ControllerDataType& c = context.List.Controllers[index];
    NewProfile(c.Profile, context.Config);
    c.ProgramSwitch = {};
    if (index == context.List.Selected) context.Ui.RedrawLayout();
}

struct Want {
    bool Any = false;
    bool Restore = false;
    std::string_view File;
};

Want WantedFor(const ProgramWatch& watch, const ConfigurationType& config, const ControllerDataType& c,
               int rule) {
    if (rule != NoProgramRule && !watch.Refused[static_cast<std::size_t>(rule)]) {
        const ProgramRuleType& r = config.ProgramRules[static_cast<std::size_t>(rule)];
        if (RuleCoversController(r, c.Identity.DeviceName)) return {true, false, r.Profile};
    }
    if (c.ProgramSwitch.Switched) return {true, true, c.ProgramSwitch.Before};
    return {};
}

// One controller towards the rule's profile, or back to its own. Answers
// false when it has to wait for its changes to be saved.
bool SwitchController(ProgramWatch& watch, DeviceContext& context, std::size_t index, int rule,
                      std::string& pendingShortcut) {
    ControllerDataType& c = context.List.Controllers[index];
    // The user opened another profile meanwhile: that one stays.
    if (c.ProgramSwitch.Switched && !SameTextIgnoringCase(c.Profile.FileName, c.ProgramSwitch.Opened))
        c.ProgramSwitch = {};
    const Want want = WantedFor(watch, context.Config, c, rule);
    if (!want.Any) return true;
    if (!c.Profile.FileName.empty() && SameTextIgnoringCase(c.Profile.FileName, want.File)) {
        if (want.Restore) c.ProgramSwitch = {};
        return true;
    }
    if (c.Profile.Changed) return false;  // no save question over a game
    if (want.Restore && want.File.empty()) {
        RestoreNewProfile(context, index);
        return true;
    }
    ProgramSwitchType record = c.ProgramSwitch;
    if (!record.Switched) record.Before = c.Profile.FileName;
    const std::string file(want.File);
    const bool opened = OpenOn(context, index, file, pendingShortcut);
    if (index >= context.List.Count()) return true;
    if (!opened && !want.Restore) watch.Refused[static_cast<std::size_t>(rule)] = true;
    record.Switched = opened && !want.Restore;
    record.Opened = record.Switched ? file : std::string();
    context.List.Controllers[index].ProgramSwitch = record.Switched ? record : ProgramSwitchType{};
    return true;
}

void SwitchControllers(ProgramWatch& watch, DeviceContext& context, int rule, std::string& pendingShortcut) {
    bool waiting = false;
    // Walked by arrival: an open's message lets passes run, which may sort the list.
    std::array<std::uint8_t, MaxControllers> arrivals{};
    const std::size_t count = std::min(context.List.Count(), arrivals.size());
    for (std::size_t i = 0; i < count; ++i) arrivals[i] = context.List.Controllers[i].Arrival;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t index = context.List.IndexOf(arrivals[i]);
        if (index >= context.List.Count()) continue;
        if (context.List.Controllers[index].Connection != Connected) continue;
        waiting |= !SwitchController(watch, context, index, rule, pendingShortcut);
    }
    watch.Applied = rule;
    watch.WaitingForSave = waiting;
}

}  // namespace

bool StepProgramWatch(ProgramWatch& watch, FrontProgramSeam& seam, DeviceContext& context,
                      std::string& pendingShortcut, std::uint64_t now) {
    if (now < watch.NextCheck) return watch.WaitingForSave;
    watch.NextCheck = now + ProgramCheckMilliseconds;
    if (!Following(context.Config) && watch.Applied == NoProgramRule && !AnySwitched(context.List)) {
        watch.WaitingForSave = false;
        return false;
    }
    const int rule = SettledProgramRule(watch, seam, context.Config, now);
    if (rule != watch.Applied || watch.WaitingForSave)
        SwitchControllers(watch, context, rule, pendingShortcut);
    return watch.WaitingForSave;
}

}  // namespace velmora
