#include "app/win32/LayoutView.h"

// The text seam's DrawText, not <windows.h>'s name for DrawTextW.
#undef DrawText

#include <random>

#include "app/ControllerScene.h"
#include "devices/ControllerList.h"
#include "model/Configuration.h"
#include "ui/ControlButton.h"
#include "ui/LayoutAnimations.h"
#include "ui/LayoutPicture.h"
#include "ui/Tabs.h"
#include "ui/win32/GdiTextDrawer.h"

namespace velmora {
namespace {

// A frame drawn at the end of a pass is painted by the messages handled before the next one.
class WindowAnimationHost : public AnimationHost {
public:
    explicit WindowAnimationHost(HWND window) : window_(window) {}
    void Repaint(const PictureType&) override { InvalidateRect(window_, nullptr, FALSE); }
    int Random(int count) override { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

private:
    HWND window_;
    std::minstd_rand random_{GetTickCount()};
};

// Passes come every 10 ms and frames last 10 or 25: a frame that is due
// within half a pass is drawn now rather than a whole pass late.
constexpr std::int64_t HalfPassMicroseconds = 5000;

// Whole seconds and the rest apart: the counter times a million would overflow after days of uptime.
std::int64_t NowMicroseconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    const std::int64_t f = frequency.QuadPart;
    return now.QuadPart / f * 1000000 + now.QuadPart % f * 1000000 / f;
}

// Shown and not minimised: a picture drawn for it would be seen.
bool OnScreen(HWND window) {
    return IsWindowVisible(window) && !IsIconic(window);
}

}  // namespace

// An animation as it was asked for: the scene and options of that moment.
struct LayoutView::PlayingAnimation {
    LayoutAnimation Kind;
    bool ProfileRequested;
    ConfigurationType Config;
    LayoutScene Scene;
    ControllerFileType* Layout;
    WindowAnimationHost Host;
    AnimationFrames Frames;
    std::int64_t DueAt = -1;  // when the next frame is to be drawn, in microseconds; -1 before the first
};

LayoutView::LayoutView() = default;
LayoutView::~LayoutView() = default;

void LayoutView::Attach(ControllerListType& list, const ConfigurationType& config) {
    list_ = &list;
    config_ = &config;
    if (!text_) text_ = MakeGdiTextDrawer();
    stale_ = true;
}

// The layout is shown while its controller is there; a lost controller's picture slid out.
LayoutScene LayoutView::Scene() const {
    MainWindowStatus status = status_;
    status.LayoutShown =
        list_->Selected < list_->Count() && list_->Controllers[list_->Selected].Connection != Lost;
    status.AnimationDone = true;
    LayoutScene scene = SceneOf(*list_, *config_, status);
    if (!themeImage_.empty()) scene.ThemeImage = &themeImage_;
    scene.EditedControl = editedControl_;
    return scene;
}

// A button drawn just before a whole redraw would be drawn twice: it waits for it.
void LayoutView::DrawControlButton(int control) {
    if (Animating()) buttonMissed_ = true;  // drawn whole once the animations end
    if (!list_ || stale_ || Animating()) return;
    const LayoutScene scene = Scene();
    if (scene.Selected < 0) return;
    EraseControlButton(picture_, scene, *text_, control);
    velmora::DrawControlButton(picture_, scene, *text_, control);
    changed_ = true;
}

// The tabs' thumbnails follow the number of tabs, which a rescan may change,
// and the layouts' pictures (a layout opened again, an edited image).
void LayoutView::BuildThumbnails() {
    const int tabs = static_cast<int>(list_->Count());
    if (tabs > 0) UpdateThumbnails(list_->Layouts, tabs, thumbnailsFor_);
}

void LayoutView::DrawWhole() {
    DrawWhole(Scene());
}

void LayoutView::DrawWhole(const LayoutScene& scene) {
    BuildThumbnails();
    if (scene.Selected < 0) {
        velmora::RedrawLayout(picture_, scene, *text_);
        DrawNoControllerPicture(picture_, scene, waitingPhase_);
    } else {
        DrawMainPicture(picture_, scene, *text_);
    }
    stale_ = false;
    changed_ = true;
    waitingSquare_.reset();  // the background may have changed
    ++wholeDrawings_;
}

// The waiting picture changes four times a second; drawn and repainted whole
// it cost the idle program more than twice the time of its bare 10 ms wait.
// Its square's background is worked out once per whole drawing: pixel by
// pixel at every phase it took about a tenth of a millisecond under Wine.
void LayoutView::ShowWaitingPhase(int phase) {
    waitingPhase_ = phase;
    if (!list_ || stale_ || Animating() || list_->Count() > 0) {
        stale_ = true;
        return;
    }
    if (!waitingSquare_) waitingSquare_ = WaitingSquare(Scene());
    DrawWaitingGlyph(picture_, *waitingSquare_, phase);
    glyphChanged_ = true;
}

void LayoutView::EndPass(HWND window) {
    if (!list_) return;
    const std::uint32_t drawnBefore = wholeDrawings_;
    StepAnimations();
    // One whole drawing a pass, since each costs milliseconds (up to 15 under
    // Wine on a busy machine): a redraw asked before an animation's first
    // frame drew the picture whole waits for the next pass. A profile opened
    // for the program in front drew it twice in the pass after the switch.
    redrawWaits_ = stale_ && wholeDrawings_ != drawnBefore;
    // A hidden or minimised window is drawn when it shows again (WM_PAINT).
    if (stale_ && !redrawWaits_ && !Animating() && OnScreen(window)) DrawWhole();
    if (changed_) {
        InvalidateRect(window, nullptr, FALSE);
    } else if (glyphChanged_ && OnScreen(window)) {
        ShowWaitingSquare(window);
    }
    changed_ = false;
    glyphChanged_ = false;
}

// Drawn straight onto the window, clipped to the square: asked for as a
// repaint, it came back as a WM_PAINT with the system's work for its update
// region, four times a second while the program idles. (A source rectangle
// of the square would count its rows from the picture's bottom, even of this
// top-down picture.)
void LayoutView::ShowWaitingSquare(HWND window) const {
    const WaitingGlyphBox box = WaitingGlyphArea();
    HDC dc = GetDC(window);
    IntersectClipRect(dc, box.Left * scale_, box.Top * scale_, (box.Left + box.Size) * scale_,
                      (box.Top + box.Size) * scale_);
    Show(dc);
    // The window's own device context keeps its clip. Not SaveDC and
    // RestoreDC: restoring selects the font again, which under Wine reads the
    // X resource files twice.
    SelectClipRgn(dc, nullptr);
    ReleaseDC(window, dc);
}

void LayoutView::Play(HWND window, LayoutAnimation kind, bool animated) {
    if (!list_ || list_->Selected >= list_->Count() || !OnScreen(window)) return;
    ControllerDataType& controller = list_->Controllers[list_->Selected];
    const bool profileRequested = controller.OpenProfileRequest.Request != 0;
    PlayingAnimation asked{
        kind, profileRequested, *config_, Scene(), &list_->LayoutOf(controller), WindowAnimationHost(window),
        {}};
    auto playing = std::make_unique<PlayingAnimation>(std::move(asked));
    playing->Config.ShowAnimations = config_->ShowAnimations && animated;
    playing->Scene.Config = &playing->Config;
    playing->Scene.Status.LayoutShown = kind != LayoutAnimation::ShowLayout;
    playing->Frames = Played(*playing);
    // The buttons' animations switch the names off, as the names switch would.
    if (kind != LayoutAnimation::ShowLayout || !profileRequested) list_->NamesShown = false;
    animations_.push_back(std::move(playing));
}

AnimationFrames LayoutView::Played(PlayingAnimation& playing) {
    LayoutScene& scene = playing.Scene;
    // A whole redraw asked for after this animation was (a names switch, a
    // changed profile) is still to be done once the animations end.
    const bool redrawAsked = stale_;
    if (stale_ || playing.Kind == LayoutAnimation::ShowLayout) DrawWhole(scene);
    stale_ = redrawAsked;
    const AnimationTarget target{picture_, scene, *playing.Layout, *text_, playing.Host};
    AnimationFrames frames;
    switch (playing.Kind) {
        case LayoutAnimation::ButtonsIn:
            // The buttons drawn by the last whole redraw would stay under the falling ones.
            EraseLayoutSettingsMarkers(picture_, scene);
            EraseAllControlButtons(picture_, scene, *text_);
            frames = AnimateButtonsIn(target);
            break;
        case LayoutAnimation::ButtonsOut:
            frames = AnimateButtonsOut(target);
            break;
        case LayoutAnimation::ShowLayout:
            frames = ShowLayout(target, playing.ProfileRequested);
            break;
        case LayoutAnimation::HideLayout:
            frames = HideLayout(target);
            break;
    }
    while (const int milliseconds = frames.Next()) co_yield milliseconds;
}

// Draws the frames that are due; an animation that ends lets the next one
// start at once. Frame times add up from the first frame, so a late pass
// does not stretch the whole animation.
void LayoutView::StepAnimations() {
    const std::int64_t now = animations_.empty() ? 0 : NowMicroseconds();  // idle passes ask no clock
    while (!animations_.empty()) {
        PlayingAnimation& playing = *animations_.front();
        if (playing.DueAt >= 0 && now + HalfPassMicroseconds < playing.DueAt) return;
        if (playing.DueAt < now - 2 * HalfPassMicroseconds) playing.DueAt = now;  // first frame, or a stall
        changed_ = true;
        if (const int milliseconds = playing.Frames.Next()) {
            playing.DueAt += milliseconds * std::int64_t{1000};
            return;
        }
        animations_.pop_front();
    }
    if (buttonMissed_) stale_ = true;
    buttonMissed_ = false;
}

void LayoutView::FinishAnimations() {
    for (; !animations_.empty(); animations_.pop_front()) FinishFrames(animations_.front()->Frames);
    changed_ = true;
}

void LayoutView::Paint(HDC dc) {
    if (list_ && stale_ && !redrawWaits_ && !Animating()) DrawWhole();
    changed_ = false;
    glyphChanged_ = false;
    Show(dc);
}

// The picture at the client area's top-left corner, enlarged.
void LayoutView::Show(HDC dc) const {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = PictureWidth;
    info.bmiHeader.biHeight = -PictureHeight;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    // Colour-on-colour stretching repeats pixels without blending them: enlarged by a whole
    // factor, every picture pixel becomes a sharp square.
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, 0, 0, PictureWidth * scale_, PictureHeight * scale_, 0, 0, PictureWidth, PictureHeight,
                  picture_.Bytes().data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace velmora
