#include "devices/DeviceLibraries.h"

#include <algorithm>
#include <array>
#include <string>

#include "base/Language.h"

namespace velmora {
namespace {

// The last DirectX that runs on an old Windows version, or empty.
std::string_view LastDirectXFor(std::uint8_t windowsVersion) {
    switch (windowsVersion) {
        case 0:
            return "DirectX 8.0a";
        case 1:
            return "N/A";
        case 2:
        case 3:
            return "DirectX 9.0c (10/2005)";
        default:
            return {};
    }
}

// The exception codes of C++ throws as the compilers raise them: GCC's
// throw, unwind and forced unwind ("GCC" in the low bytes), and MSVC's.
constexpr std::array<std::uint32_t, 4> CxxExceptionCodes{0x20474343, 0x21474343, 0x22474343, 0xE06D7363};

}  // namespace

XInputChoice LoadXInput(bool scanForXInput, std::uint8_t windowsVersion,
                        const std::function<bool(std::string_view file)>& tryLoad) {
    if (!scanForXInput) return {XInputDisabled, NoXInputVersion};
    if (windowsVersion < FirstXInputWindowsVersion) return {XInputUnsupported, NoXInputVersion};
    for (std::uint8_t row = 5; row >= 1; --row)
        if (tryLoad(XInputLibraries[row].File)) return {XInputLoaded, row};
    return {XInputNotFound, NoXInputVersion};
}

MessageDialog DirectXIncompatibleMessage(std::uint8_t windowsVersion) {
    MessageDialog dialog;
    dialog.Kind = DialogKind::Error;
    dialog.Heading = Translate("*DirectX incompatible*");
    dialog.Message = Translate("*DirectX 8 or later is required. Please update DirectX.*");
    const std::string_view last = LastDirectXFor(windowsVersion);
    if (!last.empty())
        dialog.Message += "##" +
                          Translate("*Last version of DirectX compatible with this version of Windows*") +
                          ":#" + std::string(last);
    return dialog;
}

bool LoadDirectInput(std::uint8_t windowsVersion, const std::function<bool()>& loadAndCreate,
                     UserInterface& ui) {
    if (loadAndCreate()) return true;
    ui.ShowMessageDialog(DirectXIncompatibleMessage(windowsVersion));
    return false;
}

bool IsDebugDirectInputException(std::uint32_t exceptionCode) {
    return std::find(CxxExceptionCodes.begin(), CxxExceptionCodes.end(), exceptionCode) ==
           CxxExceptionCodes.end();
}

}  // namespace velmora
