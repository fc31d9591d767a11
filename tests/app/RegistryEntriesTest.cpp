#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/RegistryEntries.h"
#include "base/Assistance.h"
#include "base/Language.h"
#include "support/RecordingUserInterface.h"

namespace velmora {
namespace {

using test::RecordingUserInterface;

// A registry in memory. A value that is not a string is kept as nothing.
// Writes under a refused key fail as they would without the rights.
class FakeRegistry : public RegistryAccess {
public:
    std::map<std::string, std::map<std::string, std::optional<std::string>>> Keys;
    std::set<std::string> Refused;
    std::vector<std::string> Writes;   // "key|name=value"
    std::vector<std::string> Deletes;  // "key|name"

    std::optional<std::string> ReadString(const std::string& key, const std::string& name) override {
        auto k = Keys.find(key);
        if (k == Keys.end()) return std::nullopt;
        auto v = k->second.find(name);
        return v == k->second.end() ? std::nullopt : v->second;
    }
    bool WriteString(const std::string& key, const std::string& name, const std::string& value) override {
        if (Refused.contains(key)) return false;
        Writes.push_back(key + "|" + name + "=" + value);
        Keys[key][name] = value;
        return true;
    }
    bool DeleteValue(const std::string& key, const std::string& name) override {
        if (Refused.contains(key) || !Keys[key].erase(name)) return false;
        Deletes.push_back(key + "|" + name);
        return true;
    }
    bool DeleteKey(const std::string& key) override {
        if (Refused.contains(key)) return false;
        std::erase_if(Keys, [&](const auto& entry) {
            return entry.first == key || entry.first.starts_with(key + "\\");
        });
        Deletes.push_back(key);
        return true;
    }
    std::optional<int> ValueCount(const std::string& key) override {
        auto k = Keys.find(key);
        if (k == Keys.end()) return std::nullopt;
        return static_cast<int>(k->second.size());
    }
};

const std::string Program = "C:\\Games\\Velmora\\Velmora.exe";
const std::string Classes = "Software\\Classes\\";
const std::string RunPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class Registry : public ::testing::Test {
protected:
    FakeRegistry registry;
    RecordingUserInterface ui;

    void SetUp() override { UseEnglish(); }
    void TearDown() override { ResetLanguage(); }
};

TEST_F(Registry, FirstRunWritesEveryAssociationUnderTheUsersClasses) {
    const RegistryChanges changes = WriteFileAssociations(registry, Program);
    EXPECT_EQ(changes.Made, 12);
    EXPECT_EQ(changes.Failed, 0);
    const std::vector<std::string> expected{
        Classes + ".velmoraprofile|=Velmora.Profile",
        Classes + "Velmora.Profile|=Velmora Profile",
        Classes + "Velmora.Profile\\shell\\open\\command|=\"C:\\Games\\Velmora\\Velmora.exe\" \"%1\"",
        Classes + "Velmora.Profile\\DefaultIcon|=C:\\Games\\Velmora\\Velmora.exe,2",
        Classes + ".velmoracontroller|=Velmora.Controller",
        Classes + "Velmora.Controller|=Velmora Controller",
        Classes + "Velmora.Controller\\shell\\open\\command|=",
        Classes + "Velmora.Controller\\DefaultIcon|=C:\\Games\\Velmora\\Velmora.exe,1",
        Classes + ".velmoralanguage|=Velmora.Language",
        Classes + "Velmora.Language|=Velmora Language",
        Classes + "Velmora.Language\\shell\\open\\command|=",
        Classes + "Velmora.Language\\DefaultIcon|=C:\\Games\\Velmora\\Velmora.exe,3",
    };
    EXPECT_EQ(registry.Writes, expected);
}

TEST_F(Registry, OnlyEntriesThatDifferAreWrittenAgain) {
    WriteFileAssociations(registry, Program);
    registry.Writes.clear();
    EXPECT_EQ(WriteFileAssociations(registry, Program).Made, 0) << "every entry matches";
    EXPECT_TRUE(registry.Writes.empty());

    // An empty open command that exists matches; one that is missing does not.
    registry.Keys[Classes + "Velmora.Language\\shell\\open\\command"].clear();
    registry.Keys[Classes + "Velmora.Profile\\DefaultIcon"][""] = "D:\\Old\\Velmora.exe,2";
    registry.Keys[Classes + ".velmoracontroller"][""] = std::nullopt;  // not a string
    EXPECT_EQ(WriteFileAssociations(registry, Program).Made, 3);
    const std::vector<std::string> expected{
        Classes + "Velmora.Profile\\DefaultIcon|=C:\\Games\\Velmora\\Velmora.exe,2",
        Classes + ".velmoracontroller|=Velmora.Controller",
        Classes + "Velmora.Language\\shell\\open\\command|=",
    };
    EXPECT_EQ(registry.Writes, expected);
}

TEST_F(Registry, FailedWritesAreReportedInTheResultAndShowNothing) {
    for (const RegistryEntry& entry : FileAssociationEntries(Program))
        registry.Refused.insert(Classes + entry.Key);
    registry.Refused.insert(RunPath);
    EXPECT_FALSE(ApplyRegistrySettings(registry, ui, Program, true))
        << "nothing written, nothing to tell the shell";
    const RegistryChanges changes = WriteFileAssociations(registry, Program);
    EXPECT_EQ(changes.Made, 0);
    EXPECT_EQ(changes.Failed, 12);
    EXPECT_EQ(ApplyStartWithWindows(registry, Program, true).Failed, 1);
    EXPECT_TRUE(ui.Dialogs.empty());
}

TEST_F(Registry, RunValueFollowsTheOption) {
    const std::string command = "\"C:\\Games\\Velmora\\Velmora.exe\" /m";
    // Absent, option on: written.
    EXPECT_EQ(ApplyStartWithWindows(registry, Program, true).Made, 1);
    EXPECT_EQ(registry.ReadString(RunPath, "Velmora"), command);
    // Present, option on: nothing to do.
    registry.Writes.clear();
    EXPECT_EQ(ApplyStartWithWindows(registry, Program, true).Made, 0);
    EXPECT_TRUE(registry.Writes.empty());
    // Present, option off: deleted.
    EXPECT_EQ(ApplyStartWithWindows(registry, Program, false).Made, 1);
    EXPECT_EQ(registry.Deletes, std::vector<std::string>{RunPath + "|Velmora"});
    EXPECT_EQ(registry.ReadString(RunPath, "Velmora"), std::nullopt);
    // Absent, option off: nothing to do.
    EXPECT_EQ(ApplyStartWithWindows(registry, Program, false).Made, 0);
}

TEST_F(Registry, RunValueOfAnotherCommandCountsAsAbsent) {
    registry.Keys[RunPath]["Velmora"] = "\"D:\\Old\\Velmora.exe\" /m";
    registry.Keys[RunPath]["Other"] = "other.exe";
    // Option off: a value that is not this program's is left alone.
    EXPECT_EQ(ApplyStartWithWindows(registry, Program, false).Made, 0);
    EXPECT_TRUE(registry.Deletes.empty());
    // Option on: replaced by this program's command; other programs' values stay.
    EXPECT_EQ(ApplyStartWithWindows(registry, Program, true).Made, 1);
    EXPECT_EQ(registry.ReadString(RunPath, "Velmora"), "\"C:\\Games\\Velmora\\Velmora.exe\" /m");
    EXPECT_EQ(registry.ReadString(RunPath, "Other"), "other.exe");
}

TEST_F(Registry, OldProfilesNoticeNeedsAtLeastOneValue) {
    EXPECT_FALSE(ShowOldRegistryNotice(registry, ui)) << "no old key";
    registry.Keys["Software\\Velmora"];
    EXPECT_FALSE(ShowOldRegistryNotice(registry, ui)) << "an empty old key";
    EXPECT_TRUE(ui.Dialogs.empty());

    registry.Keys["Software\\Velmora"]["Profile 1"] = std::nullopt;  // any kind of value counts
    EXPECT_TRUE(ShowOldRegistryNotice(registry, ui));
    ASSERT_EQ(ui.Dialogs.size(), 1u);
    EXPECT_EQ(ui.Dialogs[0].Kind, DialogKind::Information);
    EXPECT_EQ(ui.Dialogs[0].Heading, "Old registry profiles found");
    EXPECT_EQ(
        ui.Dialogs[0].Message,
        "Opening is no longer available for old registry profiles.#"
        "To request the conversion/deletion tool (that you only need to be use once)#send an email to " +
            std::string(AssistanceAddress));
    EXPECT_TRUE(registry.Writes.empty() && registry.Deletes.empty()) << "the old key is never changed";
}

TEST_F(Registry, StartUpStepsTellWhetherTheShellNeedsNotice) {
    registry.Keys["Software\\Velmora"]["Profile 1"] = "x";
    EXPECT_TRUE(ApplyRegistrySettings(registry, ui, Program, true));
    EXPECT_EQ(ui.Dialogs.size(), 1u);
    EXPECT_EQ(registry.Writes.size(), 13u) << "twelve associations and the Run value";
    registry.Writes.clear();
    EXPECT_FALSE(ApplyRegistrySettings(registry, ui, Program, true));
    EXPECT_TRUE(registry.Writes.empty());
}

TEST_F(Registry, RemovalTakesEveryEntryWrittenAndNothingElse) {
    ApplyRegistrySettings(registry, ui, Program, true);
    registry.Keys[Classes + ".txt"][""] = "txtfile";
    registry.Keys[Classes + "Velmora.ProfileBackup"][""] = "another program's";  // a longer name
    registry.Keys[RunPath]["Other"] = "other.exe";

    const RegistryChanges changes = RemoveRegistryEntries(registry);
    EXPECT_EQ(changes.Made, 7) << "six keys and the Run value";
    EXPECT_EQ(changes.Failed, 0);
    for (const RegistryEntry& entry : FileAssociationEntries(Program))
        EXPECT_EQ(registry.ReadString(Classes + entry.Key, ""), std::nullopt) << entry.Key;
    EXPECT_EQ(registry.ReadString(RunPath, "Velmora"), std::nullopt);
    EXPECT_EQ(registry.ReadString(Classes + ".txt", ""), "txtfile");
    EXPECT_EQ(registry.ReadString(Classes + "Velmora.ProfileBackup", ""), "another program's");
    EXPECT_EQ(registry.ReadString(RunPath, "Other"), "other.exe");
    EXPECT_EQ(RemovalMessage(changes).Kind, DialogKind::Information);

    // A second removal finds nothing left and still succeeds.
    EXPECT_EQ(RemoveRegistryEntries(registry).Failed, 0);
}

TEST_F(Registry, RemovalThatCannotDeleteAKeySaysSo) {
    WriteFileAssociations(registry, Program);
    registry.Refused.insert(Classes + "Velmora.Language");
    const RegistryChanges changes = RemoveRegistryEntries(registry);
    EXPECT_EQ(changes.Failed, 1);
    EXPECT_EQ(changes.Made, 5) << "the others are still removed";
    const MessageDialog message = RemovalMessage(changes);
    EXPECT_EQ(message.Kind, DialogKind::Error);
    EXPECT_EQ(message.Message, "Some of Velmora's registry entries could not be removed.");
}

}  // namespace
}  // namespace velmora
