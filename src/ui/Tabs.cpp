#include "ui/Tabs.h"

#include <algorithm>
#include <cmath>

namespace velmora {

TabGeometry TabsFor(int controllerCount) {
    TabGeometry tabs;
    while (tabs.Width > 1 && (tabs.Width + 16) * controllerCount >= 439) --tabs.Width;
    tabs.Height = tabs.Width / 2;
    tabs.Top = (48 - tabs.Height) / 2 + 1;
    return tabs;
}

int TabLeft(const TabGeometry& tabs, int index) {
    return (tabs.Width + 16) * index + 9;
}

void BuildThumbnail(ControllerFileType& layout, const TabGeometry& tabs) {
    const int w = tabs.Width, h = tabs.Height;
    std::vector<std::uint32_t> sums(static_cast<std::size_t>(w * h) * 3, 0),
        counts(static_cast<std::size_t>(w * h), 0);
    for (int y = 0; y < ImageHeight; ++y)
        for (int x = 0; x < ImageWidth; ++x) {
            const int cx =
                std::min(w - 1, static_cast<int>(std::lround(static_cast<double>(x) * w / ImageWidth)));
            const int cy =
                std::min(h - 1, static_cast<int>(std::lround(static_cast<double>(y) * h / ImageHeight)));
            const std::size_t cell = static_cast<std::size_t>(cy * w + cx);
            const bool magenta = PixelValue(layout, y, x) == Magenta;
            for (std::size_t c = 0; c < 3; ++c)
                sums[cell * 3 + c] += magenta ? 255u : layout.Image[PixelOffset(y, x) + c];
            ++counts[cell];
        }
    layout.Thumbnail.assign(sums.size(), 0);
    for (std::size_t i = 0; i < sums.size(); ++i)
        layout.Thumbnail[i] = static_cast<std::uint8_t>(counts[i / 3] ? sums[i] / counts[i / 3] : 255);
    layout.ThumbnailWidth = w;
    layout.ThumbnailHeight = h;
}

// Building a thumbnail goes over the whole picture, a few milliseconds: the
// view asks at every whole redraw, so only what changed is built.
int UpdateThumbnails(std::span<ControllerFileType> layouts, int tabCount, ThumbnailsKey& built) {
    const TabGeometry tabs = TabsFor(tabCount);
    const bool allStale = built.Tabs != tabCount;
    const std::size_t known = built.Pictures.size();  // layouts added since are built
    built.Tabs = tabCount;
    built.Pictures.resize(layouts.size());
    int count = 0;
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        const std::uint64_t version = layouts[i].PictureVersion;
        if (!allStale && i < known && built.Pictures[i] == version) continue;
        BuildThumbnail(layouts[i], tabs);
        built.Pictures[i] = version;
        ++count;
    }
    return count;
}

}  // namespace velmora
