#include "ui/HelpTextsWindows.h"

#include <string_view>

#include "base/Language.h"

namespace velmora {
// Each language key stays one literal, so that the build's key list finds it whole.
// clang-format off
namespace {

std::string T(std::string_view key) {
    return Translate(key);
}

// "$name$ text" as one line of a list.
std::string Item(std::string_view name, std::string_view text) {
    return "$" + T(name) + "$ " + T(text);
}

std::string Options() {
    return T("*How Velmora starts, runs and behaves when minimised.*") + "##" +
           Item("*Start*", "*start with Windows, minimised, and open the last profile of each controller.*") +
           "#" +
           Item("*Running*",
                "*use XInput for Xbox 360 pads, show animations, and work the controllers that are not selected.*") +
           "#" +
           Item("*Window*",
                "*minimise instead of closing, minimise when a profile opens, remember window positions.*") +
           "#" + Item("*Taskbar*", "*the notification-area icon and the taskbar button.*") + "##" +
           T("*Scan for XInput takes effect after a restart.*");
}

std::string Values() {
    return T("*The dead zones that new profiles start with.*") + "##" +
           Item("*Stick*", "*how far a stick must move before it counts.*") + "#" +
           Item("*Trigger*", "*how far a trigger must be pressed before it counts.*") + "##" +
           T("*Profiles that exist keep their own values; change them in the stick and trigger settings.*");
}

std::string Theme() {
    return T("*The colours and the look of the main window.*") + "##" +
           Item("*Interface*", "*three colours of the bars and buttons, or Random.*") + "#" +
           Item("*Background*", "*three colours behind the layout, or Random.*") + "#" +
           Item("*Image*", "*a picture behind the main window, new, opened or cleared.*") + "#" +
           Item("*Buttons*", "*Solid, Gradient or Vista buttons.*");
}

std::string KnownControllers() {
    return T("*Every controller Velmora has seen, with the layout and the recent profiles linked to it.*") +
           "##" + Item("*Order*", "*the tab order: move a controller up or down.*") + "#" +
           Item("*Found*", "*whether the controller is connected now.*") + "#" +
           Item("*Delete*", "*forget a controller that is not connected.*") + "#" +
           Item("*Details*", "*its name, numbers, layout and profiles.*");
}

std::string ProgramProfiles() {
    return T("*When a program comes to the front and stays there for half a second, the profile of its rule is opened by itself; when you leave it, each controller gets back the profile it had.*") +
           "##" + Item("*Add*", "*a program that has a window now, or one you browse for, then its profile.*") + "#" +
           Item("*Title*", "*a part of the window's title that must also be there (for emulators and launchers).*") + "#" +
           Item("*Controller*", "*every controller, or the controllers of one model only.*") + "#" +
           Item("*Move Up*", "*the first rule that fits the program wins.*") + "##" +
           T("*A controller whose profile has unsaved changes is not switched; the tray tip and the main window say so until you save.*");
}

std::string ControllerProperties() {
    return T("*What Velmora knows about the selected controller.*") + "##" +
           T("*The device's name, vendor and product numbers, its axes, hats and buttons, whether it can rumble and whether it is read through XInput.*") +
           "##" + T("*The raw values update live: move a control to see which value changes.*") + " " +
           T("*Nothing is changed here.*");
}

std::string StartStep() {
    return T("*The Controller Settings window makes a layout for the selected controller in a few steps, one per tab.*") +
           "##" + T("*Go through the tabs from left to right: Image, Sticks, DPad, Buttons and Triggers.*") +
           " " + T("*Every change shows in the main window at once.*");
}

std::string ImageStep() {
    return T("*The layout picture is 512 x 256 pixels.*") + "##" +
           T("*Import a bitmap of your controller, export the picture to edit it elsewhere, or draw on it here with the pen, fill and eraser.*");
}

std::string SticksStep() {
    return T("*Choose Detect and move the stick up and down, then left and right: Velmora finds the axes it uses.*") +
           "##" + T("*Drag the stick's marker to its place in the picture.*") + " " +
           T("*An axis can be inverted when the stick works the wrong way round.*");
}

std::string DPadStep() {
    return T("*Choose Detect and press each direction of the direction pad in turn.*") + "##" +
           T("*A direction may come from a hat, an axis or a button; Velmora finds which.*") + " " +
           T("*Drag the marker to its place in the picture.*");
}

std::string ButtonsStep() {
    return T("*Press a button on the controller to select it, then click the picture to place its marker.*") +
           "##" + T("*Give each button the name that is printed on the controller.*");
}

std::string TriggersStep() {
    return T("*Choose Detect and press each analog trigger fully.*") + "##" +
           T("*Triggers that share one axis are found as its two halves.*") + " " +
           T("*Drag the markers to their places in the picture.*");
}

std::string FinishStep() {
    return T("*All settings have been updated to the main window but have not been saved yet.*") + "##" +
           T("*To return to the main window to save the layout, close this Controller Settings window.*") +
           "##" +
           T("*This Finish tab is for information only. It is not necessary to visit after every change.*");
}

std::string Modes() {
    return Item("*Standard*", "*all eight directions, diagonals by the diagonal size.*") + "#" +
           Item("*4-Way Standard*", "*only up, down, left and right.*") + "#" +
           Item("*4-Way Diagonal*", "*only the four diagonals.*") + "#" +
           Item("*8-Way*", "*eight directions of equal size.*") + "#" +
           Item("*Prioritize Horizontal*", "*left and right win over up and down.*") + "#" +
           Item("*Prioritize Vertical*", "*up and down win over left and right.*");
}

std::string DPadSettings() {
    return T("*How the direction pad of the current set gives its directions.*") + "##" + Modes() + "##" +
           T("*Auto-Assign gives all four directions W,S,A,D, arrows, the mouse or the NumPad at once.*");
}

std::string StickSettings() {
    return T("*How the stick of the current set gives its directions.*") + "##" +
           Item("*Dead Zone*", "*how far the stick moves before it counts: lower is more responsive.*") +
           "#" + Item("*Diagonals*", "*how wide the diagonal directions are.*") + "##" + Modes() + "##" +
           T("*Auto-Assign gives all four directions W,S,A,D, arrows, the mouse or the NumPad at once.*");
}

std::string TriggerSettings() {
    return T("*How far each analog trigger must be pressed before its assignment works.*") + "##" +
           T("*A lower threshold is more responsive; a higher one ignores light touches.*") + " " +
           T("*The bars show the triggers live.*");
}

std::string MouseSettings() {
    return T("*How an assignment that moves the mouse does so, for one control or a whole stick or direction pad.*") +
           "##" + Item("*Look/Camera*", "*turns a camera in games; buttons speed up while held.*") + "#" +
           Item("*Cursor*", "*moves the pointer; a stick moves it as soon as it leaves its dead zone.*") +
           "#" +
           Item("*Spring*",
                "*the pointer goes where the stick points, measured from the centre of the screen, and returns to the centre when released.*") +
           "##" + Item("*Speed*", "*the graph shows the speed curve; try it with the test.*");
}

std::string Assignment() {
    return T("*Click a key of the keyboard picture, or press the key itself, to assign it to the control.*") +
           "##" + T("*Modifier keys such as Shift, Ctrl and Alt can be combined with one key.*") + " " +
           T("*Mouse buttons, the wheel and mouse movement are keys of the picture too.*") + "##" +
           Item("*Name*", "*a name for the assignment, shown when names are switched on.*") + "#" +
           Item("*Advanced*", "*sequences, cycles, turbo rate, rumble strength and the set selector.*");
}

std::string SlotList() {
    return T("*The actions of the assignment in order; click a slot to select where the next key goes.*") +
           "##" + Item("*Add Pause*", "*waits between two steps of a sequence.*") + "#" +
           Item("*Add Cycle Stop*", "*each press gives the next part of the list in turn.*") + "#" +
           Item("*Insert*", "*makes room at the selected slot.*") + "#" +
           Item("*Delete*", "*removes the selected slot.*") + "#" +
           Item("*Clear*", "*empties the whole list.*");
}

std::string Toggle() {
    return T("*With Toggle, one press holds the assignment down and the next press releases it.*") + "##" +
           T("*Useful for running, crouching or holding a mouse button.*");
}

std::string Turbo() {
    return T("*With Turbo, holding the control repeats the assignment automatically.*") + "##" +
           T("*The rate sets the delay between repeats; the picture blinks at that rate.*");
}

std::string Rumble() {
    return T("*With Rumble, the controller rumbles while the assignment works.*") + "##" +
           T("*Set the strength of the left and right motors and try them with the test.*") + " " +
           T("*Only controllers that can rumble do so.*");
}

std::string SetSelector() {
    return T("*The control switches the profile to another set of assignments.*") + "##" +
           T("*Choose the set to switch to. Without Toggle the other set works while the control is held; with Toggle each press switches between the two sets.*");
}

}  // namespace
// clang-format on

std::string WindowTopicText(int topic) {
    switch (topic) {
        case 11:
            return Options();
        case 12:
            return Values();
        case 13:
            return Theme();
        case 14:
            return KnownControllers();
        case 15:
            return ProgramProfiles();
        case 21:
            return ControllerProperties();
        case 31:
            return StartStep();
        case 32:
            return ImageStep();
        case 33:
            return SticksStep();
        case 34:
            return DPadStep();
        case 35:
            return ButtonsStep();
        case 36:
            return TriggersStep();
        case 37:
            return FinishStep();
        case 40:
            return DPadSettings();
        case 41:
            return StickSettings();
        case 42:
            return TriggerSettings();
        case 46:
            return MouseSettings();
        case 51:
            return Assignment();
        case 52:
            return SlotList();
        case 53:
            return Toggle();
        case 54:
            return Turbo();
        case 55:
            return Rumble();
        case 56:
            return SetSelector();
        default:
            return {};
    }
}

}  // namespace velmora
