#include "app/win32/Win32Registry.h"

#include <utility>

#include "base/win32/WideText.h"
#include "base/win32/Windows.h"
// <shlobj.h> needs <windows.h> first.
#include <shlobj.h>

namespace velmora {
namespace {

// An open key under the current user, closed when it goes.
class RegistryKey {
public:
    RegistryKey(const std::string& path, REGSAM access, bool create) {
        const std::wstring wide = Utf8ToWide(path);
        const LSTATUS status = create ? RegCreateKeyExW(HKEY_CURRENT_USER, wide.c_str(), 0, nullptr, 0,
                                                        access, nullptr, &key_, nullptr)
                                      : RegOpenKeyExW(HKEY_CURRENT_USER, wide.c_str(), 0, access, &key_);
        if (status != ERROR_SUCCESS) key_ = nullptr;
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() {
        if (key_) RegCloseKey(key_);
    }
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

// The stored size may or may not count a closing zero, and a string may hold
// a zero of its own: the text ends at the first one, as Windows reads it.
std::string StringUpToZero(std::wstring text) {
    const std::size_t end = text.find(L'\0');
    if (end != std::wstring::npos) text.resize(end);
    return WideToUtf8(text);
}

}  // namespace

std::optional<std::string> Win32Registry::ReadString(const std::string& key, const std::string& valueName) {
    const RegistryKey open(key, KEY_QUERY_VALUE, false);
    if (!open.Get()) return std::nullopt;
    const std::wstring name = Utf8ToWide(valueName);
    DWORD type = 0;
    DWORD size = 0;
    LSTATUS status = RegQueryValueExW(open.Get(), name.c_str(), nullptr, &type, nullptr, &size);
    std::wstring text;
    // Another program may lengthen the value between the two calls.
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        text.assign(size / sizeof(wchar_t) + 1, L'\0');
        size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        status = RegQueryValueExW(open.Get(), name.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(text.data()), &size);
        if (status == ERROR_SUCCESS) break;
    }
    if (status != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
    text.resize(size / sizeof(wchar_t));
    return StringUpToZero(std::move(text));
}

bool Win32Registry::WriteString(const std::string& key, const std::string& valueName,
                                const std::string& value) {
    const RegistryKey open(key, KEY_SET_VALUE, true);
    if (!open.Get()) return false;
    const std::wstring text = Utf8ToWide(value);
    const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));  // with the closing zero
    return RegSetValueExW(open.Get(), Utf8ToWide(valueName).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()), bytes) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteValue(const std::string& key, const std::string& valueName) {
    const RegistryKey open(key, KEY_SET_VALUE, false);
    return open.Get() && RegDeleteValueW(open.Get(), Utf8ToWide(valueName).c_str()) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteKey(const std::string& key) {
    const LSTATUS status = RegDeleteTreeW(HKEY_CURRENT_USER, Utf8ToWide(key).c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

std::optional<int> Win32Registry::ValueCount(const std::string& key) {
    const RegistryKey open(key, KEY_QUERY_VALUE, false);
    DWORD values = 0;
    if (!open.Get() || RegQueryInfoKeyW(open.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                        &values, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return std::nullopt;
    return static_cast<int>(values);
}

void NotifyAssociationsChanged() {
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

void ApplyUserRegistrySettings(UserInterface& ui, const std::string& programFile, bool startWithWindows) {
    Win32Registry registry;
    if (ApplyRegistrySettings(registry, ui, programFile, startWithWindows)) NotifyAssociationsChanged();
}

void RemoveUserRegistrySettings(UserInterface& ui) {
    Win32Registry registry;
    const RegistryChanges changes = RemoveRegistryEntries(registry);
    NotifyAssociationsChanged();
    ui.ShowMessageDialog(RemovalMessage(changes));
}

}  // namespace velmora
