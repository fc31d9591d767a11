#pragma once
// A library loaded at run time by file name, freed when the object goes, and
// its entry points taken by name. The program links to none of the optional
// libraries so that a missing one is a message, not a failed start.

#include <string_view>
#include <utility>

#include "base/win32/Windows.h"

namespace velmora {

class LoadedLibrary {
public:
    LoadedLibrary() = default;
    explicit LoadedLibrary(const wchar_t* file) : module_(LoadLibraryW(file)) {}
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;
    LoadedLibrary(LoadedLibrary&& other) noexcept : module_(std::exchange(other.module_, nullptr)) {}
    LoadedLibrary& operator=(LoadedLibrary&& other) noexcept {
        if (this != &other) {
            Free();
            module_ = std::exchange(other.module_, nullptr);
        }
        return *this;
    }
    ~LoadedLibrary() { Free(); }

    explicit operator bool() const { return module_ != nullptr; }
    HMODULE Handle() const { return module_; }
    void Free() {
        if (module_) FreeLibrary(std::exchange(module_, nullptr));
    }

    // The entry point as the function type F, or null. GetProcAddress answers
    // a generic function pointer; going through void(*)() is the cast that
    // compilers accept without a warning.
    template <typename F>
    F Entry(const char* name) const {
        if (!module_) return nullptr;
        using Generic = void (*)();
        return reinterpret_cast<F>(reinterpret_cast<Generic>(GetProcAddress(module_, name)));
    }

private:
    HMODULE module_ = nullptr;
};

}  // namespace velmora
