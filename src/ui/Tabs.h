#pragma once
// The tab of each controller in the top bar and the reduced layout picture it shows.

#include <cstdint>
#include <span>
#include <vector>

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

// What the tabs' thumbnails were last built for: the number of tabs and, per
// layout, the version of its picture.
struct ThumbnailsKey {
    int Tabs = 0;
    std::vector<std::uint64_t> Pictures;
};

// Builds again the thumbnail of every layout whose picture changed since
// `built`, and of all of them when the number of tabs did; then notes in
// `built` what they now show. Answers how many were built.
int UpdateThumbnails(std::span<ControllerFileType> layouts, int tabCount, ThumbnailsKey& built);

}  // namespace velmora
