#pragma once
// Profiles that follow the program in front: every quarter second between
// passes the window in front is looked at; a program that stays in front
// for half a second has the first rule that fits it opened on the
// controllers the rule covers, and when no rule fits any more each of them
// gets back the profile it had. Nothing here runs inside a pass.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "devices/DeviceContext.h"
#include "model/ProgramRules.h"

namespace velmora {

// The seam to the system's windows and the tray.
class FrontProgramSeam {
public:
    virtual ~FrontProgramSeam() = default;
    // The window in front, a number unique while that window exists; 0 when there is none.
    virtual std::uintptr_t FrontWindow() = 0;
    // Velmora's own windows, the desktop and the taskbar: in front, they change nothing.
    virtual bool Ignored(std::uintptr_t window) = 0;
    // The program that owns the window (for a store app's frame, the app in
    // it) and the window's title; the path is empty when it cannot be named.
    virtual FrontProgram Describe(std::uintptr_t window) = 0;
    // Whether the window is still there (a game that ended leaves Velmora's window in front).
    virtual bool WindowExists(std::uintptr_t window) = 0;
    // Whether the window's title differs from the one it had when last
    // described or asked here (a launcher that becomes the game, a game
    // that goes from "Loading" to its level); nothing allocated.
    virtual bool TitleChanged(std::uintptr_t window) = 0;
    // A warning in the tray's balloon; false when there is no tray icon to show it.
    virtual bool ShowBalloon(const std::string& title, const std::string& text) = 0;
};

inline constexpr std::uint64_t ProgramCheckMilliseconds = 250;
// Alt-tab and launchers handing over show a program for moments only.
inline constexpr std::uint64_t ProgramSettleMilliseconds = 500;

struct ProgramWatch {
    std::uint64_t NextCheck = 0;
    std::uintptr_t Window = 0;      // the window in front at the last check
    std::uint64_t Since = 0;        // when the last window that counts came to the front
    int Candidate = NoProgramRule;  // the first rule that fits that window
    std::uintptr_t CandidateWindow = 0;
    FrontProgram CandidateProgram;  // that window's program and title: a later rule may fit another model
    int Applied = NoProgramRule;    // the rule whose profile the controllers were given
    FrontProgram AppliedProgram;    // the program it was applied for (its later rules serve other models)
    std::vector<ProgramRuleType> AppliedRules;  // the rules for that program as they were, to see edits
    std::uint32_t RulesSeen = 0;                // the rules' edit count when Candidate was decided
    bool WaitingForSave = false;                // a controller keeps its changed profile meanwhile
    // Profiles that could not be opened: skipped (a later rule for the
    // program may serve) until no rule names them any more.
    std::vector<std::string> Refused;
    // The controllers (bit: arrival) given what Applied asks for. One that
    // comes, comes back or waited for a save is dealt with at the next check;
    // the others keep what they have (a profile the user opened meanwhile).
    std::uint32_t Dealt = 0;
    // A read's message that no balloon could tell (no tray icon): shown once
    // the main window is, never over the game.
    std::optional<MessageDialog> Untold;
};

// The check of one step: the rule that fits the window in front once it has
// stayed there half a second, else the rule applied now. It describes the
// window only when the window, its title or the rules changed: otherwise one
// question to the seam (two while a rule has a title part), nothing allocated.
int SettledProgramRule(ProgramWatch& watch, FrontProgramSeam& seam, const ConfigurationType& config,
                       std::uint64_t now);

// One step, called between passes with a clock in milliseconds; it does
// nothing until the next check is due, and makes no system call while no
// rule exists and nothing was switched. A controller whose profile has
// unsaved changes is never switched, nor the selected one while a settings
// window works on it (no window closes under the user): the answer is true
// while one waits so. A controller plugged or back during a program's rule
// gets the rule's profile, and its own back when the rule no longer holds.
// Edited rules are matched again at once: an applied rule that is gone or
// changed gives way to the one that fits now.
// A profile that cannot be opened is reported once and its rule skipped from
// then on: by the open's own message while the main window shows, else in
// the tray's balloon (a dialog would come up over the game).
bool StepProgramWatch(ProgramWatch& watch, FrontProgramSeam& seam, DeviceContext& context,
                      std::string& pendingShortcut, std::uint64_t now);

}  // namespace velmora
