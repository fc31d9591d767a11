#include "app/WindowsVersion.h"

#include "base/Assistance.h"
#include "base/Language.h"

namespace velmora {
namespace {

std::uint8_t current = WindowsUnknown;

MessageDialog ErrorDialog(std::string_view headingKey, std::string message) {
    MessageDialog dialog;
    dialog.Kind = DialogKind::Error;
    dialog.Heading = Translate(headingKey);
    dialog.Message = std::move(message);
    return dialog;
}

std::string_view RefusalKey(std::uint8_t value) {
    switch (value) {
        case Windows95:
            return "*Windows 95 is not currently supported.*";
        case WindowsNT4:
            return "*Windows NT 4.0 is not currently supported.*";
        default:
            return "*Unknown Windows version is not currently supported.*";
    }
}

std::string NtName(const OsVersion& v) {
    if (v.Major == 6 && v.Minor == 0) return "Vista";
    if (v.Major == 6 && v.Minor == 1) return "7";
    if (v.Major == 6 && v.Minor == 2) return "8";
    if (v.Major == 6 && v.Minor == 3) return "8.1";
    if (v.Major == 10 && v.Minor == 0) return v.Build >= 22000 ? "11" : "10";
    return {};
}

}  // namespace

std::uint8_t ClassifyWindowsVersion(const OsVersion& v) {
    const bool nt = v.Platform == WindowsNTPlatform;
    if (v.Major == 4 && v.Minor == 0) {
        if (v.Platform == Windows9xPlatform) return Windows95;
        if (nt) return WindowsNT4;
    }
    if (v.Major == 4 && v.Minor == 10) return Windows98;
    if (v.Major == 4 && v.Minor == 90) return WindowsMe;
    if (v.Major == 5 && v.Minor == 0) return Windows2000;
    if (v.Major == 5 && v.Minor == 1) return WindowsXP;
    if (v.Major == 5 && v.Minor == 2) return WindowsServer2003;
    // Vista and every NT version after it: the same libraries, scan codes
    // and per-user registry rules apply.
    if (nt && v.Major >= 6) return WindowsVista;
    return WindowsUnknown;
}

std::string WindowsVersionName(const OsVersion& v) {
    const std::string numbers =
        std::to_string(v.Major) + "." + std::to_string(v.Minor) + "." + std::to_string(v.Build);
    const std::string name = v.Platform == WindowsNTPlatform ? NtName(v) : std::string{};
    return name.empty() ? "Windows " + numbers : "Windows " + name + " (" + numbers + ")";
}

std::optional<MessageDialog> VersionGateMessage(const std::optional<OsVersion>& version) {
    const std::string address(AssistanceAddress);
    if (!version)
        return ErrorDialog(
            "*Windows version detection error*",
            Translate("*An error has occurred while trying to determine the version of Windows.*") + "##" +
                Translate("*For assistance, send an email to*") + " " + address);
    const std::uint8_t value = ClassifyWindowsVersion(*version);
    if (value != Windows95 && value != WindowsNT4 && value != WindowsUnknown) return std::nullopt;
    return ErrorDialog("*Unsupported Windows version detected*",
                       Translate(RefusalKey(value)) + "##" +
                           Translate("*To register your interest for supporting this version of Windows*") +
                           ",#" + Translate("*send an email to*") + " " + address);
}

std::uint8_t CurrentWindowsVersion() {
    return current;
}
void SetCurrentWindowsVersion(std::uint8_t value) {
    current = value;
}

}  // namespace velmora
