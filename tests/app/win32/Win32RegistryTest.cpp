// The registry seam against the real registry of the test's Wine prefix.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <string>

#include "app/win32/Win32Registry.h"
#include "base/win32/WideText.h"
#include "base/win32/Windows.h"

namespace velmora {
namespace {

// A key of this process's own, deleted with everything under it afterwards.
class Win32RegistryTest : public ::testing::Test {
protected:
    Win32Registry registry;
    std::string key = "Software\\VelmoraTest-" + std::to_string(GetCurrentProcessId());

    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, Utf8ToWide(key).c_str()); }

    void SetRaw(const std::string& name, DWORD type, const void* data, DWORD bytes) {
        HKEY handle = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, Utf8ToWide(key).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &handle, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(handle, Utf8ToWide(name).c_str(), 0, type, static_cast<const BYTE*>(data), bytes);
        RegCloseKey(handle);
    }
};

TEST_F(Win32RegistryTest, StringsRoundTripWithAnyCharactersAndAMissingOneReadsAsNothing) {
    const std::string nested = key + "\\Velmora.Profile\\shell\\open\\command";
    EXPECT_EQ(registry.ReadString(nested, ""), std::nullopt) << "no key yet";
    const std::string command =
        "\"C:\\Spiele\\M\xC3\xBC"
        "ller \xE6\x97\xA5\\Velmora.exe\" \"%1\"";
    ASSERT_TRUE(registry.WriteString(nested, "", command)) << "the key path is created";
    EXPECT_EQ(registry.ReadString(nested, ""), command);
    EXPECT_EQ(registry.ReadString(nested, "Other"), std::nullopt);

    ASSERT_TRUE(registry.WriteString(key, "Empty", ""));
    EXPECT_EQ(registry.ReadString(key, "Empty"), std::string()) << "an empty string is there, not missing";
}

TEST_F(Win32RegistryTest, OnlyStringValuesReadAsText) {
    const DWORD number = 7;
    SetRaw("Number", REG_DWORD, &number, sizeof number);
    EXPECT_EQ(registry.ReadString(key, "Number"), std::nullopt);
    // Written by another program without the closing zero, or with text after a zero.
    const wchar_t unterminated[] = L"abc";
    SetRaw("Short", REG_SZ, unterminated, 3 * sizeof(wchar_t));
    EXPECT_EQ(registry.ReadString(key, "Short"), "abc");
    const wchar_t inner[] = L"ab\0cd";
    SetRaw("Inner", REG_SZ, inner, sizeof inner);
    EXPECT_EQ(registry.ReadString(key, "Inner"), "ab");
}

TEST_F(Win32RegistryTest, ValueCountAndDeletion) {
    EXPECT_EQ(registry.ValueCount(key), std::nullopt) << "no key";
    ASSERT_TRUE(registry.WriteString(key, "One", "1"));
    const DWORD number = 2;
    SetRaw("Two", REG_DWORD, &number, sizeof number);
    EXPECT_EQ(registry.ValueCount(key), 2) << "every kind of value counts";
    EXPECT_TRUE(registry.DeleteValue(key, "One"));
    EXPECT_FALSE(registry.DeleteValue(key, "One")) << "already gone";
    EXPECT_FALSE(registry.DeleteValue(key + "\\Missing", "One"));
    EXPECT_EQ(registry.ValueCount(key), 1);
}

TEST_F(Win32RegistryTest, DeletingAKeyTakesEverythingUnderItAndAMissingOneCountsAsGone) {
    ASSERT_TRUE(registry.WriteString(key + "\\shell\\open\\command", "", "x"));
    ASSERT_TRUE(registry.WriteString(key, "Value", "y"));
    EXPECT_TRUE(registry.DeleteKey(key));
    EXPECT_EQ(registry.ValueCount(key), std::nullopt);
    EXPECT_EQ(registry.ReadString(key + "\\shell\\open\\command", ""), std::nullopt);
    EXPECT_TRUE(registry.DeleteKey(key)) << "already gone";
}

void DeleteAssociations() {
    for (const wchar_t* name : {L".velmoraprofile", L"Velmora.Profile", L".velmoracontroller",
                                L"Velmora.Controller", L".velmoralanguage", L"Velmora.Language"})
        RegDeleteTreeW(HKEY_CURRENT_USER, (std::wstring(L"Software\\Classes\\") + name).c_str());
}

// The associations go under the current user's classes. Run once against
// the prefix's real registry, then once more, which must find every entry.
TEST(Win32RegistryAssociations, WrittenOnceUnderTheUsersClassesThenLeftAlone) {
    Win32Registry registry;
    const std::string program = "C:\\Velmora Test " + std::to_string(GetCurrentProcessId()) + "\\Velmora.exe";
    DeleteAssociations();
    const RegistryChanges first = WriteFileAssociations(registry, program);
    const RegistryChanges second = WriteFileAssociations(registry, program);
    const auto command = registry.ReadString("Software\\Classes\\Velmora.Profile\\shell\\open\\command", "");
    DeleteAssociations();
    // Twelve on a clean prefix; at least the four that name this program's
    // file if another run of the program left its own associations.
    EXPECT_GE(first.Made, 4);
    EXPECT_EQ(first.Failed, 0);
    EXPECT_EQ(second.Made, 0);
    EXPECT_EQ(second.Failed, 0);
    EXPECT_EQ(command, "\"" + program + "\" \"%1\"");
    NotifyAssociationsChanged();  // must not fail or block without a shell listening
}

}  // namespace
}  // namespace velmora

#endif
