// The Win32 file seam, run under Wine in the Windows build.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "base/win32/WideText.h"
#include "base/win32/Win32FileSystem.h"
#include "base/win32/Windows.h"

namespace velmora {
namespace {

// A fresh folder whose name needs more than any ANSI code page.
class Win32Files : public ::testing::Test {
protected:
    std::wstring folder;
    Win32FileSystem files;

    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"velmora-test-" + std::to_wstring(GetCurrentProcessId()) +
                 L"-\u00e9\u00fc\u65e5\u672c";
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    }
    void TearDown() override {
        for (const std::wstring& name : Names()) DeleteFileW((folder + L"\\" + name).c_str());
        RemoveDirectoryW(folder.c_str());
    }
    std::string Path(const std::wstring& name) const { return WideToUtf8(folder + L"\\" + name); }
    std::vector<std::wstring> Names() const {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return names;
        do {
            const std::wstring name = found.cFileName;
            if (name != L"." && name != L"..") names.push_back(name);
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return names;
    }
};

TEST_F(Win32Files, UnicodeNamesRoundTripThroughUtf8) {
    const std::string path = Path(L"profil \u00e0 \u263a.velmoraprofile");
    ASSERT_TRUE(files.WriteFile(path, std::string("a\r\nb\0c", 6)));
    EXPECT_EQ(files.ReadFile(path, 100), std::string("a\r\nb\0c", 6));
    EXPECT_EQ(files.ReadFile(path, 3), "a\r\n");
    EXPECT_TRUE(Win32FileExists(path));
    // The name on disk is the wide one, not a mangled ANSI one.
    EXPECT_NE(GetFileAttributesW((folder + L"\\profil \u00e0 \u263a.velmoraprofile").c_str()),
              INVALID_FILE_ATTRIBUTES);
}

TEST_F(Win32Files, ASaveReplacesTheOldFileAndLeavesNoTemporaryFile) {
    const std::string path = Path(L"Velmora.ini");
    ASSERT_TRUE(files.WriteFile(path, "first version, longer"));
    ASSERT_TRUE(files.WriteFile(path, "second"));
    EXPECT_EQ(files.ReadFile(path, 100), "second");
    EXPECT_EQ(Names(), std::vector<std::wstring>{L"Velmora.ini"});
}

TEST_F(Win32Files, AFailedReplaceKeepsTheOldFile) {
    const std::string path = Path(L"kept.velmoraprofile");
    ASSERT_TRUE(files.WriteFile(path, "old contents"));
    // Another program holds the file open without sharing deletion: the swap must fail.
    HANDLE held = CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(files.WriteFile(path, "new"));
    CloseHandle(held);
    EXPECT_EQ(files.ReadFile(path, 100), "old contents");
    // Our temporary file is gone. (Wine's ReplaceFileW may leave a file of
    // its own beside it after a failure; that one is not ours to remove.)
    for (const std::wstring& name : Names()) EXPECT_FALSE(name.starts_with(L"kept.velmoraprofile.tmp"));
}

TEST_F(Win32Files, MissingFilesFoldersAndDirectoriesAreNotRead) {
    EXPECT_FALSE(files.ReadFile(Path(L"none.txt"), 10).has_value());
    EXPECT_FALSE(files.ReadFile(WideToUtf8(folder), 10).has_value());
    EXPECT_FALSE(files.WriteFile(Path(L"no folder\\x.txt"), "x"));
    EXPECT_FALSE(Win32FileExists(WideToUtf8(folder)));
}

// A buffer of the whole 16 MiB limit for a profile of a few bytes took 150 ms
// under Wine, in the pass that switched to it.
TEST_F(Win32Files, ASmallFileGetsABufferOfItsOwnSizeNotTheLimit) {
    const std::string path = Path(L"small.velmoraprofile");
    ASSERT_TRUE(files.WriteFile(path, "Set1Name=Run"));
    const std::optional<std::string> bytes = files.ReadFile(path, 16u << 20);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, "Set1Name=Run");
    EXPECT_LT(bytes->capacity(), 64u * 1024);
}

}  // namespace
}  // namespace velmora

#endif
