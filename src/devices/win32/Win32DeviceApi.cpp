#include "devices/win32/Win32DeviceApi.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string_view>
#include <utility>

#include "base/win32/WideText.h"
#include "devices/DeviceLibraries.h"

namespace velmora {
namespace {

using DirectInput8CreateFunction = HRESULT(WINAPI*)(HINSTANCE, DWORD, REFIID, LPVOID*, LPUNKNOWN);

DeviceGuid ToDeviceGuid(const GUID& guid) {
    DeviceGuid out;
    std::memcpy(out.Bytes.data(), &guid, sizeof(GUID));
    return out;
}

GUID ToGuid(const DeviceGuid& guid) {
    GUID out;
    std::memcpy(&out, guid.Bytes.data(), sizeof(GUID));
    return out;
}

AxisObjectType AxisTypeOf(const GUID& type) {
    if (IsEqualGUID(type, GUID_XAxis)) return AxisObjectType::X;
    if (IsEqualGUID(type, GUID_YAxis)) return AxisObjectType::Y;
    if (IsEqualGUID(type, GUID_ZAxis)) return AxisObjectType::Z;
    if (IsEqualGUID(type, GUID_RxAxis)) return AxisObjectType::RX;
    if (IsEqualGUID(type, GUID_RyAxis)) return AxisObjectType::RY;
    if (IsEqualGUID(type, GUID_RzAxis)) return AxisObjectType::RZ;
    if (IsEqualGUID(type, GUID_Slider)) return AxisObjectType::Slider;
    return AxisObjectType::Other;
}

struct EnumerationVisit {
    const std::function<bool(const DeviceInstanceRecord&)>* Visit;
};

BOOL CALLBACK EnumerateDevice(LPCDIDEVICEINSTANCEA instance, LPVOID context) {
    const auto& visit = *static_cast<EnumerationVisit*>(context)->Visit;
    DeviceInstanceRecord record{ToDeviceGuid(instance->guidInstance), ToDeviceGuid(instance->guidProduct),
                                AnsiToUtf8(instance->tszProductName)};
    return visit(record) ? DIENUM_CONTINUE : DIENUM_STOP;
}

BOOL CALLBACK EnumerateAxis(LPCDIDEVICEOBJECTINSTANCEA object, LPVOID context) {
    const auto& visit = *static_cast<const std::function<void(const AxisObject&)>*>(context);
    visit(AxisObject{AxisTypeOf(object->guidType), (object->dwFlags & DIDOI_FFACTUATOR) != 0});
    return DIENUM_CONTINUE;
}

template <typename T>
void Release(T*& object) {
    if (object) std::exchange(object, nullptr)->Release();
}

// The code of the exception that broke off the guarded enumeration, 0 while none did.
thread_local DWORD enumerationException = 0;

}  // namespace

// The filter of the guard below, called by the system's C exception handler
// for an exception that reaches the guarded call: DirectInput's own
// exceptions end the call there, the program's C++ exceptions go on.
extern "C" LONG VelmoraEnumerationFilter(EXCEPTION_POINTERS* pointers, void*) {
    const DWORD code = pointers->ExceptionRecord->ExceptionCode;
    if (!IsDebugDirectInputException(code)) return EXCEPTION_CONTINUE_SEARCH;
    enumerationException = code;
    return EXCEPTION_EXECUTE_HANDLER;
}

namespace {

// EnumDevices inside a guard. GCC has no __try, so the guard is written the
// way mingw-w64's __try1 writes it: a scope entry for the system's C handler
// in this function's unwind data, from the start label to the end label,
// whose filter is the one above and whose target is the end label. The
// system unwinds DirectInput's frames and goes on at the end label; the
// answer is kept in memory because the jump there skips its assignment. The
// labels are unique, so the function is never inlined or cloned, and it has
// a section of its own to come back to after the unwind data.
__attribute__((noinline, noclone, section(".text$velmora_enumeration"))) HRESULT GuardedEnumDevices(
    IDirectInput8A& input, EnumerationVisit& context, DWORD& exception) {
    volatile HRESULT result = E_FAIL;
    enumerationException = 0;
    __asm__ __volatile__(
        ".Lvelmora_enumeration_start:\n"
        "\t.seh_handler __C_specific_handler, @except\n"
        "\t.seh_handlerdata\n"
        "\t.long 1\n"
        "\t.rva .Lvelmora_enumeration_start, .Lvelmora_enumeration_end, VelmoraEnumerationFilter, "
        ".Lvelmora_enumeration_end\n"
        "\t.section .text$velmora_enumeration,\"x\"\n" ::
            : "memory");
    result = input.EnumDevices(DI8DEVCLASS_GAMECTRL, EnumerateDevice, &context, DIEDFL_ATTACHEDONLY);
    // The nop keeps the call's return address inside the guarded range.
    __asm__ __volatile__("\tnop\n.Lvelmora_enumeration_end:\n\tnop\n" ::: "memory");
    exception = enumerationException;
    return result;
}

}  // namespace

Win32DeviceApi::Win32DeviceApi() {
    PrepareForceEffect();
}

Win32DeviceApi::~Win32DeviceApi() {
    FreeLibraries();
}

void Win32DeviceApi::PrepareForceEffect() {
    forceAxes_ = {DIJOFS_X, DIJOFS_Y};
    forceEffect_.dwSize = sizeof(DIEFFECT);
    forceEffect_.dwFlags = DIEFF_POLAR | DIEFF_OBJECTOFFSETS;
    forceEffect_.dwDuration = INFINITE;
    forceEffect_.dwGain = DI_FFNOMINALMAX;
    forceEffect_.dwTriggerButton = DIEB_NOTRIGGER;
    forceEffect_.cAxes = 2;
    forceEffect_.rgdwAxes = forceAxes_.data();
    forceEffect_.rglDirection = forceDirections_.data();
    forceEffect_.cbTypeSpecificParams = sizeof(DICONSTANTFORCE);
    forceEffect_.lpvTypeSpecificParams = &constantForce_;
}

bool Win32DeviceApi::LoadDirectInput(HINSTANCE instance) {
    directInputLibrary_ = LoadedLibrary(L"dinput8.dll");
    const auto create = directInputLibrary_.Entry<DirectInput8CreateFunction>("DirectInput8Create");
    void* created = nullptr;
    if (create && SUCCEEDED(create(instance, DIRECTINPUT_VERSION, IID_IDirectInput8A, &created, nullptr)) &&
        created) {
        directInput_ = static_cast<IDirectInput8A*>(created);
        return true;
    }
    directInputLibrary_.Free();
    return false;
}

bool Win32DeviceApi::TryLoadXInput(const wchar_t* file) {
    LoadedLibrary library(file);
    const auto getState = library.Entry<XInputGetStateFunction>("XInputGetState");
    const auto setState = library.Entry<XInputSetStateFunction>("XInputSetState");
    if (!getState || !setState) return false;
    xinputLibrary_ = std::move(library);
    xinputGetState_ = getState;
    xinputSetState_ = setState;
    xinputGetBattery_ = xinputLibrary_.Entry<XInputGetBatteryFunction>("XInputGetBatteryInformation");
    return true;
}

void Win32DeviceApi::FreeLibraries() {
    for (DeviceSlot slot = 0; slot < MaxDevices; ++slot) {
        UnloadEffect(slot);
        ReleaseDevice(slot);
    }
    Release(directInput_);
    directInputLibrary_.Free();
    xinputGetState_ = nullptr;
    xinputSetState_ = nullptr;
    xinputGetBattery_ = nullptr;
    xinputLibrary_.Free();
}

EnumerationResult EnumerateGameControllers(IDirectInput8A& input,
                                           const std::function<bool(const DeviceInstanceRecord&)>& visit) {
    EnumerationVisit context{&visit};
    DWORD exception = 0;
    const HRESULT result = GuardedEnumDevices(input, context, exception);
    if (exception != 0) return EnumerationResult::DebugDirectInput;
    return SUCCEEDED(result) ? EnumerationResult::Ok : EnumerationResult::Error;
}

EnumerationResult Win32DeviceApi::EnumerateControllers(
    const std::function<bool(const DeviceInstanceRecord&)>& visit) {
    return directInput_ ? EnumerateGameControllers(*directInput_, visit) : EnumerationResult::Error;
}

bool Win32DeviceApi::CreateDevice(DeviceSlot slot, const DeviceGuid& instance) {
    if (!directInput_ || slot >= MaxDevices) return false;
    Release(devices_[slot]);
    return SUCCEEDED(directInput_->CreateDevice(ToGuid(instance), &devices_[slot], nullptr)) &&
           devices_[slot];
}

bool Win32DeviceApi::SetDataFormat(DeviceSlot slot) {
    IDirectInputDevice8A* device = Device(slot);
    return device && SUCCEEDED(device->SetDataFormat(&c_dfDIJoystick));
}

bool Win32DeviceApi::SetCooperativeLevel(DeviceSlot slot) {
    IDirectInputDevice8A* device = Device(slot);
    return device && SUCCEEDED(device->SetCooperativeLevel(window_, DISCL_EXCLUSIVE | DISCL_BACKGROUND));
}

std::optional<std::uint32_t> Win32DeviceApi::GetVendorProduct(DeviceSlot slot) {
    IDirectInputDevice8A* device = Device(slot);
    if (!device) return std::nullopt;
    DIPROPDWORD property{};
    property.diph.dwSize = sizeof(DIPROPDWORD);
    property.diph.dwHeaderSize = sizeof(DIPROPHEADER);
    property.diph.dwObj = 0;
    property.diph.dwHow = DIPH_DEVICE;
    if (FAILED(device->GetProperty(DIPROP_VIDPID, &property.diph))) return std::nullopt;
    return static_cast<std::uint32_t>(property.dwData);
}

std::optional<DeviceCapabilities> Win32DeviceApi::GetCapabilities(DeviceSlot slot) {
    IDirectInputDevice8A* device = Device(slot);
    if (!device) return std::nullopt;
    DIDEVCAPS caps{};
    caps.dwSize = sizeof(DIDEVCAPS);
    if (FAILED(device->GetCapabilities(&caps))) return std::nullopt;
    return DeviceCapabilities{caps.dwAxes, caps.dwButtons, caps.dwPOVs,
                              (caps.dwFlags & DIDC_FORCEFEEDBACK) != 0};
}

bool Win32DeviceApi::EnumerateAxes(DeviceSlot slot, const std::function<void(const AxisObject&)>& visit) {
    IDirectInputDevice8A* device = Device(slot);
    auto* context = const_cast<std::function<void(const AxisObject&)>*>(&visit);
    return device && SUCCEEDED(device->EnumObjects(EnumerateAxis, context, DIDFT_AXIS));
}

bool Win32DeviceApi::CreateConstantForceEffect(DeviceSlot slot) {
    IDirectInputDevice8A* device = Device(slot);
    if (!device) return false;
    Release(effects_[slot]);
    return SUCCEEDED(device->CreateEffect(GUID_ConstantForce, &forceEffect_, &effects_[slot], nullptr)) &&
           effects_[slot];
}

void Win32DeviceApi::Acquire(DeviceSlot slot) {
    if (IDirectInputDevice8A* device = Device(slot)) device->Acquire();
}

void Win32DeviceApi::Unacquire(DeviceSlot slot) {
    if (IDirectInputDevice8A* device = Device(slot)) device->Unacquire();
}

void Win32DeviceApi::Poll(DeviceSlot slot) {
    if (IDirectInputDevice8A* device = Device(slot)) device->Poll();
}

bool Win32DeviceApi::GetDeviceState(DeviceSlot slot, RawJoyState& state) {
    IDirectInputDevice8A* device = Device(slot);
    DIJOYSTATE read{};
    if (!device || FAILED(device->GetDeviceState(sizeof(DIJOYSTATE), &read))) return false;
    state.X = read.lX;
    state.Y = read.lY;
    state.Z = read.lZ;
    state.RX = read.lRx;
    state.RY = read.lRy;
    state.RZ = read.lRz;
    std::copy(std::begin(read.rglSlider), std::end(read.rglSlider), state.Sliders.begin());
    std::copy(std::begin(read.rgdwPOV), std::end(read.rgdwPOV), state.POV.begin());
    std::copy(std::begin(read.rgbButtons), std::end(read.rgbButtons), state.Buttons.begin());
    return true;
}

void Win32DeviceApi::StartConstantForce(DeviceSlot slot, std::int32_t magnitude, std::int32_t direction) {
    IDirectInputEffect* effect = Effect(slot);
    if (!effect) return;
    if (held_) NoteEffectRumble(*held_, slot, true);  // noted before it runs
    constantForce_.lMagnitude = magnitude;
    forceDirections_[0] = direction;
    effect->SetParameters(&forceEffect_, DIEP_DIRECTION | DIEP_TYPESPECIFICPARAMS | DIEP_NODOWNLOAD);
    effect->Download();
    effect->Start(1, DIES_SOLO);
    constantForce_.lMagnitude = 0;
    forceDirections_[0] = 0;
}

void Win32DeviceApi::StopAllEffects(DeviceSlot slot) {
    if (IDirectInputDevice8A* device = Device(slot)) device->SendForceFeedbackCommand(DISFFC_STOPALL);
    if (held_) NoteEffectRumble(*held_, slot, false);
}

void Win32DeviceApi::UnloadEffect(DeviceSlot slot) {
    if (slot >= MaxDevices || !effects_[slot]) return;
    effects_[slot]->Unload();
    Release(effects_[slot]);
}

void Win32DeviceApi::ReleaseDevice(DeviceSlot slot) {
    if (slot >= MaxDevices || !devices_[slot]) return;
    devices_[slot]->Unacquire();
    Release(devices_[slot]);
    if (held_) NoteEffectRumble(*held_, slot, false);  // a crash has nothing left to stop there
}

bool Win32DeviceApi::RunControlPanel(DeviceSlot slot, std::uintptr_t ownerWindow) {
    IDirectInputDevice8A* device = Device(slot);
    const HWND owner = ownerWindow ? reinterpret_cast<HWND>(ownerWindow) : window_;
    return device && SUCCEEDED(device->RunControlPanel(owner, 0));
}

bool Win32DeviceApi::XInputGetState(std::uint8_t userIndex, RawXInputState& state) {
    XINPUT_STATE read{};
    if (!xinputGetState_ || xinputGetState_(userIndex, &read) != ERROR_SUCCESS) return false;
    state.PacketNumber = read.dwPacketNumber;
    state.Buttons = read.Gamepad.wButtons;
    state.LeftTrigger = read.Gamepad.bLeftTrigger;
    state.RightTrigger = read.Gamepad.bRightTrigger;
    state.ThumbLX = read.Gamepad.sThumbLX;
    state.ThumbLY = read.Gamepad.sThumbLY;
    state.ThumbRX = read.Gamepad.sThumbRX;
    state.ThumbRY = read.Gamepad.sThumbRY;
    return true;
}

void Win32DeviceApi::XInputSetState(std::uint8_t userIndex, std::uint16_t leftSpeed,
                                    std::uint16_t rightSpeed) {
    if (!xinputSetState_) return;
    XINPUT_VIBRATION vibration{leftSpeed, rightSpeed};
    const bool running = leftSpeed != 0 || rightSpeed != 0;
    if (held_ && running) NoteXInputRumble(*held_, userIndex, true);
    xinputSetState_(userIndex, &vibration);
    if (held_ && !running) NoteXInputRumble(*held_, userIndex, false);
}

std::optional<BatteryState> Win32DeviceApi::XInputGetBattery(std::uint8_t userIndex) {
    XINPUT_BATTERY_INFORMATION read{};
    if (!xinputGetBattery_ || xinputGetBattery_(userIndex, BATTERY_DEVTYPE_GAMEPAD, &read) != ERROR_SUCCESS)
        return std::nullopt;
    return BatteryState{read.BatteryType, read.BatteryLevel};
}

}  // namespace velmora
