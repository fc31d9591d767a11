#include "app/ControllerScene.h"

namespace velmora {

LayoutScene SceneOf(const ControllerListType& list, const ConfigurationType& config,
                    const MainWindowStatus& status) {
    LayoutScene scene;
    scene.Config = &config;
    scene.Status = status;
    scene.Status.NamesShown = list.NamesShown;
    for (const ControllerDataType& c : list.Controllers)
        scene.Controllers.push_back({&list.Layouts[c.ControllerFileIndex], c.Connection != Lost});
    if (list.Selected < list.Count()) {
        const ControllerDataType& selected = list.Controllers[list.Selected];
        scene.Selected = list.Selected;
        scene.Profile = &selected.Profile;
        scene.DrawnStates = selected.EffectiveState;
    }
    return scene;
}

}  // namespace velmora
