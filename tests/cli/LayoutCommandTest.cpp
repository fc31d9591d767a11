// velmora-cli layout, run as a process.

#include <gtest/gtest.h>

#include <memory>

#include "base/Language.h"
#include "files/ControllerFiles.h"
#include "support/CliRun.h"
#include "support/RecordingUserInterface.h"

namespace velmora {
namespace {

const std::string Database = std::string(VELMORA_SOURCE_DIR) + "/data/gamecontrollerdb.txt";

std::unique_ptr<ControllerFileType> Read(const std::string& path) {
    auto layout = std::make_unique<ControllerFileType>();
    test::RecordingUserInterface ui;
    EXPECT_TRUE(ReadControllerFile(path, *layout, ui)) << path;
    return layout;
}

TEST(LayoutCommand, WritesTheReadyLayoutOfAKnownModelForTheGivenAxes) {
    UseEnglish();
    test::TempFolder folder;
    const std::string out = folder.File("ps4.velmoracontroller");
    const test::CliRun run = test::RunCli(folder,
                                          "layout --vid 054C --pid 05c4 --axes x,y,z,rx,ry,rz --buttons 14 "
                                          "--database \"" +
                                              Database + "\" --out \"" + out + "\"");
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    const auto layout = Read(out);
    EXPECT_EQ(layout->ButtonNames[1], "Cross");
    EXPECT_EQ(layout->ButtonNames[13], "Touchpad");
}

TEST(LayoutCommand, ExitStatusSaysWhenTheModelIsUnknownOrTheOptionsAreWrong) {
    test::TempFolder folder;
    const std::string out = folder.File("x.velmoracontroller");
    const std::string db = " --database \"" + Database + "\" --out \"" + out + "\"";
    EXPECT_EQ(test::RunCli(folder, "layout --vid 1234 --pid 5678" + db).Status, 3);
    // The PS4 entry reads six axes: a device with four cannot use it.
    EXPECT_EQ(test::RunCli(folder, "layout --vid 054c --pid 05c4 --axes x,y,z,rz" + db).Status, 3);
    EXPECT_FALSE(test::ReadBytes(out).size()) << "nothing written for an unknown model";
    EXPECT_EQ(test::RunCli(folder, "layout --vid 054c --pid 05c4 --axes x,w" + db).Status, 2);
    EXPECT_EQ(test::RunCli(folder, "layout --vid 10000 --pid 05c4" + db).Status, 2);
    EXPECT_EQ(test::RunCli(folder, "layout --vid 054c" + db).Status, 2);
    EXPECT_EQ(test::RunCli(folder, "layout --vid 054c --pid 05c4 --database \"" + folder.File("none.txt") +
                                       "\" --out \"" + out + "\"")
                  .Status,
              1);
    EXPECT_EQ(test::RunCli(folder, "layout --xinput --out \"" + out + "\"").Status, 0);
    EXPECT_EQ(Read(out)->ButtonNames[0], "A");
}

}  // namespace
}  // namespace velmora
