// velmora-cli simulate, run as a process.

#include <gtest/gtest.h>

#include "support/CliRun.h"

namespace velmora {
namespace {

test::CliRun Simulate(const test::TempFolder& folder, const std::string& args) {
    return test::RunCli(folder, "simulate " + args);
}

const char* PadProfile =
    "Version=2007.12\r\n"
    "[Assignments]\r\n"
    "Set1Button1Slots=Left Shift,X,PAUSE 0.05s,Y\r\n"
    "Set1Button2Slots=Mouse Wheel Down\r\n"
    "Set1Stick1RightSlots=Mouse Move Right\r\n"
    "Set1Stick1RightMouseSpeed=100\r\n";

TEST(SimulateCommand, PrintsTheTraceOfAProfileAndAScript) {
    test::TempFolder folder;
    const std::string profile = folder.Write("pad.velmoraprofile", PadProfile);
    const std::string script = folder.Write("play.script",
                                            "button 1 down\n"
                                            "@1\nbutton 1 up\n"
                                            "@10\nbutton 2 down\n"
                                            "@20\nstick 1 255 0\n"
                                            "@22\nstick 1 0 0\n"
                                            "end 25\n");
    const test::CliRun run = Simulate(folder, "\"" + profile + "\" \"" + script + "\"");
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    // Stick 1 right at full deflection, dead zone 64: amount 255, speed 100: 20.01 pixels per pass.
    // The wheel is still held at the end, but a wheel step has no release.
    EXPECT_EQ(run.Out,
              "0 key down 2A\n0 key down 2D\n2 key up 2D\n2 key up 2A\n"
              "7 key down 15\n8 key up 15\n"
              "10 wheel -120\n"
              "20 move 20 0\n21 move 20 0\n");
}

TEST(SimulateCommand, VirtualKeysWithVk) {
    test::TempFolder folder;
    const std::string profile = folder.Write("pad.velmoraprofile", PadProfile);
    const std::string script = folder.Write("play.script", "button 1 down\nend 2\n");
    const test::CliRun run = Simulate(folder, "--vk \"" + profile + "\" \"" + script + "\"");
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "0 key down vk=10\n0 key down vk=58\n2 key up vk=58\n2 key up vk=10\n");
}

TEST(SimulateCommand, ABadScriptLineStopsBeforeAnythingRuns) {
    test::TempFolder folder;
    const std::string profile = folder.Write("pad.velmoraprofile", PadProfile);
    const std::string script = folder.Write("bad.script", "button 1 down\n@5\nbutton 40 up\n");
    const test::CliRun run = Simulate(folder, "\"" + profile + "\" \"" + script + "\"");
    EXPECT_NE(run.Status, 0);
    EXPECT_EQ(run.Out, "");
    EXPECT_NE(run.Err.find("line 3: expected \"button B down|up\""), std::string::npos) << run.Err;
}

TEST(SimulateCommand, AMissingProfileOrWrongArgumentsFail) {
    test::TempFolder folder;
    const std::string script = folder.Write("play.script", "end 1\n");
    const test::CliRun missing =
        Simulate(folder, "\"" + folder.File("gone.velmoraprofile") + "\" \"" + script + "\"");
    EXPECT_NE(missing.Status, 0);
    EXPECT_EQ(missing.Out, "");
    EXPECT_EQ(Simulate(folder, "\"" + script + "\"").Status, 2);
    EXPECT_EQ(Simulate(folder, "--fast a b").Status, 2);
}

TEST(SimulateCommand, ALayoutWithTriggersButNoButton11MovesItsKeyToTheLeftTrigger) {
    test::TempFolder folder;
    const std::string profile = folder.Write("pad.velmoraprofile", "Set1Button11Slots=A\r\n");
    const std::string layout = folder.Write(
        "pad.velmoracontroller", "TriggerLeftLocation=100,100\r\nTriggerRightLocation=100,200\r\n");
    const std::string script = folder.Write("play.script", "@0\nbutton 11 down\ntrigger left 255\nend 1\n");
    const auto trace = [&](const std::string& options) {
        return Simulate(folder, options + "\"" + profile + "\" \"" + script + "\"").Out;
    };
    EXPECT_EQ(trace(""), "0 key down 1E\n1 key up 1E\n") << "without a layout Button11 keeps its key";
    EXPECT_EQ(trace("--layout \"" + layout + "\" "), "0 key down 1E\n1 key up 1E\n");
    const std::string buttonOnly = folder.Write("buttons.script", "@0\nbutton 11 down\nend 1\n");
    EXPECT_EQ(Simulate(folder, "--layout \"" + layout + "\" \"" + profile + "\" \"" + buttonOnly + "\"").Out,
              "")
        << "with the layout the key belongs to the left trigger alone";
}

TEST(SimulateCommand, TheDemoPlaysAndLeavesNothingDown) {
    test::TempFolder folder;
    const std::string demo = std::string(VELMORA_SOURCE_DIR) + "/demo/";
    const test::CliRun run =
        Simulate(folder, "\"" + demo + "demo.velmoraprofile\" \"" + demo + "demo.script\"");
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    EXPECT_NE(run.Out.find("20 key down 2A\n20 key down 2D\n22 key up 2D\n22 key up 2A\n72 key down 15\n"),
              std::string::npos);
    EXPECT_NE(run.Out.find("300 rumble 0 200 100\n"), std::string::npos);
    EXPECT_NE(run.Out.find("320 set 0 2\n325 key down 1C\n"), std::string::npos);
    EXPECT_TRUE(run.Out.ends_with("500 key up 39\n"));
}

}  // namespace
}  // namespace velmora
