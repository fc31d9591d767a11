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

// The animations show each frame at once and wait between frames on the window's thread.
class WindowAnimationHost : public AnimationHost {
public:
    explicit WindowAnimationHost(HWND window) : window_(window) {}
    void Repaint(const PictureType&) override {
        InvalidateRect(window_, nullptr, FALSE);
        UpdateWindow(window_);
    }
    void Sleep(int milliseconds) override { ::Sleep(static_cast<DWORD>(milliseconds)); }
    int Random(int count) override { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

private:
    HWND window_;
    std::minstd_rand random_{GetTickCount()};
};

}  // namespace

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
    if (!list_ || stale_) return;
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
}

void LayoutView::EndPass(HWND window) {
    if (!list_) return;
    // A hidden or minimised window is drawn when it shows again (WM_PAINT).
    if (stale_ && IsWindowVisible(window) && !IsIconic(window)) DrawWhole();
    if (!changed_) return;
    changed_ = false;
    InvalidateRect(window, nullptr, FALSE);
}

void LayoutView::Play(HWND window, LayoutAnimation kind, bool animated) {
    if (!list_ || list_->Selected >= list_->Count() || !IsWindowVisible(window) || IsIconic(window)) return;
    ControllerDataType& controller = list_->Controllers[list_->Selected];
    LayoutScene scene = Scene();
    ConfigurationType unanimated = *config_;
    unanimated.ShowAnimations = config_->ShowAnimations && animated;
    scene.Config = &unanimated;
    scene.Status.LayoutShown = kind != LayoutAnimation::ShowLayout;
    if (stale_ || kind == LayoutAnimation::ShowLayout) DrawWhole(scene);
    // The buttons' animations switch the names off, as the names switch would.
    const bool profileRequested = controller.OpenProfileRequest.Request != 0;
    if (kind != LayoutAnimation::ShowLayout || !profileRequested) list_->NamesShown = false;
    WindowAnimationHost host(window);
    const AnimationTarget target{picture_, scene, list_->LayoutOf(controller), *text_, host};
    switch (kind) {
        case LayoutAnimation::ButtonsIn:
            // The buttons drawn by the last whole redraw would stay under the falling ones.
            EraseLayoutSettingsMarkers(picture_, scene);
            EraseAllControlButtons(picture_, scene, *text_);
            AnimateButtonsIn(target);
            break;
        case LayoutAnimation::ButtonsOut:
            AnimateButtonsOut(target);
            break;
        case LayoutAnimation::ShowLayout:
            ShowLayout(target, profileRequested);
            break;
        case LayoutAnimation::HideLayout:
            HideLayout(target);
            break;
    }
    changed_ = true;
}

void LayoutView::Paint(HDC dc) {
    if (list_ && stale_) DrawWhole();
    changed_ = false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = PictureWidth;
    info.bmiHeader.biHeight = -PictureHeight;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, 0, 0, PictureWidth, PictureHeight, 0, 0, 0, PictureHeight, picture_.Bytes().data(),
                      &info, DIB_RGB_COLORS);
}

}  // namespace velmora
