#include <gtest/gtest.h>

#include <sstream>

#include "engine/Simulation.h"
#include "model/Controller.h"
#include "model/ProfileModel.h"

namespace velmora {
namespace {

SimulationScript Parse(std::string_view text) {
    SimulationScript script;
    std::string error;
    EXPECT_TRUE(ParseScript(text, script, error)) << error;
    return script;
}

std::string ErrorOf(std::string_view text) {
    SimulationScript script;
    std::string error;
    EXPECT_FALSE(ParseScript(text, script, error)) << text;
    return error;
}

TEST(ParseScript, ReadsEveryStatementWithItsPassAndPad) {
    const SimulationScript s = Parse(
        "# two pads\n"
        "pads 2\n"
        "\n"
        "button 3 down   # at pass 0, pad 0\r\n"
        "@7\n"
        "pad 1\n"
        "dpad up+left\n"
        "stick 2 -255 +10\n"
        "trigger right 200\n"
        "set 8\n");
    EXPECT_EQ(s.Pads, 2);
    ASSERT_EQ(s.Events.size(), 5u);
    EXPECT_EQ(s.Events[0].Action, ScriptAction::Button);
    EXPECT_EQ(s.Events[0].Index, 2);
    EXPECT_EQ(s.Events[0].X, 1);
    EXPECT_EQ(s.Events[1].Pass, 7);
    EXPECT_EQ(s.Events[1].Pad, 1);
    EXPECT_EQ(s.Events[1].X, DPadUpBit | DPadLeftBit);
    EXPECT_EQ(s.Events[2].Index, 1);
    EXPECT_EQ(s.Events[2].X, -255);
    EXPECT_EQ(s.Events[2].Y, 10);
    EXPECT_EQ(s.Events[3].Index, 1);
    EXPECT_EQ(s.Events[4].X, 7);
    EXPECT_EQ(s.EndPass, 107) << "100 passes after the last change";
}

TEST(ParseScript, EndSetsThePassCountAndAnEmptyScriptRuns100Passes) {
    EXPECT_EQ(Parse("button 1 down\n@10\nbutton 1 up\nend 12\n").EndPass, 12);
    EXPECT_EQ(Parse("").EndPass, 100);
    EXPECT_EQ(Parse("dpad none").Events[0].X, 0);
}

TEST(ParseScript, BadLinesAreNamedByTheirNumber) {
    EXPECT_EQ(ErrorOf("button 1 down\npads 2\n"), "line 2: \"pads\" is allowed only as the first line");
    EXPECT_EQ(ErrorOf("@5\n@4\n"), "line 2: pass 4 comes before pass 5");
    EXPECT_EQ(ErrorOf("pads 2\npad 2\n"), "line 2: expected \"pad K\" with K 0..1");
    EXPECT_EQ(ErrorOf("# comment\n\nbutton 33 down\n").substr(0, 8), "line 3: ");
    EXPECT_EQ(ErrorOf("button 1 pressed\n").substr(0, 8), "line 1: ");
    EXPECT_EQ(ErrorOf("dpad up+up-left\n").substr(0, 8), "line 1: ");
    EXPECT_EQ(ErrorOf("dpad up+\n").substr(0, 8), "line 1: ");
    EXPECT_EQ(ErrorOf("stick 3 0 0\n").substr(0, 8), "line 1: ");
    EXPECT_EQ(ErrorOf("stick 1 0 256\n").substr(0, 8), "line 1: ");
    EXPECT_EQ(ErrorOf("trigger middle 5\n").substr(0, 8), "line 1: ");
    EXPECT_EQ(ErrorOf("set 0\n").substr(0, 8), "line 1: ");
    EXPECT_EQ(ErrorOf("pads 17\n").substr(0, 8), "line 1: ");
    EXPECT_EQ(ErrorOf("jump\n"), "line 1: unknown word \"jump\"");
    EXPECT_EQ(ErrorOf("@20\nbutton 1 down\nend 20\n"), "line 3: the end comes before the change at pass 20");
    EXPECT_EQ(ErrorOf("end 5\nbutton 1 down\n"), "line 2: nothing may follow \"end\"");
    EXPECT_EQ(ErrorOf("@1x\n").substr(0, 8), "line 1: ");
}

std::string Simulate(const ProfileType& profile, std::string_view script,
                     KeyCodeMode mode = KeyCodeMode::ScanCodes) {
    std::ostringstream out;
    RunSimulation(profile, Parse(script), mode, out);
    return out.str();
}

ProfileType TwoSetProfile() {
    ProfileType p;
    SetSlot(p.Sets[0].Assignments[0].Slots, 0, *FindSlotCode("Arrow Up"));
    SetSlot(p.Sets[2].Assignments[0].Slots, 0, *FindSlotCode("B"));
    AssignmentType& rumble = p.Sets[0].Assignments[TriggerLeft];
    rumble.Rumble = true;
    rumble.RumbleStrengths = {90, 0};
    return p;
}

TEST(RunSimulation, ReleasesWhatIsStillHeldAndStopsTheRumbleAtTheEnd) {
    EXPECT_EQ(Simulate(TwoSetProfile(), "button 1 down\ntrigger left 255\nend 3\n"),
              "0 rumble 0 90 0\n0 key down 48 ext\n3 key up 48 ext\n3 rumble 0 0 0\n");
}

TEST(RunSimulation, VirtualKeyModeNamesTheVirtualKey) {
    EXPECT_EQ(Simulate(TwoSetProfile(), "button 1 down\n@1\nbutton 1 up\nend 2\n", KeyCodeMode::VirtualKeys),
              "0 key down vk=26 ext\n1 key up vk=26 ext\n");
}

TEST(RunSimulation, TheSetMenuRequestsOnlyAnotherSetOfThatPad) {
    EXPECT_EQ(
        Simulate(TwoSetProfile(), "pads 2\nbutton 1 down\n@2\nset 1\npad 1\nset 3\nbutton 1 down\nend 4\n"),
        "0 key down 48 ext\n2 set 1 3\n3 key down 30\n4 key up 48 ext\n4 key up 30\n");
}

}  // namespace
}  // namespace velmora
