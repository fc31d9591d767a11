#include "app/settings/ProgramRuleList.h"

#include <algorithm>
#include <utility>

#include "base/FileMessages.h"
#include "base/Language.h"
#include "base/Paths.h"
#include "files/FileDialogs.h"
#include "files/ProfileFiles.h"

namespace velmora {
namespace {

bool Selects(const ConfigurationType& config, int selection) {
    return selection >= 0 && static_cast<std::size_t>(selection) < config.ProgramRules.size();
}

ProgramRuleType& Selected(ConfigurationType& config, int selection) {
    return config.ProgramRules[static_cast<std::size_t>(selection)];
}

void Edited(ConfigurationType& config) {
    config.ConfigurationChanged = true;
    ++config.ProgramRuleEdits;
}

std::string ChooseProfile(UserInterface& ui, ConfigurationType& config, const std::string& program) {
    FileDialog dialog;
    dialog.Caption = Translate("*Profile*") + " [" + program + "]";
    dialog.TypeName = Translate("*Profiles*");
    dialog.Extension = std::string(ProfileExtension);
    return ShowOpenDialog(ui, config, config.DefaultProfileLocation, dialog);
}

}  // namespace

std::vector<ProgramRuleRow> ProgramRuleRows(const ConfigurationType& config) {
    std::vector<ProgramRuleRow> rows;
    for (const ProgramRuleType& rule : config.ProgramRules)
        rows.push_back({rule.File, rule.Title,
                        rule.Controller.empty() ? Translate("*Every controller*") : rule.Controller,
                        FileTitle(rule.Profile)});
    return rows;
}

ProgramRuleButtons ProgramRuleButtonStates(const ConfigurationType& config, int selection) {
    const bool selected = Selects(config, selection);
    const int last = static_cast<int>(config.ProgramRules.size()) - 1;
    return {config.ProgramRules.size() < MaxProgramRules, selected, selected && selection > 0,
            selected && selection < last, selected};
}

void SwitchProfilesByProgram(ConfigurationType& config, bool on) {
    config.SwitchProfilesByProgram = on;
    Edited(config);
}

std::vector<MenuItem> AddProgramMenu(const std::vector<std::string>& programs) {
    std::vector<MenuItem> items(programs.size() + (programs.empty() ? 1 : 2));
    for (std::size_t i = 0; i < programs.size(); ++i) {
        items[i].Caption = programs[i];
        items[i].Tag = static_cast<int>(i) + 1;
    }
    if (!programs.empty()) items[programs.size()].Separator = true;
    items.back().Caption = Translate("*Browse*") + "...";
    items.back().Tag = BrowseProgramTag;
    return items;
}

std::string ProgramOfChoice(UserInterface& ui, ConfigurationType& config,
                            const std::vector<std::string>& programs, int tag) {
    if (tag >= 1 && static_cast<std::size_t>(tag) <= programs.size())
        return programs[static_cast<std::size_t>(tag - 1)];
    if (tag != BrowseProgramTag) return {};
    FileDialog dialog;
    dialog.Caption = Translate("*Program*");
    dialog.TypeName = Translate("*Programs*");
    dialog.Extension = "exe";
    std::string folder;  // the documents folder: programs live anywhere
    return ShowOpenDialog(ui, config, folder, dialog);
}

int AddProgramRule(UserInterface& ui, ConfigurationType& config, const std::string& program, int selection) {
    if (program.empty() || config.ProgramRules.size() >= MaxProgramRules) return selection;
    const std::string file(FileNamePart(program));
    std::string profile = ChooseProfile(ui, config, file);
    if (profile.empty()) return selection;
    config.ProgramRules.push_back({file, {}, {}, std::move(profile)});
    Edited(config);
    return static_cast<int>(config.ProgramRules.size()) - 1;
}

int DeleteProgramRule(ConfigurationType& config, int selection) {
    if (!Selects(config, selection)) return selection;
    config.ProgramRules.erase(config.ProgramRules.begin() + selection);
    Edited(config);
    return std::min(selection, static_cast<int>(config.ProgramRules.size()) - 1);
}

int MoveProgramRule(ConfigurationType& config, int selection, int direction) {
    const int other = selection + direction;
    if (!Selects(config, selection) || !Selects(config, other)) return selection;
    std::swap(Selected(config, selection), Selected(config, other));
    Edited(config);
    return other;
}

void ChooseRuleProfile(UserInterface& ui, ConfigurationType& config, int selection) {
    if (!Selects(config, selection)) return;
    std::string profile = ChooseProfile(ui, config, Selected(config, selection).File);
    if (profile.empty()) return;
    Selected(config, selection).Profile = std::move(profile);
    Edited(config);
}

void SetRuleTitle(ConfigurationType& config, int selection, const std::string& title) {
    if (!Selects(config, selection) || Selected(config, selection).Title == title) return;
    Selected(config, selection).Title = title;
    Edited(config);
}

std::vector<std::string> RuleControllerChoices(const ConfigurationType& config, int selection) {
    std::vector<std::string> choices{Translate("*Every controller*")};
    const auto add = [&choices](const std::string& name) {
        if (std::find(choices.begin() + 1, choices.end(), name) == choices.end()) choices.push_back(name);
    };
    for (std::uint8_t i = 0; i < config.KnownCount; ++i) add(config.KnownControllers[i].Identity.DeviceName);
    if (Selects(config, selection)) {
        const std::string& model = config.ProgramRules[static_cast<std::size_t>(selection)].Controller;
        if (!model.empty()) add(model);
    }
    return choices;
}

int RuleControllerChoice(const ConfigurationType& config, int selection) {
    if (!Selects(config, selection)) return 0;
    const std::vector<std::string> choices = RuleControllerChoices(config, selection);
    const std::string& model = config.ProgramRules[static_cast<std::size_t>(selection)].Controller;
    const auto found = std::find(choices.begin() + 1, choices.end(), model);
    return found == choices.end() ? 0 : static_cast<int>(found - choices.begin());
}

void SetRuleController(ConfigurationType& config, int selection, int choice) {
    const std::vector<std::string> choices = RuleControllerChoices(config, selection);
    if (!Selects(config, selection) || choice < 0 || static_cast<std::size_t>(choice) >= choices.size())
        return;
    Selected(config, selection).Controller =
        choice == 0 ? std::string() : choices[static_cast<std::size_t>(choice)];
    Edited(config);
}

}  // namespace velmora
