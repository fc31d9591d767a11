#pragma once
// The global settings window's logic over a controller list of fake
// devices, an in-memory registry and a shell that records what it is asked.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/settings/GlobalSettingsWindow.h"
#include "support/DeviceWorld.h"

namespace velmora::test {

// The Run values in memory.
class MemoryRegistry : public RegistryAccess {
public:
    std::map<std::string, std::string> Values;  // "key|name" -> value

    std::optional<std::string> ReadString(const std::string& key, const std::string& name) override {
        auto v = Values.find(key + "|" + name);
        return v == Values.end() ? std::nullopt : std::optional<std::string>(v->second);
    }
    bool WriteString(const std::string& key, const std::string& name, const std::string& value) override {
        Values[key + "|" + name] = value;
        return true;
    }
    bool DeleteValue(const std::string& key, const std::string& name) override {
        return Values.erase(key + "|" + name) > 0;
    }
    bool DeleteKey(const std::string&) override { return true; }  // the settings never delete keys
    std::optional<int> ValueCount(const std::string&) override { return static_cast<int>(Values.size()); }
};

class RecordingSettingsShell : public GlobalSettingsShell {
public:
    std::vector<bool> TrayIcon;  // every add (true) and removal (false)
    std::vector<std::optional<std::vector<std::uint8_t>>> ThemeImages;

    void SetTrayIcon(bool shown) override { TrayIcon.push_back(shown); }
    void SetThemeImage(std::optional<std::vector<std::uint8_t>> image) override {
        ThemeImages.push_back(std::move(image));
    }
};

struct SettingsWorld : DeviceWorld {
    MemoryRegistry Registry;
    RecordingSettingsShell Shell;
    GlobalSettingsContext Settings{Config, List, Ui, Rumble, Registry, Shell, "C:\\Velmora\\Velmora.exe"};

    std::optional<std::string> RunValue() { return Registry.ReadString(RunKey, RunValueName); }
};

}  // namespace velmora::test
