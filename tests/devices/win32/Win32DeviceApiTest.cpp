// The DirectInput backend's enumeration under Wine, over a scripted
// DirectInput object: how EnumDevices ends is what the scan is told, also
// when the library breaks off with an exception as a debug DirectInput does.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "devices/win32/Win32DeviceApi.h"

namespace velmora {
namespace {

// Reports `Devices` controllers named "Pad 0", "Pad 1"..., then either raises
// the exception `Raises` (when not 0) or returns `Answer`.
class ScriptedDirectInput final : public IDirectInput8A {
public:
    int Devices = 2;
    DWORD Raises = 0;
    HRESULT Answer = DI_OK;

    HRESULT STDMETHODCALLTYPE EnumDevices(DWORD, LPDIENUMDEVICESCALLBACKA callback, LPVOID ref,
                                          DWORD) override {
        for (int i = 0; i < Devices; ++i) {
            DIDEVICEINSTANCEA instance{};
            instance.dwSize = sizeof instance;
            const std::string name = "Pad " + std::to_string(i);
            name.copy(instance.tszProductName, name.size());
            if (callback(&instance, ref) == DIENUM_STOP) return Answer;
        }
        if (Raises != 0) RaiseException(Raises, 0, 0, nullptr);
        return Answer;
    }

    // Not used by the enumeration.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateDevice(REFGUID, LPDIRECTINPUTDEVICE8A*, LPUNKNOWN) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetDeviceStatus(REFGUID) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE RunControlPanel(HWND, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Initialize(HINSTANCE, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE FindDevice(REFGUID, LPCSTR, LPGUID) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumDevicesBySemantics(LPCSTR, LPDIACTIONFORMATA, LPDIENUMDEVICESBYSEMANTICSCBA,
                                                     LPVOID, DWORD) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ConfigureDevices(LPDICONFIGUREDEVICESCALLBACK, LPDICONFIGUREDEVICESPARAMSA,
                                               DWORD, LPVOID) override {
        return E_NOTIMPL;
    }
};

struct Enumeration {
    ScriptedDirectInput Input;
    std::vector<std::string> Seen;

    EnumerationResult Run() {
        Seen.clear();
        return EnumerateGameControllers(Input, [this](const DeviceInstanceRecord& record) {
            Seen.push_back(record.ProductName);
            return true;
        });
    }
};

TEST(Win32DeviceEnumeration, TheAnswerOfEnumDevicesTellsSuccessFromError) {
    Enumeration e;
    EXPECT_EQ(e.Run(), EnumerationResult::Ok);
    EXPECT_EQ(e.Seen, (std::vector<std::string>{"Pad 0", "Pad 1"}));
    e.Input.Answer = DIERR_INVALIDPARAM;
    EXPECT_EQ(e.Run(), EnumerationResult::Error);
}

TEST(Win32DeviceEnumeration, AnExceptionRaisedInsideDirectInputIsADebugDirectInput) {
    Enumeration e;
    for (const DWORD code :
         {static_cast<DWORD>(EXCEPTION_BREAKPOINT), static_cast<DWORD>(EXCEPTION_ACCESS_VIOLATION),
          static_cast<DWORD>(0xE0000001)}) {
        e.Input.Raises = code;
        EXPECT_EQ(e.Run(), EnumerationResult::DebugDirectInput) << std::hex << code;
        EXPECT_EQ(e.Seen.size(), 2u);  // what came before is the scan's to drop
    }
    // The next enumeration is guarded again.
    e.Input.Raises = 0;
    EXPECT_EQ(e.Run(), EnumerationResult::Ok);
}

TEST(Win32DeviceEnumeration, AnExceptionOfTheProgramsOwnCallbackGoesOnToItsHandler) {
    ScriptedDirectInput input;
    const auto throwing = [](const DeviceInstanceRecord&) -> bool { throw std::runtime_error("callback"); };
    EXPECT_THROW(EnumerateGameControllers(input, throwing), std::runtime_error);
}

}  // namespace
}  // namespace velmora

#endif
