#include "app/ElevationWatch.h"

#include <algorithm>

namespace velmora {
namespace {

std::uint32_t EffectiveLevel(ProcessLevel level) {
    return level.Kind == ProcessLevel::Denied ? HighLevel : level.Value;
}

void CheckForeground(ElevationWatch& watch, ForegroundSeam& seam) {
    const std::uintptr_t window = seam.ForegroundWindow();
    if (window == watch.Window) return;
    watch.Window = window;
    watch.Blocked = false;
    if (window == 0) return;
    if (!watch.OwnKnown) {
        watch.Own = seam.OwnLevel();
        watch.OwnKnown = true;
    }
    watch.Blocked = InputBlocked(seam.WindowLevel(window), watch.Own);
}

bool TakeBalloon(ElevationWatch& watch) {
    if (std::find(watch.Told.begin(), watch.Told.end(), watch.Window) != watch.Told.end()) return false;
    watch.Told[watch.NextTold] = watch.Window;
    watch.NextTold = (watch.NextTold + 1) % watch.Told.size();
    return true;
}

}  // namespace

bool InputBlocked(ProcessLevel target, ProcessLevel own) {
    if (target.Kind == ProcessLevel::Unknown || own.Kind == ProcessLevel::Unknown) return false;
    return EffectiveLevel(target) > EffectiveLevel(own);
}

ElevationShow StepElevationWatch(ElevationWatch& watch, ForegroundSeam& seam, bool minimised,
                                 bool trayIconShown) {
    const bool checkPass = watch.PassesToCheck <= 0;
    if (checkPass) {
        watch.PassesToCheck = ElevationCheckPasses;
        CheckForeground(watch, seam);
    }
    --watch.PassesToCheck;
    ElevationShow show;
    show.TopBarNotice = watch.Blocked;
    show.TrayTipNotice = watch.Blocked && minimised;
    show.Balloon = checkPass && show.TrayTipNotice && trayIconShown && TakeBalloon(watch);
    return show;
}

}  // namespace velmora
