#include "FakeWorld.h"

#include <dbt.h>

#include "../common/MicrosecondClock.h"

#include <cstdarg>
#include <fstream>
#include <sstream>

namespace velmora::fake {
namespace {

// Reads of one device closer together than this belong to the same pass of
// the program (a pass may read a pad through DirectInput and XInput).
constexpr long long SamePassUs = 3000;
// A step that waits for a file looks for it this often.
constexpr long long FileCheckUs = 20000;

class Lock {
public:
    explicit Lock(CRITICAL_SECTION& section) : section_(section) { EnterCriticalSection(&section_); }
    ~Lock() { LeaveCriticalSection(&section_); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

private:
    CRITICAL_SECTION& section_;
};

std::string Environment(const char* name) {
    char buffer[1024];
    DWORD n = GetEnvironmentVariableA(name, buffer, sizeof buffer);
    return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

LONG Clamp(long value) { return value < 0 ? 0 : value > 65535 ? 65535 : value; }

void NeutralJoy(DIJOYSTATE& joy) {
    joy = DIJOYSTATE{};
    joy.lX = joy.lY = joy.lZ = joy.lRx = joy.lRy = joy.lRz = 32767;
    for (DWORD& pov : joy.rgdwPOV) pov = 0xFFFFFFFF;
}

// XInput button bits of the DirectInput buttons 1..10 of a pad.
constexpr WORD PadButtonBits[10] = {XINPUT_GAMEPAD_A, XINPUT_GAMEPAD_B, XINPUT_GAMEPAD_X,
                                    XINPUT_GAMEPAD_Y, XINPUT_GAMEPAD_LEFT_SHOULDER, XINPUT_GAMEPAD_RIGHT_SHOULDER,
                                    XINPUT_GAMEPAD_BACK, XINPUT_GAMEPAD_START, XINPUT_GAMEPAD_LEFT_THUMB,
                                    XINPUT_GAMEPAD_RIGHT_THUMB};

// Whether a file of this name lies beside the program (a check's signal that it is ready).
bool FileInProgramFolder(const std::string& name) {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, n);
    folder = folder.substr(0, folder.find_last_of("\\/") + 1);
    return GetFileAttributesA((folder + name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

LONG* AxisField(DIJOYSTATE& joy, int axis) {
    LONG* fields[AxisCount] = {&joy.lX, &joy.lY, &joy.lZ, &joy.lRx, &joy.lRy, &joy.lRz, &joy.rglSlider[0],
                               &joy.rglSlider[1]};
    return fields[axis];
}

}  // namespace

World& World::Get() {
    static World* world = new World();  // never destroyed: the program may read devices until it ends
    return *world;
}

World::World() {
    InitializeCriticalSection(&lock_);
    std::string logPath = Environment("VELMORA_FAKE_LOG");
    if (!logPath.empty()) log_ = std::fopen(logPath.c_str(), "ab");
    // A second Velmora.exe (the hand-over test) must not play the scenario again.
    CreateMutexA(nullptr, FALSE, "VelmoraFakeDevicesWorld");
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        Log("world second-process no-devices");
        ended_ = true;
        return;
    }
    Load();
    Lock lock(lock_);
    FireStep(0);
    CreateThread(nullptr, 0, ClockThread, this, 0, nullptr);
}

void World::Load() {
    std::string path = Environment("VELMORA_FAKE_SCENARIO");
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::string error;
    if (path.empty() || !in) {
        Log("error no-scenario \"%s\"", path.c_str());
    } else if (!ParseScenario(text.str(), scenario_, error)) {
        Log("error scenario %s", error.c_str());
        scenario_ = Scenario{};
    }
    if (scenario_.Steps.empty()) scenario_.Steps.push_back(Step{});
    devices_.resize(scenario_.Devices.size());
    for (DeviceRuntime& d : devices_) NeutralJoy(d.Joy);
    Log("world started devices %d steps %d", static_cast<int>(devices_.size()),
        static_cast<int>(scenario_.Steps.size()));
}

long long World::NowUs() {
    return MicrosecondClock();
}

void World::Log(const char* format, ...) {
    if (!log_) return;
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    std::fprintf(log_, "%lld %s\n", NowUs(), text);
    std::fflush(log_);
}

GUID World::InstanceGuid(int device) {
    GUID g{0x5e1a0000u + static_cast<unsigned>(device), 0x7e57, 0x11d0, {0x80, 0, 0x44, 0x45, 0x53, 0x54, 0, 0}};
    return g;
}

GUID World::ProductGuid(const DeviceTraits& traits) {
    // The form Windows gives the product identifier of a USB device.
    GUID g{static_cast<unsigned long>(traits.ProductId) << 16 | traits.Vendor, 0, 0, {0, 0, 'P', 'I', 'D', 'V', 'I', 'D'}};
    return g;
}

int World::FindInstance(const GUID& instance) const {
    for (std::size_t i = 0; i < devices_.size(); ++i)
        if (IsEqualGUID(instance, InstanceGuid(static_cast<int>(i)))) return static_cast<int>(i);
    return -1;
}

std::vector<int> World::AttachedDevices() {
    Lock lock(lock_);
    std::vector<int> attached;
    for (std::size_t i = 0; i < devices_.size(); ++i)
        if (devices_[i].Plugged) attached.push_back(static_cast<int>(i));
    return attached;
}

unsigned World::Generation(int device) {
    Lock lock(lock_);
    return devices_[static_cast<std::size_t>(device)].Generation;
}

bool World::Live(int device, unsigned generation) {
    Lock lock(lock_);
    const DeviceRuntime& d = devices_[static_cast<std::size_t>(device)];
    return d.Plugged && d.Generation == generation;
}

void World::FillInstance(int device, DIDEVICEINSTANCEA& instance) const {
    const DeviceTraits& traits = Traits(device);
    DWORD size = instance.dwSize;
    instance = DIDEVICEINSTANCEA{};
    instance.dwSize = size;
    instance.guidInstance = InstanceGuid(device);
    instance.guidProduct = ProductGuid(traits);
    instance.dwDevType = DI8DEVTYPE_GAMEPAD | DI8DEVTYPEGAMEPAD_STANDARD << 8 | DIDEVTYPE_HID;
    lstrcpynA(instance.tszInstanceName, traits.Product.c_str(), MAX_PATH);
    lstrcpynA(instance.tszProductName, traits.Product.c_str(), MAX_PATH);
    instance.wUsagePage = 1;
    instance.wUsage = 5;
}

void World::CountRead(int device) {
    DeviceRuntime& d = devices_[static_cast<std::size_t>(device)];
    long long now = NowUs();
    if (now - d.LastCountedUs >= SamePassUs) {
        d.LastCountedUs = now;
        ++d.Reads;
        d.LatePad = d.Pad;  // before this pass's change: a late side shows it a pass later
        if (nextStep_ < scenario_.Steps.size()) {
            const Step& next = scenario_.Steps[nextStep_];
            if (next.Wait == WaitKind::Reads && next.Device == device &&
                d.Reads - baseline_ >= static_cast<unsigned>(next.Count))
                FireStep(nextStep_);
        }
    }
    if (d.PendingSeen >= 0) {
        Log("seen %s line %d read %u", Traits(device).Name.c_str(), d.PendingSeen, d.Reads);
        d.PendingSeen = -1;
    }
}

void World::DeriveJoy(const DeviceRuntime& device, DIJOYSTATE& joy) const {
    // What Windows shows DirectInput of an XInput pad: thumbs on X/Y and
    // RX/RY (down positive), both triggers on the one Z axis, ten buttons, a hat.
    const XINPUT_GAMEPAD& pad = device.Pad;
    NeutralJoy(joy);
    joy.lX = pad.sThumbLX + 32768;
    joy.lY = 32767 - pad.sThumbLY;
    joy.lRx = pad.sThumbRX + 32768;
    joy.lRy = 32767 - pad.sThumbRY;
    joy.lZ = Clamp(32767 + (static_cast<long>(pad.bLeftTrigger) - pad.bRightTrigger) * 128);
    int pov = PovOfDirections(pad.wButtons & PadDPadMask);
    joy.rgdwPOV[0] = pov < 0 ? 0xFFFFFFFF : static_cast<DWORD>(pov);
    for (int b = 0; b < 10; ++b) joy.rgbButtons[b] = (pad.wButtons & PadButtonBits[b]) ? 0x80 : 0;
}

bool World::ReadJoy(int device, unsigned generation, DIJOYSTATE& state) {
    Lock lock(lock_);
    DeviceRuntime& d = devices_[static_cast<std::size_t>(device)];
    if (!d.Plugged || d.Generation != generation) return false;
    CountRead(device);
    // The read may have run a group that pulled the device out: it fails then.
    if (!d.Plugged || d.Generation != generation) return false;
    if (Traits(device).XInput) DeriveJoy(d, state);
    else state = d.Joy;
    return true;
}

DWORD World::GetPad(DWORD index, XINPUT_STATE* state) {
    Lock lock(lock_);
    for (std::size_t i = 0; i < devices_.size(); ++i) {
        DeviceRuntime& d = devices_[i];
        if (!d.Plugged || d.PadIndex != static_cast<int>(index) || d.Side == SideHidden) continue;
        CountRead(static_cast<int>(i));
        if (!d.Plugged) return ERROR_DEVICE_NOT_CONNECTED;
        if (state) {
            state->dwPacketNumber = d.Packet;
            state->Gamepad = d.Side == SideLate ? d.LatePad : d.Pad;
        }
        return ERROR_SUCCESS;
    }
    return ERROR_DEVICE_NOT_CONNECTED;
}

void World::FaultIfAsked() {
    if (!faultPending_.exchange(false)) return;
    Log("fault");
    // A write through a null pointer the compiler cannot see: the access
    // violation of a real fault, on the program's own thread, inside its read.
    volatile std::uintptr_t address = 0;
    *reinterpret_cast<volatile int*>(address) = 1;
}

DWORD World::SetPad(DWORD index, const XINPUT_VIBRATION* vibration) {
    Lock lock(lock_);
    if (vibration)
        Log("rumble xinput %lu %u %u", static_cast<unsigned long>(index), vibration->wLeftMotorSpeed,
            vibration->wRightMotorSpeed);
    for (const DeviceRuntime& d : devices_)
        if (d.Plugged && d.PadIndex == static_cast<int>(index)) return ERROR_SUCCESS;
    return ERROR_DEVICE_NOT_CONNECTED;
}

DWORD World::GetBattery(DWORD index, XINPUT_BATTERY_INFORMATION* battery) {
    Lock lock(lock_);
    for (const DeviceRuntime& d : devices_) {
        if (!d.Plugged || d.PadIndex != static_cast<int>(index)) continue;
        const bool wired = d.Battery == BatteryIsWired;
        battery->BatteryType = wired ? BATTERY_TYPE_WIRED : BATTERY_TYPE_NIMH;
        battery->BatteryLevel = static_cast<BYTE>(wired ? BATTERY_LEVEL_FULL : d.Battery);
        return ERROR_SUCCESS;
    }
    battery->BatteryType = BATTERY_TYPE_DISCONNECTED;
    return ERROR_DEVICE_NOT_CONNECTED;
}

void World::FireStep(std::size_t index) {
    const Step& step = scenario_.Steps[index];
    stepRanUs_ = NowUs();
    Log("step line %d", step.Line);
    for (const Action& action : step.Actions) Apply(action);
    nextStep_ = index + 1;
    if (nextStep_ < scenario_.Steps.size()) {
        const Step& next = scenario_.Steps[nextStep_];
        if (next.Wait == WaitKind::Reads) baseline_ = devices_[static_cast<std::size_t>(next.Device)].Reads;
    } else if (!ended_) {
        ended_ = true;
        Log("end");
    }
}

void World::Apply(const Action& action) {
    switch (action.Kind) {
        case ActionKind::Plug:
        case ActionKind::Unplug:
            PlugDevice(action.Device, action.Kind == ActionKind::Plug);
            break;
        case ActionKind::StartSecond:
            Log("action start-second %s", action.Text.c_str());
            break;
        case ActionKind::StartProgram:
            Log("action start-program %s", action.Text.c_str());
            break;
        case ActionKind::Close:
            // The tray icon's middle click: the close box only minimises by default.
            Log("action close");
            PostToProgram(WM_USER + 1, 0, WM_MBUTTONDOWN);
            break;
        case ActionKind::EndSession:
            // The runner ends the session from another process, as the system does.
            Log("action end-session");
            break;
        case ActionKind::Sleep:
        case ActionKind::Wake:
            // The runner sends the system's notices from another process, as the system does.
            Log(action.Kind == ActionKind::Sleep ? "action sleep" : "action wake");
            break;
        case ActionKind::Battery:
            devices_[static_cast<std::size_t>(action.Device)].Battery = action.Value;
            Log("battery %s %d", Traits(action.Device).Name.c_str(), action.Value);
            break;
        case ActionKind::Crash:
            Log("action crash");
            faultPending_ = true;
            break;
        case ActionKind::Mark:
            Log("mark %s", action.Text.c_str());
            break;
        case ActionKind::CloseDialogs:
            Log("action close-dialogs");
            CloseProgramDialogs();
            break;
        case ActionKind::XInputSide:
            devices_[static_cast<std::size_t>(action.Device)].Side = action.Value;
            Log("xinput-side %s %d", Traits(action.Device).Name.c_str(), action.Value);
            break;
        default: {
            DeviceRuntime& d = devices_[static_cast<std::size_t>(action.Device)];
            ApplyChange(action, d, Traits(action.Device).XInput);
            ++d.Packet;
            if (d.Plugged) d.PendingSeen = scenario_.Steps[nextStep_].Line;
        }
    }
}

void World::ApplyChange(const Action& a, DeviceRuntime& d, bool xinput) {
    XINPUT_GAMEPAD& pad = d.Pad;
    switch (a.Kind) {
        case ActionKind::Button:
            if (xinput) pad.wButtons = static_cast<WORD>(a.Value ? pad.wButtons | PadButtonBits[a.Index]
                                                                 : pad.wButtons & ~PadButtonBits[a.Index]);
            else d.Joy.rgbButtons[a.Index] = a.Value ? 0x80 : 0;
            break;
        case ActionKind::Axis:
            *AxisField(d.Joy, a.Index) = a.Value;
            break;
        case ActionKind::Pov:
            if (xinput && a.Value2 >= 0) pad.wButtons = static_cast<WORD>((pad.wButtons & ~PadDPadMask) | a.Value2);
            d.Joy.rgdwPOV[0] = a.Value < 0 ? 0xFFFFFFFF : static_cast<DWORD>(a.Value);
            break;
        case ActionKind::Stick:
            if (xinput) {
                (a.Index == 0 ? pad.sThumbLX : pad.sThumbRX) = static_cast<SHORT>(a.Value);
                (a.Index == 0 ? pad.sThumbLY : pad.sThumbRY) = static_cast<SHORT>(a.Value2);
            } else {
                *AxisField(d.Joy, a.Index == 0 ? AxisX : AxisRX) = a.Value + 32768;
                *AxisField(d.Joy, a.Index == 0 ? AxisY : AxisRY) = 32767 - a.Value2;
            }
            break;
        case ActionKind::Trigger:
            (a.Index == 0 ? pad.bLeftTrigger : pad.bRightTrigger) = static_cast<BYTE>(a.Value);
            break;
        default:
            break;
    }
}

void World::PlugDevice(int device, bool plug) {
    DeviceRuntime& d = devices_[static_cast<std::size_t>(device)];
    if (d.Plugged == plug) return;
    d.Plugged = plug;
    d.PadIndex = -1;
    d.PendingSeen = -1;
    d.Pad = XINPUT_GAMEPAD{};  // a controller comes back centred and released
    NeutralJoy(d.Joy);
    if (plug) {
        ++d.Generation;
        for (int index = 0; index < 4 && Traits(device).XInput && d.PadIndex < 0; ++index) {
            bool taken = false;
            for (const DeviceRuntime& other : devices_) taken = taken || (other.Plugged && other.PadIndex == index);
            if (!taken) d.PadIndex = index;
        }
    }
    Log("%s %s pad %d", plug ? "plug" : "unplug", Traits(device).Name.c_str(), d.PadIndex);
    PostToProgram(WM_DEVICECHANGE, DBT_DEVNODES_CHANGED);
}

void World::PostToProgram(UINT message, WPARAM wParam, LPARAM lParam) {
    // As Windows tells every top-level window; before the window exists the
    // program scans when its loop starts anyway.
    HWND window = FindWindowA("TVelmoraForm", nullptr);
    if (window) PostMessageA(window, message, wParam, lParam);
}

// The message dialog, the help window, a file dialog: every shown window
// of the program but its main window (the fakes run in its process) is
// closed as its close box would.
void World::CloseProgramDialogs() {
    EnumWindows(
        [](HWND window, LPARAM world) -> BOOL {
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            char name[64] = {};
            GetClassNameA(window, name, sizeof(name));
            if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
                lstrcmpA(name, "TVelmoraForm") != 0) {
                reinterpret_cast<World*>(world)->Log("close-dialog %s", name);
                PostMessageA(window, WM_CLOSE, 0, 0);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(this));
}

void World::TimerTick() {
    Lock lock(lock_);
    if (nextStep_ >= scenario_.Steps.size()) return;
    const Step& next = scenario_.Steps[nextStep_];
    if (next.Wait == WaitKind::Milliseconds && NowUs() - stepRanUs_ >= next.Count * 1000LL) FireStep(nextStep_);
    if (next.Wait != WaitKind::File || NowUs() - fileCheckedUs_ < FileCheckUs) return;
    fileCheckedUs_ = NowUs();
    if (FileInProgramFolder(next.File)) FireStep(nextStep_);
}

DWORD WINAPI World::ClockThread(void* world) {
    World& w = *static_cast<World*>(world);
    while (true) {
        Sleep(1);
        w.TimerTick();
        Lock lock(w.lock_);
        if (w.ended_) return 0;
    }
}

}  // namespace velmora::fake
