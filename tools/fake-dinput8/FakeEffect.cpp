#include "FakeObjects.h"

namespace velmora::fake {

HRESULT FakeEffect::GetEffectGuid(LPGUID guid) {
    if (!guid) return DIERR_INVALIDPARAM;
    *guid = GUID_ConstantForce;
    return DI_OK;
}

HRESULT FakeEffect::SetParameters(LPCDIEFFECT effect, DWORD flags) {
    if (!effect) return DIERR_INVALIDPARAM;
    if ((flags & DIEP_TYPESPECIFICPARAMS) && effect->lpvTypeSpecificParams &&
        effect->cbTypeSpecificParams >= sizeof(DICONSTANTFORCE))
        magnitude_ = static_cast<const DICONSTANTFORCE*>(effect->lpvTypeSpecificParams)->lMagnitude;
    if ((flags & DIEP_DIRECTION) && effect->rglDirection && effect->cAxes > 0) direction_ = effect->rglDirection[0];
    return DI_OK;
}

HRESULT FakeEffect::Start(DWORD iterations, DWORD flags) {
    World& world = World::Get();
    // The rumble as the device would feel it: the parameters last set.
    world.Log("rumble effect %s %ld %ld", world.Traits(device_).Name.c_str(), static_cast<long>(magnitude_),
              static_cast<long>(direction_));
    world.Log("effect-start %s iterations %lu flags %lu", world.Traits(device_).Name.c_str(),
              static_cast<unsigned long>(iterations), static_cast<unsigned long>(flags));
    return DI_OK;
}

HRESULT FakeEffect::Stop() {
    World::Get().Log("effect-stop %s", World::Get().Traits(device_).Name.c_str());
    return DI_OK;
}

HRESULT FakeEffect::Unload() {
    World::Get().Log("effect-unload %s", World::Get().Traits(device_).Name.c_str());
    return DI_OK;
}

}  // namespace velmora::fake
