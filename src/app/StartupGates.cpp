#include "app/StartupGates.h"

#include <string>

#include "base/Assistance.h"
#include "base/FileMessages.h"
#include "base/Language.h"

namespace velmora {
namespace {

std::string SizeText(int width, int height) {
    return std::to_string(width) + " x " + std::to_string(height) + " " + Translate("*pixels*");
}

std::string EmailLine() {
    return Translate("*send an email to*") + " " + std::string(AssistanceAddress);
}

}  // namespace

std::optional<MessageDialog> ResolutionGateMessage(int desktopWidth, int desktopHeight, int neededWidth,
                                                   int neededHeight, std::string_view reasonKey,
                                                   bool designed) {
    if (neededWidth <= desktopWidth && desktopHeight >= neededHeight) return std::nullopt;
    const std::vector<DetailLine> details{
        {"*Current Resolution*", SizeText(desktopWidth, desktopHeight)},
        {designed ? "*Designed Resolution*" : "*Required Resolution*", SizeText(neededWidth, neededHeight)}};
    const std::string message =
        Translate(reasonKey) + "#" +
        Translate("*To register your interest for supporting the current resolution*") + ",#" + EmailLine();
    return MakeMessage(designed ? DialogKind::Warning : DialogKind::Error,
                       "*Insufficient desktop resolution detected*", details, message);
}

std::optional<MessageDialog> SendInputGateMessage(bool libraryLoaded, bool functionFound) {
    if (libraryLoaded && functionFound) return std::nullopt;
    const std::vector<DetailLine> details{
        {"*Library*", "User32.dll"},
        {"*Function*", "SendInput"},
        {"*Error*", Translate(libraryLoaded ? "*Missing function*" : "*Missing library*")}};
    return MakeMessage(
        DialogKind::Error, "*Function initialization failed*", details,
        Translate("*For assistance, send an email to*") + " " + std::string(AssistanceAddress));
}

StickyKeysDecision DecideStickyKeys(std::uint32_t flags) {
    StickyKeysDecision decision;
    if ((flags & StickyKeysHotKeyActive) == 0) return decision;
    decision.Change = true;
    decision.TellUser = (flags & StickyKeysOn) != 0;
    decision.NewFlags = flags & ~(StickyKeysOn | StickyKeysHotKeyActive);
    return decision;
}

MessageDialog StickyKeysNotice() {
    MessageDialog dialog;
    dialog.Kind = DialogKind::Information;
    dialog.Heading = Translate("*Sticky Keys are currently on*");
    dialog.Message = Translate("*This can cause problems with key emulation.*") + "#" +
                     Translate("*Sticky Keys will now be turned off to prevent any problems.*") + "#" +
                     Translate("*They will automatically be turned back on when this program is closed.*");
    return dialog;
}

}  // namespace velmora
