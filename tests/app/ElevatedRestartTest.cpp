// The one click that runs Velmora again as administrator: which profiles go
// over, and that nothing changes unless the new copy runs.

#include <gtest/gtest.h>

#include "app/ElevatedRestart.h"
#include "support/MainPassWorld.h"

namespace velmora::test {
namespace {

struct RecordingStart : ElevatedStart {
    bool Accept = true;
    std::vector<std::vector<std::string>> Calls;
    bool StartElevated(const std::vector<std::string>& parameters) override {
        Calls.push_back(parameters);
        return Accept;
    }
};

ControllerDataType Met(int arrival, std::string file, std::uint8_t connection = Connected) {
    ControllerDataType c;
    c.Arrival = static_cast<std::uint8_t>(arrival);
    c.Profile.FileName = std::move(file);
    c.Connection = connection;
    return c;
}

TEST(ElevatedRestart,
     ProfilesGoInTheOrderTheControllersWereMet_LostOnesLeftOut_TheFirstWithoutAFileEndsThem) {
    ControllerListType list;
    list.Controllers = {Met(2, "C:\\p\\third.velmoraprofile"), Met(0, "C:\\p\\first one.velmoraprofile"),
                        Met(1, "C:\\p\\gone.velmoraprofile", Lost), Met(3, "C:\\p\\second.velmoraprofile")};
    EXPECT_EQ(RestartParameters(list),
              (std::vector<std::string>{"C:\\p\\first one.velmoraprofile", "C:\\p\\third.velmoraprofile",
                                        "C:\\p\\second.velmoraprofile"}));
    list.Controllers[0].Profile.FileName.clear();  // arrival 2 has a blank profile
    EXPECT_EQ(RestartParameters(list), (std::vector<std::string>{"C:\\p\\first one.velmoraprofile"}));
    EXPECT_EQ(QuotedParameters({"C:\\a b.velmoraprofile", "x.velmoraprofile"}),
              "\"C:\\a b.velmoraprofile\" \"x.velmoraprofile\"");
    EXPECT_EQ(QuotedParameters({}), "");
}

TEST(ElevatedRestart, ACancelledQuestionOrADeclinedStartChangesNothing_AnAcceptedOneQuits) {
    MainPassWorld w;
    RecordingStart start;
    w.Shell.AllowClose = false;
    EXPECT_FALSE(RestartElevated(*w.State, w.Shell, start));
    EXPECT_TRUE(start.Calls.empty());
    w.Shell.AllowClose = true;
    start.Accept = false;
    EXPECT_FALSE(RestartElevated(*w.State, w.Shell, start));
    EXPECT_EQ(start.Calls.size(), 1u);
    EXPECT_EQ(w.State->ProgramState, ProgramRunning);
    start.Accept = true;
    EXPECT_TRUE(RestartElevated(*w.State, w.Shell, start));
    EXPECT_EQ(w.State->ProgramState, ProgramQuitting);
    EXPECT_FALSE(RestartElevated(*w.State, w.Shell, start));  // once
    EXPECT_EQ(start.Calls.size(), 2u);
}

// The save questions run passes: a pad pulled out meanwhile does not send its
// profile over, and one saved under a new name sends the new name.
struct QuestionsWhilePassesRun : RecordingShell {
    std::function<void()> WhileAsked;
    bool CloseQuery() override {
        if (WhileAsked) WhileAsked();
        return RecordingShell::CloseQuery();
    }
};

TEST(ElevatedRestart, TheProfilesAreTakenAfterTheQuestionsWhilePassesWentOn) {
    MainPassWorld w;
    w.Api.Plug(MakeFakeDevice("Pad A", 1, 1));
    w.Api.Plug(MakeFakeDevice("Pad B", 2, 1));
    w.Run();
    ASSERT_EQ(w.List().Count(), 2u);
    w.Named("Pad A")->Profile.FileName = "C:\\p\\a.velmoraprofile";
    w.Named("Pad B")->Profile.FileName = "C:\\p\\b.velmoraprofile";
    QuestionsWhilePassesRun shell;
    shell.WhileAsked = [&w] {
        w.Api.Unplug(0);
        w.Pass(2);
        w.Named("Pad B")->Profile.FileName = "C:\\p\\b2.velmoraprofile";  // "Save As"
    };
    RecordingStart start;
    EXPECT_TRUE(RestartElevated(*w.State, shell, start));
    ASSERT_EQ(start.Calls.size(), 1u);
    EXPECT_EQ(start.Calls[0], std::vector<std::string>{"C:\\p\\b2.velmoraprofile"});
}

}  // namespace
}  // namespace velmora::test
