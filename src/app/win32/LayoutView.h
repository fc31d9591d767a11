#pragma once
// The main window's picture as the program keeps it: one 520 x 360 buffer,
// redrawn whole when the controllers, the selection or the layout change and
// button by button when a control's drawn state changes, then shown with one
// repaint a pass.

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "base/UserInterface.h"
#include "base/win32/Windows.h"
#include "ui/LayoutAnimations.h"
#include "ui/LayoutScene.h"
#include "ui/Picture.h"
#include "ui/Tabs.h"

namespace velmora {

struct ControllerListType;
struct ConfigurationType;
class TextDrawer;

class LayoutView {
public:
    LayoutView();
    ~LayoutView();
    LayoutView(const LayoutView&) = delete;
    LayoutView& operator=(const LayoutView&) = delete;

    // The list and configuration the picture shows; nothing is drawn before.
    void Attach(ControllerListType& list, const ConfigurationType& config);
    // The theme image's pixels, or none.
    void SetThemeImage(std::vector<std::uint8_t> image) {
        themeImage_ = std::move(image);
        stale_ = true;
    }
    // The phase of the picture shown while no controller is present.
    void SetWaitingPhase(int phase) { waitingPhase_ = phase; }
    // Shows that phase: its glyph's square alone is drawn and put on the
    // window at the end of the pass when the rest of the picture stands,
    // otherwise the picture is drawn whole.
    void ShowWaitingPhase(int phase);

    // A whole redraw is only noted here and done once, at the end of the pass
    // (the next one when an animation's first frame drew the picture whole).
    void RedrawLayout() { stale_ = true; }
    void DrawControlButton(int control);
    // The control the assignment window edits (its button shows Yellow), or -1.
    void SetEditedControl(int control) { editedControl_ = control; }
    // Draws what is pending and asks the window for one repaint if anything was drawn.
    void EndPass(HWND window);
    // Queues an animation of the selected controller's layout, as it is now,
    // to be played frame by frame at the ends of the passes after those
    // queued before; nothing while the window is hidden or minimised. While
    // animations play, no other drawing touches the picture.
    void Play(HWND window, LayoutAnimation kind, bool animated);
    bool Animating() const { return !animations_.empty(); }
    // Plays every queued animation to its end at once: the layouts' controls
    // are back at their places before the controllers go.
    void FinishAnimations();
    // WM_PAINT: the picture at the client area's top-left corner, each of
    // its pixels a square of Scale() screen pixels.
    void Paint(HDC dc);
    // The whole factor the picture is shown enlarged by (1 at first).
    int Scale() const { return scale_; }
    void SetScale(int factor) { scale_ = factor < 1 ? 1 : factor; }

    const PictureType& Picture() const { return picture_; }
    // What the picture shows now (the controllers, the selection, the theme
    // image), for the windows that draw the layout as this picture does.
    LayoutScene CurrentScene() const { return Scene(); }
    // The window's flags the picture shows: the pressed looks of its buttons.
    MainWindowStatus& Status() { return status_; }

private:
    struct PlayingAnimation;
    AnimationFrames Played(PlayingAnimation& playing);
    void StepAnimations();
    void DrawWhole();
    void DrawWhole(const LayoutScene& scene);
    void BuildThumbnails();
    LayoutScene Scene() const;
    void Show(HDC dc) const;
    void ShowWaitingSquare(HWND window) const;

    ControllerListType* list_ = nullptr;
    const ConfigurationType* config_ = nullptr;
    std::unique_ptr<TextDrawer> text_;
    PictureType picture_;
    std::optional<PictureType> waitingSquare_;  // the waiting glyph's background, once worked out
    int waitingPhase_ = 0;
    int scale_ = 1;
    MainWindowStatus status_;
    int editedControl_ = -1;
    std::vector<std::uint8_t> themeImage_;
    // The tab count and the layouts' pictures the thumbnails were last built for.
    ThumbnailsKey thumbnailsFor_;
    bool stale_ = true;          // the whole picture is to be drawn again
    bool changed_ = false;       // drawn since the last repaint request
    bool glyphChanged_ = false;  // only the waiting glyph's square drawn since then
    std::uint32_t wholeDrawings_ = 0;
    bool redrawWaits_ = false;  // for the next pass, which draws whole (not a repaint before it)
    // The animations asked for, in turn; the first one plays.
    std::deque<std::unique_ptr<PlayingAnimation>> animations_;
    // A button changed while animations played: the picture is drawn whole after them.
    bool buttonMissed_ = false;
};

}  // namespace velmora
