// The elevation watch's answers shown in the main window and the tray. Each
// show changes only what differs from the last pass: the picture is drawn
// again only when the notice comes or goes.

#include "app/win32/Application.h"
#include "app/win32/MainLoop.h"
#include "app/win32/TrayIcon.h"

namespace velmora {

void WatchElevation(Application& app) {
    const ElevationShow show =
        StepElevationWatch(app.Elevation, app.Foreground, !app.WindowShown, app.TrayIconAdded);
    MainWindowStatus& status = app.Ui.Layout().Status();
    if (status.InputBlockedNotice != show.TopBarNotice) {
        status.InputBlockedNotice = show.TopBarNotice;
        app.Ui.RedrawLayout();
    }
    if (app.TrayNoticeShown != show.TrayTipNotice) SetTrayNotice(app, show.TrayTipNotice);
    if (show.Balloon) ShowTrayNoticeBalloon(app);
}

}  // namespace velmora
