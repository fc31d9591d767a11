#pragma once
// The tab of each controller in the top bar and the reduced layout picture it shows.

#include "model/ControllerLayout.h"

namespace velmora {

struct TabGeometry {
    int Width = 64;   // w: the thumbnail's width
    int Height = 32;  // h = w / 2
    int Top = 9;      // t: the thumbnail's top row
};

// Tabs narrow from 64 pixels until n of them (with 16 pixels each between) fit in 439.
TabGeometry TabsFor(int controllerCount);
// The left column x of tab i.
int TabLeft(const TabGeometry& tabs, int index);
// Recomputes the layout's Thumbnail for the tab size; magenta counts as white.
void BuildThumbnail(ControllerFileType& layout, const TabGeometry& tabs);

}  // namespace velmora
