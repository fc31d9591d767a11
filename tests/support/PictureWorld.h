#pragma once
// A scene of one or more controllers sharing a layout, drawn into a picture,
// for checking pixels.

#include <memory>

#include "ui/LayoutBackground.h"
#include "ui/LayoutPicture.h"
#include "ui/Tabs.h"
#include "ui/TextDrawer.h"

namespace velmora::test {

struct World {
    ConfigurationType Config;
    std::unique_ptr<ControllerFileType> Layout = std::make_unique<ControllerFileType>();
    ProfileType Profile;
    LayoutScene Scene;
    std::unique_ptr<TextDrawer> Text = MakePixelFontTextDrawer();
    PictureType Picture;

    World() {
        Config.Interface = {{{10, 20, 30}, {200, 210, 220}, {40, 50, 60}}};
        Config.Background = {{{250, 250, 250}, {150, 150, 150}, {50, 50, 50}}};
        Layout->FileName = "/pads/pad.velmoracontroller";
        Layout->Name = "pad";
        Scene.Config = &Config;
        Scene.Profile = &Profile;
    }
    void Connect(int count, int selected) {
        BuildThumbnail(*Layout, TabsFor(count));
        Scene.Controllers.assign(static_cast<std::size_t>(count), SceneController{Layout.get(), true});
        Scene.Selected = selected;
        Scene.Status.LayoutShown = selected >= 0;
    }
    void Draw() { DrawMainPicture(Picture, Scene, *Text); }
    ColourType At(int x, int y) const { return Picture.Get(x, y); }
};

}  // namespace velmora::test
