// The pass runs a hundred times a second for as long as the program lives:
// it must not allocate. This file replaces the global allocation functions
// of the test program with counting ones that forward to malloc and free
// (so the sanitizers still see every block) and counts while passes run.

#include <gtest/gtest.h>

// GCC inlines the replaced delete into its callers and then sees free() meet
// a pointer from operator new: here both are the pair below, so no mismatch.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

#include <atomic>
#include <cstdlib>
#include <new>

#include "app/ProgramProfiles.h"
#include "devices/DeviceRumble.h"
#include "engine/HeldInput.h"
#include "engine/Pass.h"
#include "model/ProfileModel.h"
#include "support/FakeDeviceApi.h"

namespace {

std::atomic<bool> Counting{false};
std::atomic<long> Allocations{0};

void* Allocate(std::size_t size) {
    if (Counting) ++Allocations;
    return std::malloc(size == 0 ? 1 : size);
}

}  // namespace

void* operator new(std::size_t size) {
    if (void* p = Allocate(size)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    if (void* p = Allocate(size)) return p;
    throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}

namespace velmora {
namespace {

class SilentSink : public InputSink {
public:
    long Records = 0;
    void SendKeyboard(const KeyboardRecord&) override { ++Records; }
    void SendMouse(const MouseRecord&) override { ++Records; }
};

class SilentRumble : public RumbleOutput {
public:
    long Commands = 0;
    void StartRumble(ControllerDataType&, std::uint8_t, std::uint8_t) override { ++Commands; }
    void StopRumble(ControllerDataType&) override { ++Commands; }
};

void Add(AssignmentType& a, std::initializer_list<const char*> names) {
    for (const char* name : names) SetSlot(a.Slots, a.Slots.CodeCount(), *FindSlotCode(name));
}

// Every kind of assignment: keys, a sequence with pauses, a cycle, turbo,
// toggle, rumble, mouse buttons and wheel, stick and button mouse movement.
void BusyProfile(ProfileType& p) {
    SetType& s = p.Sets[0];
    Add(s.Assignments[0], {"Left Shift", "A"});
    Add(s.Assignments[1], {"X", "PAUSE 0.05s", "Y", "PAUSE 0.01s", "Z"});
    Add(s.Assignments[2], {"B", "CYCLE STOP", "C"});
    Add(s.Assignments[3], {"Left Mouse Button (1)", "Mouse Wheel Down"});
    s.Assignments[3].Turbo = true;
    Add(s.Assignments[4], {"Mouse Move Right"});
    s.Assignments[4].Rumble = true;
    Add(s.Assignments[5], {"D"});
    s.Assignments[5].Toggle = true;
    s.Assignments[6].SetSelect = 1;
    p.Sets[1].Assignments[6].SetSelect = 0;
    Add(s.Assignments[Stick1Right], {"Mouse Move Right"});
    Add(s.Assignments[Stick1Up], {"Mouse Move Up"});
    s.Assignments[Stick1Up].MouseMode = Cursor;
    Add(s.Assignments[Stick2Left], {"Mouse Move Left"});
    s.Assignments[Stick2Left].MouseMode = Spring;
    Add(s.Assignments[TriggerLeft], {"Mouse Move Down"});
}

// Input that changes every pass so that edges, sequences and set changes happen.
void Wiggle(ControllerDataType& c, int pass) {
    c.Input.Buttons =
        static_cast<std::uint32_t>((pass / 7) % 2 ? 0x3F : 0x15) | (pass % 40 == 0 ? 0x40u : 0u);
    c.Input.StickX = {static_cast<std::int16_t>(pass % 200), static_cast<std::int16_t>(-(pass % 150))};
    c.Input.StickY = {static_cast<std::int16_t>(100 - pass % 200), 20};
    c.Input.Triggers = {static_cast<std::uint8_t>(pass % 256), 0};
    c.Input.DPad = static_cast<std::uint8_t>(pass % 16);
}

TEST(RunPass, AllocatesNoMemoryOnceWarm) {
    std::vector<ControllerDataType> controllers(4);
    for (ControllerDataType& c : controllers) {
        BusyProfile(c.Profile);
        c.CanRumble = true;
    }
    CoreLoopState state;
    state.RumbleTest = {1, 50, {10, 20}};
    // Through the held record, as the program sends: it is part of the pass.
    SilentSink output;
    HeldInput held;
    HeldInputSink sink(output, held);
    SilentRumble rumble;
    NoUserInterface ui;
    PassSeams seams{sink, ui, rumble};
    auto runPasses = [&](int first, int count) {
        for (int pass = first; pass < first + count; ++pass) {
            for (ControllerDataType& c : controllers) Wiggle(c, pass);
            RunPass(state, controllers, 0, ProgramRunning, seams);
        }
    };
    runPasses(0, 50);
    Allocations = 0;
    Counting = true;
    runPasses(50, 2000);
    ReleaseEverything(state, sink);
    Counting = false;
    EXPECT_EQ(Allocations.load(), 0);
    EXPECT_GT(output.Records, 1000) << "the profile must keep the emitter busy";
    EXPECT_GT(rumble.Commands, 0);
    std::array<InputRelease, 4> left{};
    EXPECT_EQ(TakeReleases(held, left), 0u) << "the record lets go of all the engine released";
}

// The same game in front the whole time: after the switch to its profile,
// the quarter-second checks between passes ask for the window and nothing more.
TEST(StepProgramWatch, AllocatesNoMemoryWhileNothingChanges) {
    class SameGame : public FrontProgramSeam {
    public:
        std::uintptr_t FrontWindow() override { return 7; }
        bool Ignored(std::uintptr_t) override { return false; }
        FrontProgram Describe(std::uintptr_t) override { return {"C:\\Games\\game.exe", "Game"}; }
        bool WindowExists(std::uintptr_t) override { return true; }
        bool TitleChanged(std::uintptr_t) override { return false; }
        bool ShowBalloon(const std::string&, const std::string&) override { return true; }
    } seam;
    ControllerListType list;
    list.Controllers.resize(2);
    list.Controllers[0].Profile.FileName = list.Controllers[1].Profile.FileName = "/p/game.velmoraprofile";
    ConfigurationType config;
    // The last rule fits: every check walks them all when it decides. One
    // rule has a title part, so every check reads the title again too.
    for (int i = 0; i < 32; ++i)
        config.ProgramRules.push_back(
            {i == 31 ? "game.exe" : "other.exe", i == 0 ? "Launcher" : "", {}, "/p/game.velmoraprofile"});
    NoUserInterface ui;
    velmora::test::FakeDeviceApi devices;
    DeviceRumble deviceRumble(devices);
    DeviceContext context{list, devices, ui, config, deviceRumble};
    ProgramWatch watch;
    std::string shortcut;
    for (std::uint64_t now = 0; now < 2000; now += 10) StepProgramWatch(watch, seam, context, shortcut, now);
    ASSERT_EQ(watch.Applied, 31);
    Allocations = 0;
    Counting = true;
    for (std::uint64_t now = 2000; now < 60000; now += 10)
        StepProgramWatch(watch, seam, context, shortcut, now);
    Counting = false;
    EXPECT_EQ(Allocations.load(), 0);
}

TEST(CountingAllocator, CountsWhileCounting) {
    Allocations = 0;
    Counting = true;
    auto* p = new std::vector<int>(10);
    Counting = false;
    delete p;
    EXPECT_EQ(Allocations.load(), 2);
}

}  // namespace
}  // namespace velmora
