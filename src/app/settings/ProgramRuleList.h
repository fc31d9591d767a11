#pragma once
// The Programs tab of the global settings: the rules of the profiles that
// follow the program in front, as the user sees and edits them. Every edit
// goes into the configuration at once, marks it changed and counts an edit,
// so that the watch of the window in front decides again.

#include <string>
#include <vector>

#include "app/settings/KnownControllerList.h"
#include "base/UserInterface.h"
#include "model/Configuration.h"

namespace velmora {

// One row: the program, the title part, the controller model ("Every
// controller" when empty) and the profile's file title.
struct ProgramRuleRow {
    std::string Program;
    std::string Title;
    std::string Controller;
    std::string Profile;
};
std::vector<ProgramRuleRow> ProgramRuleRows(const ConfigurationType& config);

// Which buttons and fields the selection enables (Add: while fewer than 32 rules).
struct ProgramRuleButtons {
    bool Add = false;
    bool Delete = false;
    bool MoveUp = false;
    bool MoveDown = false;
    bool Edit = false;  // the profile button, the title part and the controller model
};
ProgramRuleButtons ProgramRuleButtonStates(const ConfigurationType& config, int selection);

// The "Switch profiles by program" box.
void SwitchProfilesByProgram(ConfigurationType& config, bool on);

// The Add button's menu: the programs that have a window now (file names,
// each once), then "Browse...". Tags are the index + 1; BrowseProgramTag browses.
inline constexpr int BrowseProgramTag = 1000;
std::vector<MenuItem> AddProgramMenu(const std::vector<std::string>& programs);
// The program the menu's answer names: a listed one, or an .exe chosen in
// the open dialog. Empty when cancelled.
std::string ProgramOfChoice(UserInterface& ui, ConfigurationType& config,
                            const std::vector<std::string>& programs, int tag);

// Adds a rule for the program (its file name) once the user has picked its
// profile; nothing when the profile dialog is cancelled. Answers the new
// selection (unchanged when nothing was added).
int AddProgramRule(UserInterface& ui, ConfigurationType& config, const std::string& program, int selection);
// Deletes the selected rule; the selection stays on the same place while rules remain there.
int DeleteProgramRule(ConfigurationType& config, int selection);
// Swaps the selected rule with the one above (-1) or below (+1); the selection follows.
int MoveProgramRule(ConfigurationType& config, int selection, int direction);
// Picks another profile for the selected rule by the open dialog.
void ChooseRuleProfile(UserInterface& ui, ConfigurationType& config, int selection);
void SetRuleTitle(ConfigurationType& config, int selection, const std::string& title);

// The controller model box: "Every controller", then the known controllers'
// names, then the selected rule's model when no known controller has it (a
// rule written for a pad not met yet shows its model, not every controller).
std::vector<std::string> RuleControllerChoices(const ConfigurationType& config, int selection);
// Index into those choices of the selected rule's model (0 when none or not known).
int RuleControllerChoice(const ConfigurationType& config, int selection);
void SetRuleController(ConfigurationType& config, int selection, int choice);

}  // namespace velmora
