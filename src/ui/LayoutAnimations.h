#pragma once
// The animations of the layout picture: buttons dropping in with a bounce,
// falling out, and the controller picture sliding in and out. They block the
// caller while they run, repainting the window and sleeping between frames.

#include "ui/LayoutScene.h"
#include "ui/Picture.h"

namespace velmora {

class TextDrawer;

// What an animation needs from the window: show the picture, wait, and chance.
class AnimationHost {
public:
    virtual ~AnimationHost() = default;
    virtual void Repaint(const PictureType& picture) = 0;
    virtual void Sleep(int milliseconds) = 0;
    virtual int Random(int count) = 0;  // 0 .. count - 1
};

// Everything an animation works on. Layout is the scene's selected layout:
// the animations move its controls' Top and always put it back.
struct AnimationTarget {
    PictureType& Picture;
    LayoutScene& Scene;
    ControllerFileType& Layout;
    TextDrawer& Text;
    AnimationHost& Host;
};

void AnimateButtonsIn(const AnimationTarget& target);
void AnimateButtonsOut(const AnimationTarget& target);
// With profileRequested the buttons are not animated in: a profile is about to be opened.
void ShowLayout(const AnimationTarget& target, bool profileRequested);
void HideLayout(const AnimationTarget& target);

}  // namespace velmora
