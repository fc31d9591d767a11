#include "app/ProgramProfiles.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "app/ProfileFlows.h"
#include "base/Language.h"
#include "files/ProfileFiles.h"
#include "model/ProfileModel.h"
#include "ui/Markup.h"

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

bool IsRule(const ConfigurationType& config, int rule) {
    return rule >= 0 &&
           static_cast<std::size_t>(rule) < std::min(config.ProgramRules.size(), MaxProgramRules);
}

// The rules that fit the program, in their order (kept ones only).
std::vector<ProgramRuleType> RulesFor(const ConfigurationType& config, const FrontProgram& program) {
    std::vector<ProgramRuleType> rules;
    const std::size_t count = std::min(config.ProgramRules.size(), MaxProgramRules);
    for (std::size_t i = 0; i < count; ++i)
        if (RuleMatches(config.ProgramRules[i], program)) rules.push_back(config.ProgramRules[i]);
    return rules;
}

// The window's program, kept for the rules after the first that fits it.
int DescribeCandidate(ProgramWatch& watch, FrontProgramSeam& seam, const ConfigurationType& config,
                      std::uintptr_t window) {
    watch.CandidateProgram = seam.Describe(window);
    return FirstMatchingRule(config.ProgramRules, watch.CandidateProgram);
}

// The rules were edited (in Velmora's own window, most often while the game
// still runs behind it): the numbers held here may name other rules now or
// none. The game's window is matched again; the applied rule keeps its
// standing only where it is still there unchanged, else every controller is
// dealt with again, towards the rule that fits now or back to its own.
// A profile that could not be opened is tried again once no rule names it
// (the user picked another): not at each edit, since each letter typed in a
// title is one, and the error would come back with every letter.
void RulesEdited(ProgramWatch& watch, FrontProgramSeam& seam, const ConfigurationType& config) {
    watch.RulesSeen = config.ProgramRuleEdits;
    std::erase_if(watch.Refused, [&config](const std::string& file) {
        return std::none_of(
            config.ProgramRules.begin(), config.ProgramRules.end(),
            [&file](const ProgramRuleType& r) { return SameTextIgnoringCase(r.Profile, file); });
    });
    const bool game = watch.CandidateWindow != 0 && seam.WindowExists(watch.CandidateWindow);
    watch.Candidate = game ? DescribeCandidate(watch, seam, config, watch.CandidateWindow) : NoProgramRule;
    if (watch.Applied == NoProgramRule) return;
    if (RulesFor(config, watch.AppliedProgram) == watch.AppliedRules) {
        watch.Applied = FirstMatchingRule(config.ProgramRules, watch.AppliedProgram);  // moved, maybe
        return;
    }
    watch.Applied = NoProgramRule;
    watch.Dealt = 0;
}

bool AnyRuleHasTitle(const std::vector<ProgramRuleType>& rules) {
    return std::any_of(rules.begin(), rules.end(), [](const ProgramRuleType& r) { return !r.Title.empty(); });
}

// The window that counts stayed in front: its title is read again while a
// rule looks at titles, since a launcher may become the game in one window.
bool Retitled(const ProgramWatch& watch, FrontProgramSeam& seam, const ConfigurationType& config,
              std::uintptr_t window) {
    return window != 0 && window == watch.Window && window == watch.CandidateWindow &&
           AnyRuleHasTitle(config.ProgramRules) && seam.TitleChanged(window);
}

}  // namespace

