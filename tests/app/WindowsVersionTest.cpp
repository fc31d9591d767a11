#include <gtest/gtest.h>

#include "app/StartupGates.h"
#include "app/WindowsVersion.h"
#include "base/Language.h"

namespace velmora {
namespace {

class Startup : public ::testing::Test {
protected:
    void SetUp() override { UseEnglish(); }
    void TearDown() override { ResetLanguage(); }
};

TEST(WindowsVersion, TheTableIsTestedInOrder) {
    EXPECT_EQ(ClassifyWindowsVersion({4, 0, 950, Windows9xPlatform}), Windows95);
    EXPECT_EQ(ClassifyWindowsVersion({4, 0, 1381, WindowsNTPlatform}), WindowsNT4);
    EXPECT_EQ(ClassifyWindowsVersion({4, 10, 1998, Windows9xPlatform}), Windows98);
    EXPECT_EQ(ClassifyWindowsVersion({4, 90, 3000, Windows9xPlatform}), WindowsMe);
    EXPECT_EQ(ClassifyWindowsVersion({5, 0, 2195, WindowsNTPlatform}), Windows2000);
    EXPECT_EQ(ClassifyWindowsVersion({5, 1, 2600, WindowsNTPlatform}), WindowsXP);
    EXPECT_EQ(ClassifyWindowsVersion({5, 2, 3790, WindowsNTPlatform}), WindowsServer2003);
    EXPECT_EQ(ClassifyWindowsVersion({6, 0, 6000, WindowsNTPlatform}), WindowsVista);
    EXPECT_EQ(ClassifyWindowsVersion({3, 51, 1057, WindowsNTPlatform}), WindowsUnknown);
    EXPECT_EQ(ClassifyWindowsVersion({4, 0, 0, 0}), WindowsUnknown);
}

// Every version after Vista used to be refused as unknown.
TEST(WindowsVersion, SevenAndEverythingAfterBehaveLikeVista) {
    for (const OsVersion v : {OsVersion{6, 1, 7601}, OsVersion{6, 2, 9200}, OsVersion{6, 3, 9600},
                              OsVersion{10, 0, 19045}, OsVersion{10, 0, 22631}})
        EXPECT_EQ(ClassifyWindowsVersion(v), WindowsVista) << v.Major << "." << v.Minor;
    EXPECT_EQ(ClassifyWindowsVersion({6, 1, 7601, Windows9xPlatform}), WindowsUnknown);
}

TEST(WindowsVersion, NamesTellTenFromEleven) {
    EXPECT_EQ(WindowsVersionName({10, 0, 19045}), "Windows 10 (10.0.19045)");
    EXPECT_EQ(WindowsVersionName({10, 0, 22631}), "Windows 11 (10.0.22631)");
    EXPECT_EQ(WindowsVersionName({6, 1, 7601}), "Windows 7 (6.1.7601)");
    EXPECT_EQ(WindowsVersionName({12, 0, 1}), "Windows 12.0.1");
}

TEST_F(Startup, TheVersionGateRefusesNinetyFiveNtFourUnknownAndAFailedQuery) {
    EXPECT_FALSE(VersionGateMessage(OsVersion{10, 0, 22631}).has_value());
    EXPECT_FALSE(VersionGateMessage(OsVersion{4, 10, 1998, Windows9xPlatform}).has_value());

    const auto nt4 = VersionGateMessage(OsVersion{4, 0, 1381, WindowsNTPlatform});
    ASSERT_TRUE(nt4.has_value());
    EXPECT_EQ(nt4->Kind, DialogKind::Error);
    EXPECT_EQ(nt4->Heading, "Unsupported Windows version detected");
    EXPECT_TRUE(nt4->Message.starts_with("Windows NT 4.0 is not currently supported.##To register"));

    const auto unknown = VersionGateMessage(OsVersion{3, 51, 1057});
    ASSERT_TRUE(unknown.has_value());
    EXPECT_TRUE(unknown->Message.starts_with("Unknown Windows version"));

    const auto failed = VersionGateMessage(std::nullopt);
    ASSERT_TRUE(failed.has_value());
    EXPECT_EQ(failed->Heading, "Windows version detection error");
}

TEST_F(Startup, ADesktopOfExactlySixHundredByFourHundredEightyPasses) {
    EXPECT_FALSE(
        ResolutionGateMessage(600, 480, 600, 480, "*The main window cannot fit this screen.*", false));
    const auto narrow =
        ResolutionGateMessage(599, 480, 600, 480, "*The main window cannot fit this screen.*", false);
    ASSERT_TRUE(narrow.has_value());
    EXPECT_EQ(narrow->Kind, DialogKind::Error);
    EXPECT_EQ(narrow->Captions, "$Current Resolution$#$Required Resolution$");
    EXPECT_EQ(narrow->Values, "599 x 480 pixels#600 x 480 pixels");
    EXPECT_TRUE(narrow->Message.starts_with("The main window cannot fit this screen.#To register"));

    const auto designed =
        ResolutionGateMessage(800, 479, 600, 480, "*The main window cannot fit this screen.*", true);
    ASSERT_TRUE(designed.has_value());
    EXPECT_EQ(designed->Kind, DialogKind::Warning);
    EXPECT_EQ(designed->Captions, "$Current Resolution$#$Designed Resolution$");
}

TEST_F(Startup, TheSendInputGateNamesWhatIsMissing) {
    EXPECT_FALSE(SendInputGateMessage(true, true).has_value());
    EXPECT_EQ(SendInputGateMessage(false, false)->Values, "User32.dll#SendInput#Missing library");
    EXPECT_EQ(SendInputGateMessage(true, false)->Values, "User32.dll#SendInput#Missing function");
}

TEST_F(Startup, StickyKeysHotKeyGoesOffForTheSessionWithoutAWordWhenTheyAreOff) {
    const StickyKeysDecision hotKeyOnly = DecideStickyKeys(StickyKeysHotKeyActive | 0x100);
    EXPECT_TRUE(hotKeyOnly.Change);
    EXPECT_FALSE(hotKeyOnly.TellUser);
    EXPECT_EQ(hotKeyOnly.NewFlags, 0x100u);

    const StickyKeysDecision on = DecideStickyKeys(StickyKeysHotKeyActive | StickyKeysOn);
    EXPECT_TRUE(on.TellUser);
    EXPECT_EQ(on.NewFlags, 0u);

    EXPECT_FALSE(DecideStickyKeys(StickyKeysOn).Change);  // without the hot key nothing is touched
}

}  // namespace
}  // namespace velmora
