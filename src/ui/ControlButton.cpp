#include "ui/ControlButton.h"

#include "ui/ButtonContent.h"
#include "ui/LayoutBackground.h"
#include "ui/Ramps.h"
#include "ui/TextDrawer.h"

namespace velmora {
namespace {

struct StateLook {
    ColourType Base, Ink, Shadow;
};

StateLook LookFor(const LayoutScene& scene, int control) {
    switch (scene.DrawnStates[static_cast<std::size_t>(control)]) {
        case DrawnFiltered:
            return {palette::Red, palette::White, palette::Black};
        case DrawnActive:
            return {palette::Green, palette::Black, palette::White};
        default:
            if (control == scene.EditedControl) return {palette::Yellow, palette::Black, palette::Silver};
            return {palette::White, palette::Black, palette::Grey};
    }
}

// The mode that decides whether a direction of a stick or the DPad shows; -1 for buttons and triggers.
int GroupMode(const SetType& set, int control) {
    if ((control >= DPadUp && control <= DPadLeft) || control >= DPadUpRight) return set.DPadMode;
    if ((control >= Stick1Up && control <= Stick1Left) ||
        (control >= Stick1UpRight && control <= Stick1UpLeft))
        return set.StickModes[0];
    if ((control >= Stick2Up && control <= Stick2Left) ||
        (control >= Stick2UpRight && control <= Stick2UpLeft))
        return set.StickModes[1];
    return -1;
}

bool IsDiagonal(int control) {
    return control >= Stick1UpRight;
}

const AssignmentType* AssignmentOf(const LayoutScene& scene, int control) {
    return scene.Profile ? &scene.Profile->Current(control) : nullptr;
}

bool NameInUse(const LayoutScene& scene, int control) {
    const AssignmentType* a = AssignmentOf(scene, control);
    return scene.Status.NamesShown && a && !a->Name.empty();
}

void Put(ButtonWork& work, int x, int y, ColourType colour) {
    work.Pixels[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = colour;
}

void DrawMarks(ButtonWork& work, const AssignmentType& a) {
    const int w = work.Width;
    if (a.Turbo) {
        for (int c = 2; c <= w - 3; ++c) Put(work, c, 1, palette::Magenta);
        for (int c = 1; c <= w - 2; ++c) Put(work, c, 2, palette::Magenta);
    }
    if (a.Toggle) {
        for (int c = 2; c <= w - 3; ++c) Put(work, c, 28, palette::Blue);
        for (int c = 1; c <= w - 2; ++c) Put(work, c, 27, palette::Blue);
    }
    if (a.Rumble) {
        for (int r = 2; r <= 27; ++r)
            for (int c : {1, w - 2}) Put(work, c, r, palette::Yellow);
        for (int r = 1; r <= 28; ++r)
            for (int c : {2, w - 3}) Put(work, c, r, palette::Yellow);
    }
}

// t + 1 dots of 4 x 2 pixels with 2-pixel gaps, centred on the bottom rows.
void DrawSetSelector(ButtonWork& work, const AssignmentType& a) {
    if (a.SetSelect >= 4) return;  // NoSet; only targets 0..3 have dots
    const int t = a.SetSelect;
    const ColourType dot = a.Toggle ? palette::White : palette::Black;
    for (int c = 13 - 3 * t; c <= 16 + 3 * t; ++c)
        if ((c - 13 + 3 * t) % 6 < 4)
            for (int r : {27, 28}) Put(work, c, r, dot);
}

void DrawRings(ButtonWork& work, const SlotType& slots) {
    const bool sequence =
        !slots.Cycles.empty() &&
        slots.Cycles[static_cast<std::size_t>(std::max(
                         0, std::min<int>(slots.CycleIndex, static_cast<int>(slots.Cycles.size()) - 1)))]
                .Steps.size() > 1;
    const bool cycle = slots.Cycles.size() > 1;
    if (!sequence && !cycle) return;
    for (int r = 3; r <= 26; ++r)
        for (int c = 3; c <= 26; ++c) {
            if (!(r < 5 || c < 5 || r >= 25 || c >= 25)) continue;
            if (sequence) Put(work, c, r, palette::Cyan);
            if (cycle && (r + c) % 2 == 0) Put(work, c, r, palette::Black);
        }
}

void DrawOutline(ButtonWork& work) {
    const int w = work.Width;
    for (int c = 2; c <= w - 3; ++c) {
        Put(work, c, 0, palette::Black);
        Put(work, c, 29, palette::Black);
    }
    for (int r : {1, 28}) {
        Put(work, 1, r, palette::Black);
        Put(work, w - 2, r, palette::Black);
    }
    for (int r = 2; r <= 27; ++r) {
        Put(work, 0, r, palette::Black);
        Put(work, w - 1, r, palette::Black);
    }
}

ButtonWork ComposeButton(const LayoutScene& scene, TextDrawer& text, int control) {
    const StateLook look = LookFor(scene, control);
    ButtonWork work;
    const bool named = NameInUse(scene, control);
    NamePicture name;
    if (named) name = DrawNamePicture(text, AssignmentOf(scene, control)->Name);
    work.Width = named && name.Width >= 20 ? name.Width + 10 : ControlButtonSquare;
    const RampType ramp = BuildButtonRamp(28, look.Base, scene.Config->ThemeButtons);
    for (int r = 1; r <= 28; ++r)
        for (int c = 0; c < work.Width; ++c) Put(work, c, r, ramp[static_cast<std::size_t>(r - 1)]);
    if (const AssignmentType* a = AssignmentOf(scene, control)) {
        if (named)
            DrawNameInButton(work, name, name.Width >= 20 ? 5 : 5 + (20 - name.Width) / 2);
        else
            DrawStepGlyphs(work, CurrentStepCodes(a->Slots), look.Ink, look.Shadow);
        DrawMarks(work, *a);
        DrawSetSelector(work, *a);
        DrawRings(work, a->Slots);
    }
    DrawOutline(work);
    return work;
}

// Where the button's column 0 and row 0 land on the main picture.
struct Placement {
    int X, Y;
};

Placement PlacementOf(const LayoutScene& scene, int control, int width) {
    const Location& at = scene.SelectedLayout()->Locations[static_cast<std::size_t>(control)];
    return {LayoutLeft + at.Left + 15 - width / 2, LayoutTop + at.Top};
}

bool InRoundedSpan(int c, int r, int w) {
    const int inset = r == 0 || r == 29 ? 2 : r == 1 || r == 28 ? 1 : 0;
    return c >= inset && c < w - inset;
}

bool InsideLayoutPicture(int x, int y) {
    return x >= LayoutLeft && x < LayoutLeft + ImageWidth && y >= LayoutTop && y < LayoutTop + ImageHeight;
}

}  // namespace

bool ControlButtonShown(const LayoutScene& scene, int control) {
    const ControllerFileType* layout = scene.SelectedLayout();
    if (!layout || !scene.Status.LayoutShown) return false;
    if (layout->Locations[static_cast<std::size_t>(control)].Left == 0) return false;
    if (!scene.Profile) return !IsDiagonal(control);
    const int mode = GroupMode(scene.Profile->Sets[scene.Profile->CurrentSet], control);
    if (mode < 0) return true;
    if (IsDiagonal(control)) return mode == Diagonal || mode == EightWay;
    return mode != Diagonal;
}

int ControlButtonWidth(const LayoutScene& scene, TextDrawer& text, int control) {
    if (!NameInUse(scene, control)) return ControlButtonSquare;
    const int width = DrawNamePicture(text, AssignmentOf(scene, control)->Name).Width;
    return width >= 20 ? width + 10 : ControlButtonSquare;
}

void DrawControlButton(PictureType& picture, const LayoutScene& scene, TextDrawer& text, int control) {
    if (!ControlButtonShown(scene, control)) return;
    const ButtonWork work = ComposeButton(scene, text, control);
    const Placement at = PlacementOf(scene, control, work.Width);
    for (int r = 0; r < ControlButtonRows; ++r)
        for (int c = 0; c < work.Width; ++c)
            if (InRoundedSpan(c, r, work.Width) && InsideLayoutPicture(at.X + c, at.Y + r))
                picture.Put(at.X + c, at.Y + r,
                            work.Pixels[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
}

void EraseControlButton(PictureType& picture, const LayoutScene& scene, TextDrawer& text, int control) {
    if (!ControlButtonShown(scene, control)) return;
    const int width = ControlButtonWidth(scene, text, control);
    const Placement at = PlacementOf(scene, control, width);
    for (int r = 0; r < ControlButtonRows; ++r)
        for (int c = 0; c < width; ++c)
            if (InsideLayoutPicture(at.X + c, at.Y + r))
                picture.Put(at.X + c, at.Y + r,
                            LayoutBackgroundPixel(scene, at.X + c - LayoutLeft, at.Y + r - LayoutTop));
}

void DrawAllControlButtons(PictureType& picture, const LayoutScene& scene, TextDrawer& text) {
    for (int control = 0; control < ControlCount; ++control) DrawControlButton(picture, scene, text, control);
}

bool DrawChangedControlButtons(PictureType& picture, const LayoutScene& scene, TextDrawer& text,
                               const std::array<std::uint8_t, ControlCount>& shown) {
    bool changed = false;
    for (int control = 0; control < ControlCount; ++control) {
        if (scene.DrawnStates[static_cast<std::size_t>(control)] == shown[static_cast<std::size_t>(control)])
            continue;
        DrawControlButton(picture, scene, text, control);
        changed = changed || ControlButtonShown(scene, control);
    }
    return changed;
}

void EraseAllControlButtons(PictureType& picture, const LayoutScene& scene, TextDrawer& text) {
    for (int control = 0; control < ControlCount; ++control)
        EraseControlButton(picture, scene, text, control);
}

}  // namespace velmora