int SettledProgramRule(ProgramWatch& watch, FrontProgramSeam& seam, const ConfigurationType& config,
                       std::uint64_t now) {
    const std::uintptr_t window = seam.FrontWindow();
    if (watch.RulesSeen != config.ProgramRuleEdits) RulesEdited(watch, seam, config);
    if (window != watch.Window || Retitled(watch, seam, config, window)) {
        watch.Window = window;
        // Velmora's own window in front keeps the game's profile: the user
        // may look at it while the game runs.
        if (window != 0 && !seam.Ignored(window)) {
            const int rule = DescribeCandidate(watch, seam, config, window);
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

// The switch's seams and the shortcut that the command line may have left waiting.
struct Switching {
    ProgramWatch& Watch;
    FrontProgramSeam& Seam;
    DeviceContext& Context;
    std::string& PendingShortcut;
};

// A read made while the main window is minimised shows no dialog: a game is
// in front. Its messages are held, and the first of them is told in the balloon.
class HeldMessages final : public NoUserInterface {
public:
    std::optional<MessageDialog> First;
    int ShowMessageDialog(const MessageDialog& dialog) override {
        if (!First) First = dialog;
        return NoUserInterface::ShowMessageDialog(dialog);
    }
};

void Tell(Switching& s, const MessageDialog& message) {
    if (!s.Seam.ShowBalloon(message.Heading, BalloonText(message))) s.Watch.Untold = message;
}

// The message of a profile that cannot be opened, as the ordinary open gives it.
MessageDialog Refused(Switching& s, const std::string& file, const ControllerDataType& c) {
    MessageDialog message = CannotOpenProfileMessage(file, c.Name);
    if (!s.PendingShortcut.empty())
        message.Message += "##" + Translate("*The shortcut waiting to be launched has been cancelled.*");
    s.PendingShortcut.clear();  // the program it would start expects this profile
    if (c.KnownIndex != UnknownController) ForgetProfile(s.Context.Config, c.KnownIndex, file);
    return message;
}

// The ordinary open without its dialogs: a profile that cannot be read is
// forgotten from the recent ones and the controller keeps its own; the
// error, or the first bad value of a profile that opens, goes to the balloon.
void OpenQuietly(Switching& s, std::size_t index, const std::string& file) {
    DeviceContext& context = s.Context;
    auto scratch = std::make_unique<ProfileType>();
    NewProfile(*scratch, context.Config);
    HeldMessages held;
    if (ReadProfile(file, *scratch, context.Config, held))
        AttachLoadedProfile(context, index, std::move(*scratch), {FollowProgramFile, file});
    else
        held.First = Refused(s, file, context.List.Controllers[index]);
    if (held.First) Tell(s, *held.First);
}

// Opens the file on the controller as the program in front asks: the open
// leaves the settings windows open, and the next pass releases what the old
// profile held. True when the file is the controller's profile afterwards.
bool OpenOn(Switching& s, std::size_t& index, const std::string& file) {
    DeviceContext& context = s.Context;
    if (!context.Ui.MainWindowShowing()) {
        OpenQuietly(s, index, file);
    } else {
        const std::uint8_t arrival = context.List.Controllers[index].Arrival;
        context.List.Controllers[index].OpenProfileRequest = {FollowProgramFile, file};
        OpenRequestedProfile(context, index, s.PendingShortcut);
        index = context.List.IndexOf(arrival);  // a message let passes run, which may sort the list
    }
    return index < context.List.Count() && context.List.Controllers[index].Profile.FileName == file;
}

// A report that waited for the main window (no tray icon to tell it in).
void TellUntold(ProgramWatch& watch, UserInterface& ui) {
    if (!watch.Untold || !ui.MainWindowShowing()) return;
    const MessageDialog message = std::move(*watch.Untold);
    watch.Untold.reset();
    ui.ShowMessageDialog(message);
}

// The settings windows but the global ones work on the selected
// controller's profile and layout: while one is open its profile stays.
bool WindowOnProfileOpen(const UserInterface& ui) {
    for (int w = 0; w < SettingsWindowCount; ++w) {
        const auto window = static_cast<SettingsWindow>(w);
        if (window != SettingsWindow::GlobalSettings && window != SettingsWindow::Help &&
            ui.IsWindowOpen(window))
            return true;
    }
    return false;
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

bool IsRefused(const ProgramWatch& watch, const std::string& file) {
    return std::any_of(watch.Refused.begin(), watch.Refused.end(),
                       [&file](const std::string& refused) { return SameTextIgnoringCase(refused, file); });
}

// The first rule for the program in front that covers the controller: one
// game may give each model a profile of its own, each in a rule of its own.
Want WantedFor(const ProgramWatch& watch, const ConfigurationType& config, const ControllerDataType& c,
               int rule) {
    const std::size_t count = std::min(config.ProgramRules.size(), MaxProgramRules);
    for (std::size_t i = IsRule(config, rule) ? static_cast<std::size_t>(rule) : count; i < count; ++i) {
        const ProgramRuleType& r = config.ProgramRules[i];
        if (static_cast<int>(i) != rule && !RuleMatches(r, watch.AppliedProgram)) continue;
        if (RuleCoversController(r, c.Identity.DeviceName) && !IsRefused(watch, r.Profile))
            return {true, false, r.Profile};
    }
    if (c.ProgramSwitch.Switched) return {true, true, c.ProgramSwitch.Before};
    return {};
}

// One controller towards the rule's profile, or back to its own. Answers
// false when it has to wait for its changes to be saved.
bool SwitchController(Switching& s, std::size_t index, int rule) {
    ProgramWatch& watch = s.Watch;
    DeviceContext& context = s.Context;
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
    if (index == context.List.Selected && WindowOnProfileOpen(context.Ui)) return false;
    if (want.Restore && want.File.empty()) {
        RestoreNewProfile(context, index);
        return true;
    }
    ProgramSwitchType record = c.ProgramSwitch;
    if (!record.Switched) record.Before = c.Profile.FileName;
    const std::string file(want.File);
    const bool opened = OpenOn(s, index, file);
    if (index >= context.List.Count()) return true;
    if (!opened && !want.Restore) {
        watch.Refused.push_back(file);
        return SwitchController(s, index, rule);  // a later rule for the program may serve
    }
    record.Switched = opened && !want.Restore;
    record.Opened = record.Switched ? file : std::string();
    context.List.Controllers[index].ProgramSwitch = record.Switched ? record : ProgramSwitchType{};
    return true;
}

// The controllers not dealt with yet for the rule. One that is away is dealt
// with again when it comes back: the rule may have ended meanwhile. One whose
// own profile is still to be opened (just plugged) waits for that first.
void SwitchControllers(Switching& s, int rule) {
    ProgramWatch& watch = s.Watch;
    DeviceContext& context = s.Context;
    bool waiting = false;
    // Walked by arrival: an open's message lets passes run, which may sort the list.
    std::array<std::uint8_t, MaxControllers> arrivals{};
    const std::size_t count = std::min(context.List.Count(), arrivals.size());
    for (std::size_t i = 0; i < count; ++i) arrivals[i] = context.List.Controllers[i].Arrival;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t index = context.List.IndexOf(arrivals[i]);
        const std::uint32_t bit = arrivals[i] < 32 ? 1u << arrivals[i] : 0u;
        if (index >= context.List.Count() || (watch.Dealt & bit) != 0) continue;
        const ControllerDataType& c = context.List.Controllers[index];
        if (c.Connection != Connected || c.OpenProfileRequest.Request != NoProfileRequest) continue;
        const bool done = SwitchController(s, index, rule);
        waiting |= !done;
        if (done) watch.Dealt |= bit;
    }
    watch.WaitingForSave = waiting;
}

// A controller that is away is dealt with again when it comes back.
void ForgetAbsentControllers(ProgramWatch& watch, const ControllerListType& list) {
    for (const ControllerDataType& c : list.Controllers)
        if (c.Connection != Connected && c.Arrival < 32) watch.Dealt &= ~(1u << c.Arrival);
}

// A new rule: every controller is dealt with again.
void Apply(ProgramWatch& watch, const ConfigurationType& config, int rule) {
    if (rule == watch.Applied) return;
    watch.Applied = rule;
    const bool some = IsRule(config, rule);
    watch.AppliedProgram = some ? watch.CandidateProgram : FrontProgram{};
    watch.AppliedRules = some ? RulesFor(config, watch.AppliedProgram) : std::vector<ProgramRuleType>{};
    watch.Dealt = 0;
}

}  // namespace

bool StepProgramWatch(ProgramWatch& watch, FrontProgramSeam& seam, DeviceContext& context,
                      std::string& pendingShortcut, std::uint64_t now) {
    if (now < watch.NextCheck) return watch.WaitingForSave;
    watch.NextCheck = now + ProgramCheckMilliseconds;
    TellUntold(watch, context.Ui);
    if (!Following(context.Config) && watch.Applied == NoProgramRule && !AnySwitched(context.List)) {
        watch.WaitingForSave = false;
        return false;
    }
    const int rule = SettledProgramRule(watch, seam, context.Config, now);
    Apply(watch, context.Config, rule);
    ForgetAbsentControllers(watch, context.List);
    Switching s{watch, seam, context, pendingShortcut};
    SwitchControllers(s, rule);
    return watch.WaitingForSave;
}

}  // namespace velmora
