#pragma once
// The animations of the layout picture: buttons dropping in with a bounce,
// falling out, and the controller picture sliding in and out. Each is a
// sequence of frames that the caller steps one at a time, between its
// passes, so that input goes on while the picture moves.

#include <coroutine>
#include <exception>

#include "ui/LayoutScene.h"
#include "ui/Picture.h"

namespace velmora {

class TextDrawer;

// What an animation needs from the window: show the picture, and chance.
class AnimationHost {
public:
    virtual ~AnimationHost() = default;
    virtual void Repaint(const PictureType& picture) = 0;
    virtual int Random(int count) = 0;  // 0 .. count - 1
};

// The frames of one animation, drawn on demand. Nothing is drawn before the
// first Next. Destroyed before its end, an animation still puts the layout's
// controls back at their places.
class AnimationFrames {
public:
    struct promise_type {
        int Milliseconds = 0;
        AnimationFrames get_return_object() {
            return AnimationFrames(std::coroutine_handle<promise_type>::from_promise(*this));
        }
        std::suspend_always initial_suspend() noexcept { return {}; }
        std::suspend_always final_suspend() noexcept { return {}; }
        std::suspend_always yield_value(int milliseconds) noexcept {
            Milliseconds = milliseconds;
            return {};
        }
        void return_void() noexcept {}
        void unhandled_exception() noexcept { std::terminate(); }
    };

    AnimationFrames() = default;
    AnimationFrames(AnimationFrames&& other) noexcept : handle_(other.handle_) { other.handle_ = {}; }
    AnimationFrames& operator=(AnimationFrames&& other) noexcept;
    ~AnimationFrames();

    // Draws the next frame and has it shown; returns how long it is to stay,
    // in milliseconds, or 0 once the animation is over (its last picture drawn).
    int Next();
    bool Done() const { return !handle_ || handle_.done(); }

private:
    explicit AnimationFrames(std::coroutine_handle<promise_type> handle) : handle_(handle) {}
    std::coroutine_handle<promise_type> handle_;
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

// The target's objects must outlive the frames.
AnimationFrames AnimateButtonsIn(AnimationTarget target);
AnimationFrames AnimateButtonsOut(AnimationTarget target);
// With profileRequested the buttons are not animated in: a profile is about to be opened.
AnimationFrames ShowLayout(AnimationTarget target, bool profileRequested);
AnimationFrames HideLayout(AnimationTarget target);
// Plays frames to their end at once, without showing them for any time.
void FinishFrames(AnimationFrames& frames);

}  // namespace velmora
