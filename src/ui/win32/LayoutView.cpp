#include "ui/win32/LayoutView.h"

// The text seam's DrawText, not <windows.h>'s name for DrawTextW.
#undef DrawText

#include "devices/ControllerList.h"
#include "ui/ControlButton.h"
#include "ui/ControllerScene.h"
#include "ui/LayoutPicture.h"
#include "ui/Tabs.h"
#include "ui/win32/GdiTextDrawer.h"

namespace velmora {

LayoutView::LayoutView() = default;
LayoutView::~LayoutView() = default;

void LayoutView::Attach(ControllerListType& list, const ConfigurationType& config) {
    list_ = &list;
    config_ = &config;
    if (!text_) text_ = MakeGdiTextDrawer();
    stale_ = true;
}

LayoutScene LayoutView::Scene() const {
    MainWindowStatus status;
    status.LayoutShown = true;
    status.AnimationDone = true;
    return SceneOf(*list_, *config_, status);
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
// and the layouts' files. Building one costs a few milliseconds: they are
// built again only when either changed.
void LayoutView::BuildThumbnails() {
    std::vector<std::string> key{std::to_string(list_->Count())};
    for (const ControllerFileType& layout : list_->Layouts) key.push_back(layout.FileName + '\n' + layout.Name);
    if (key == thumbnailsFor_ || list_->Count() == 0) return;
    const TabGeometry tabs = TabsFor(static_cast<int>(list_->Count()));
    for (ControllerFileType& layout : list_->Layouts) BuildThumbnail(layout, tabs);
    thumbnailsFor_ = std::move(key);
}

void LayoutView::DrawWhole() {
    BuildThumbnails();
    const LayoutScene scene = Scene();
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
    SetDIBitsToDevice(dc, 0, 0, PictureWidth, PictureHeight, 0, 0, 0, PictureHeight,
                      picture_.Bytes().data(), &info, DIB_RGB_COLORS);
}

}  // namespace velmora
