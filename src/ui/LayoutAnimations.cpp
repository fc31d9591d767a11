#include "ui/LayoutAnimations.h"

#include <array>

#include "ui/ControlButton.h"
#include "ui/LayoutBackground.h"
#include "ui/LayoutPicture.h"

namespace velmora {
namespace {

using Tops = std::array<std::int32_t, ControlCount>;

constexpr int ButtonFrameMilliseconds = 10;
constexpr int PictureFrameMilliseconds = 25;
constexpr int DropDone = 5;

Tops SavedTops(const ControllerFileType& layout) {
    Tops tops{};
    for (std::size_t i = 0; i < tops.size(); ++i) tops[i] = layout.Locations[i].Top;
    return tops;
}

void RestoreTops(ControllerFileType& layout, const Tops& tops) {
    for (std::size_t i = 0; i < tops.size(); ++i) layout.Locations[i].Top = tops[i];
}

// The controls' places, put back when an animation ends or is dropped half-way.
struct KeptTops {
    ControllerFileType& Layout;
    Tops Saved;
    explicit KeptTops(ControllerFileType& layout) : Layout(layout), Saved(SavedTops(layout)) {}
    KeptTops(const KeptTops&) = delete;
    KeptTops& operator=(const KeptTops&) = delete;
    ~KeptTops() { RestoreTops(Layout, Saved); }
};

// Yields every frame of an inner animation as the outer one's.
#define VELMORA_YIELD_FRAMES(frames) \
    for (AnimationFrames inner = (frames); const int ms = inner.Next();) co_yield ms

// One step of the drop: down fast to the place, bounce up 16, down, up 8, down.
// Moving down never passes the saved place.
int DropStep(std::int32_t& top, std::int32_t saved, int phase) {
    static constexpr std::array<int, DropDone> Steps{16, -4, 4, -2, 2};
    static constexpr std::array<int, DropDone> Targets{0, -16, 0, -8, 0};
    const int step = Steps[static_cast<std::size_t>(phase)],
              target = saved + Targets[static_cast<std::size_t>(phase)];
    top += step;
    if ((step > 0 && top >= target) || (step < 0 && top <= target)) {
        top = target;
        return phase + 1;
    }
    return phase;
}

// Shows the picture; the caller then yields the frame's time.
int ShowFrame(const AnimationTarget& t, int milliseconds) {
    t.Host.Repaint(t.Picture);
    return milliseconds;
}

AnimationFrames DropIn(AnimationTarget t, std::array<bool, ControlCount> placed, Tops saved) {
    std::array<int, ControlCount> phases{};
    for (std::size_t i = 0; i < placed.size(); ++i)
        if (placed[i]) t.Layout.Locations[i].Top = -30 - t.Host.Random(128);
    for (bool moving = true; moving;) {
        moving = false;
        for (std::size_t i = 0; i < placed.size(); ++i) {
            if (!placed[i] || phases[i] == DropDone) continue;
            phases[i] = DropStep(t.Layout.Locations[i].Top, saved[i], phases[i]);
            moving = true;
        }
        if (!moving) break;
        DrawAllControlButtons(t.Picture, t.Scene, t.Text);
        co_yield ShowFrame(t, ButtonFrameMilliseconds);
        EraseAllControlButtons(t.Picture, t.Scene, t.Text);
    }
}

AnimationFrames FallOut(AnimationTarget t, std::array<bool, ControlCount> placed) {
    std::array<int, ControlCount> delays{};
    for (int& delay : delays) delay = t.Host.Random(16);
    for (bool falling = true; falling;) {
        EraseAllControlButtons(t.Picture, t.Scene, t.Text);
        falling = false;
        for (std::size_t i = 0; i < placed.size(); ++i) {
            std::int32_t& top = t.Layout.Locations[i].Top;
            if (!placed[i] || top >= ImageHeight) continue;
            if (delays[i] > 0)
                --delays[i];
            else
                top += 16;
            falling = falling || top < ImageHeight;
        }
        DrawAllControlButtons(t.Picture, t.Scene, t.Text);
        co_yield ShowFrame(t, ButtonFrameMilliseconds);
    }
}

// Pixel (x, y) of the picture area while the controller picture's top row is at row `at`: the picture where
// it is not magenta, else background.
ColourType SlidPixel(const AnimationTarget& t, const LayoutScene& background, int x, int y, int at) {
    const int source = y - at;
    if (source >= 0 && source < ImageHeight) {
        const std::size_t i = PixelOffset(source, x);
        const ColourType pixel{t.Layout.Image[i + 2], t.Layout.Image[i + 1], t.Layout.Image[i]};
        if (pixel != palette::Magenta) return pixel;
    }
    return LayoutBackgroundPixel(background, x, y);
}

void DrawSlidPicture(const AnimationTarget& t, int at) {
    LayoutScene background = t.Scene;  // the background alone, without the controller picture
    background.Status.LayoutShown = false;
    for (int y = 0; y < ImageHeight; ++y)
        for (int x = 0; x < ImageWidth; ++x)
            t.Picture.Put(LayoutLeft + x, LayoutTop + y, SlidPixel(t, background, x, y, at));
}

}  // namespace

AnimationFrames::~AnimationFrames() {
    if (handle_) handle_.destroy();
}

AnimationFrames& AnimationFrames::operator=(AnimationFrames&& other) noexcept {
    if (this != &other) {
        if (handle_) handle_.destroy();
        handle_ = other.handle_;
        other.handle_ = {};
    }
    return *this;
}

int AnimationFrames::Next() {
    if (Done()) return 0;
    handle_.resume();
    return handle_.done() ? 0 : handle_.promise().Milliseconds;
}

void FinishFrames(AnimationFrames& frames) {
    while (frames.Next() != 0) {
    }
}

AnimationFrames AnimateButtonsIn(AnimationTarget t) {
    const bool animate = t.Scene.Config->ShowAnimations && t.Scene.Status.LayoutShown;
    t.Scene.Status.NamesShown = false;
    if (animate) {
        const KeptTops kept(t.Layout);
        VELMORA_YIELD_FRAMES(DropIn(t, PlacedControls(t.Layout), kept.Saved));
    }
    DrawAllControlButtons(t.Picture, t.Scene, t.Text);
    DrawLayoutSettingsMarkers(t.Picture, t.Scene);
    t.Scene.Status.AnimationDone = true;
}

AnimationFrames AnimateButtonsOut(AnimationTarget t) {
    // Erased while the names still give the buttons their widths.
    EraseLayoutSettingsMarkers(t.Picture, t.Scene);
    EraseAllControlButtons(t.Picture, t.Scene, t.Text);
    t.Scene.Status.NamesShown = false;
    t.Scene.DrawnStates.fill(DrawnOff);
    {
        const KeptTops kept(t.Layout);
        if (t.Scene.Config->ShowAnimations) {
            DrawAllControlButtons(t.Picture, t.Scene, t.Text);
            VELMORA_YIELD_FRAMES(FallOut(t, PlacedControls(t.Layout)));
            EraseAllControlButtons(t.Picture, t.Scene, t.Text);
        }
        t.Host.Repaint(t.Picture);
        t.Scene.Status.AnimationDone = false;
    }
}

AnimationFrames ShowLayout(AnimationTarget t, bool profileRequested) {
    for (int k = 0; k < 8; ++k) {
        // Rows 224 - 32k to 255 show the picture's first 32(k + 1) rows.
        DrawSlidPicture(t, 224 - 32 * k);
        if (t.Scene.Config->ShowAnimations) co_yield ShowFrame(t, PictureFrameMilliseconds);
    }
    t.Scene.Status.LayoutShown = true;
    if (!profileRequested) VELMORA_YIELD_FRAMES(AnimateButtonsIn(t));
    RedrawLayout(t.Picture, t.Scene, t.Text);
    t.Host.Repaint(t.Picture);
}

AnimationFrames HideLayout(AnimationTarget t) {
    VELMORA_YIELD_FRAMES(AnimateButtonsOut(t));
    for (int k = 0; k < 8; ++k) {
        // The picture shifted down by 32(k + 1) rows; the rows above it are background.
        DrawSlidPicture(t, 32 * (k + 1));
        if (t.Scene.Config->ShowAnimations) co_yield ShowFrame(t, PictureFrameMilliseconds);
    }
    t.Scene.Status.LayoutShown = false;
}

}  // namespace velmora
