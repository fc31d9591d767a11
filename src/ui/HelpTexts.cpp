// The topics of the main window's Help menu and their lookup; the topics of
// the settings windows are in HelpTextsWindows.cpp.

#include "ui/HelpTexts.h"

#include <array>

#include "base/Language.h"
#include "base/MarkupText.h"
#include "ui/HelpTextsWindows.h"

namespace velmora {
// Each language key stays one literal, so that the build's key list finds it whole.
// clang-format off
namespace {

std::string T(std::string_view key) {
    return Translate(key);
}

std::string About(const HelpValues& values) {
    std::string text =
        "$Velmora " + values.ProgramVersion + "$##" +
        T("*Velmora lets game controllers drive the keyboard and the mouse.*") + " " +
        T("*Every button, stick, direction pad and trigger can press keys, click, scroll or move the mouse.*") +
        "##$" + T("*Running on*") + "$#" + PlainText(values.WindowsVersion);
    if (!values.XInputLibrary.empty()) text += "#XInput " + PlainText(values.XInputLibrary);
    return text;
}

std::string GettingStarted() {
    return T("*Connect a controller and it appears as a tab at the top of the main window.*") + "##$1.$ " +
           T("*Move the sticks and press the buttons: the layout picture shows each control as it is used.*") +
           "#$2.$ " +
           T("*Click a control's button in the picture to choose the key or mouse action it gives.*") +
           "#$3.$ " + T("*Switch to the game or program: the controller now works its keyboard and mouse.*") +
           "#$4.$ " +
           T("*Save the assignments as a profile with the Profile menu to use them again later.*") + "##" +
           T("*If the layout picture does not match your controller, open the Controller menu and choose Settings to create a layout.*");
}

std::string Controllers() {
    return T("*Up to 16 controllers can be used at the same time; each has its own tab and its own profile.*") +
           "##" + T("*Click a tab to select its controller.*") + " " +
           T("*Controllers are found when they are plugged in, and each gets back the layout and the recent profiles it had before.*") +
           "##$" + T("*Layouts*") + "$#" +
           T("*A layout says which axis, hat or button of the device each control reads, where the controls are drawn and what they are called.*") +
           " " + T("*Create or change one with Settings in the Controller menu.*") + "##$" +
           T("*Properties*") + "$#" + T("*Shows what the device reports, live.*");
}

std::string Profiles() {
    return T("*A profile holds every assignment and control setting of one controller.*") + "##$" +
           T("*New*") + "$ " + T("*starts an empty profile.*") + "#$" + T("*Open*") + "$ " +
           T("*loads a profile file; the last four are listed for quick opening.*") + "#$" + T("*Save*") +
           "$ " + T("*writes the changes to the profile's file.*") + "##" +
           T("*Changes are kept in memory until they are saved; Velmora asks before anything unsaved is lost.*") +
           " " + T("*Double-clicking a profile file opens it in Velmora.*");
}

std::string Settings() {
    return T("*The Settings window, opened from the main window, holds the program's options.*") + "##$" +
           T("*Options*") + "$ " + T("*how Velmora starts, runs and minimises.*") + "#$" + T("*Values*") +
           "$ " + T("*the dead zones given to new profiles.*") + "#$" + T("*Theme*") + "$ " +
           T("*the colours and picture of the main window.*") + "#$" + T("*Language*") + "$ " +
           T("*create or check a language file.*") + "#$" + T("*Controllers*") + "$ " +
           T("*the controllers Velmora knows and their order.*") + "##" +
           T("*Settings are saved when Velmora closes.*");
}

std::string Assignments() {
    return T("*Left-click a control's button in the layout picture to open its assignment.*") + "##" +
           T("*Click a key in the keyboard picture, or press the key itself, to assign it.*") + " " +
           T("*Hold modifier keys such as Shift or Ctrl together with a key for a combination.*") + "##" +
           T("*Right-click a control's button for Toggle, Turbo and Rumble, or to clear it.*") + " " +
           T("*A middle click clears the assignment at once.*") + "##" +
           T("*Sequences, cycles and the set selector are made in the Advanced window.*");
}

std::string Names() {
    return T("*The switch at the bottom left of the main window chooses what each control's button shows.*") +
           "##$" + T("*Names on*") + "$ " + T("*each button shows its assignment's name, when it has one.*") + "#$" +
           T("*Names off*") + "$ " + T("*each button shows the key or mouse action assigned.*") + "##" +
           T("*Give an assignment a name in the assignment window, such as Jump or Reload.*");
}

std::string Sets() {
    return T("*A profile has eight sets of assignments; only the current set is active.*") + "##" +
           T("*Click a set button at the bottom of the main window to change the current set.*") + " " +
           T("*A control can switch sets as you play: give its assignment a set selector in the Advanced window.*") +
           "##" + T("*For example, one set for walking and another for driving.*");
}

std::string AdvancedStarting() {
    return T("*Velmora can be started with a command line or a shortcut:*") + "##$Velmora.exe [" + T("*profiles*") +
           "] [" + T("*shortcut*") + "] [" + T("*switches*") + "]$##$" + T("*profiles*") + "$ " +
           T("*profile files to open, one for each controller in turn.*") + "#$" + T("*shortcut*") + "$ " +
           T("*a .lnk shortcut that is started once the controllers are ready, such as a game.*") + "#$/M$ " +
           T("*start minimised.*") + "#$/C$ " + T("*close Velmora.*") + "#$/?$ " + T("*show this help.*") + "#$/U$ " +
           T("*remove Velmora's file associations and start with Windows entry, then end.*") +
           "##" + T("*When Velmora is already running, the command line is handed to it.*");
}

std::string LayoutSettings() {
    return T("*Right-click a stick, the direction pad or a trigger in the layout picture for its settings.*") +
           "##$" + T("*Settings*") + "$ " + T("*dead zone, diagonals and mode of the control.*") + "#$" +
           T("*Auto-Assign*") + "$ " +
           T("*W,S,A,D, arrows, mouse or NumPad to all four directions at once.*") + "#$" + T("*Mode*") +
           "$ " + T("*which directions a stick or direction pad can give.*") + "#$" + T("*Mouse Settings*") +
           "$ " + T("*speed and manner of mouse movement.*");
}

struct TopicRow {
    int Number;
    std::string_view Heading;
};

constexpr std::array<TopicRow, 33> Topics{{
    {11, "*Options*"},
    {12, "*Values*"},
    {13, "*Theme*"},
    {14, "*Controllers*"},
    {15, "*Programs*"},
    {21, "*Controller Properties*"},
    {31, "*Start*"},
    {32, "*Image*"},
    {33, "*Sticks*"},
    {34, "*Direction Pad*"},
    {35, "*Buttons*"},
    {36, "*Triggers*"},
    {37, "*Finish*"},
    {40, "*Direction Pad Settings*"},
    {41, "*Stick Settings*"},
    {42, "*Trigger Settings*"},
    {46, "*Mouse Settings*"},
    {51, "*Assignment*"},
    {52, "*Assignments*"},
    {53, "*Toggle*"},
    {54, "*Turbo*"},
    {55, "*Rumble*"},
    {56, "*Set Selector*"},
    {100, "*About*"},
    {101, "*Getting Started*"},
    {102, "*Controllers*"},
    {103, "*Profiles*"},
    {106, "*Settings*"},
    {107, "*Assignments*"},
    {108, "*Names*"},
    {109, "*Sets*"},
    {110, "*Advanced Starting*"},
    {111, "*Layout Settings*"},
}};

constexpr std::array<int, Topics.size()> TopicNumbers = [] {
    std::array<int, Topics.size()> numbers{};
    for (std::size_t i = 0; i < Topics.size(); ++i) numbers[i] = Topics[i].Number;
    return numbers;
}();

std::optional<std::string_view> HeadingKey(int topic) {
    for (const TopicRow& row : Topics)
        if (row.Number == topic) return row.Heading;
    return std::nullopt;
}

std::string MenuTopicText(int topic, const HelpValues& values) {
    switch (topic) {
        case 100:
            return About(values);
        case 101:
            return GettingStarted();
        case 102:
            return Controllers();
        case 103:
            return Profiles();
        case 106:
            return Settings();
        case 107:
            return Assignments();
        case 108:
            return Names();
        case 109:
            return Sets();
        case 110:
            return AdvancedStarting();
        case 111:
            return LayoutSettings();
        default:
            return WindowTopicText(topic);
    }
}

}  // namespace
// clang-format on

std::span<const int> HelpTopicNumbers() {
    return TopicNumbers;
}

std::optional<HelpTopic> FindHelpTopic(int topic, const HelpValues& values) {
    const std::optional<std::string_view> heading = HeadingKey(topic);
    if (!heading) return std::nullopt;
    return HelpTopic{Translate(*heading), MenuTopicText(topic, values)};
}

}  // namespace velmora
