#pragma once
// The help window: one topic at a time, chosen by its number. Created on
// first use and kept for the run.

#include "base/win32/Windows.h"
#include "ui/HelpTexts.h"

namespace velmora {

struct ConfigurationType;

class THelpForm {
public:
    THelpForm() = default;
    ~THelpForm();
    THelpForm(const THelpForm&) = delete;
    THelpForm& operator=(const THelpForm&) = delete;

    // Fills the window with a known topic (an unknown one leaves it as it was)
    // and shows it modally. The configuration, when given, keeps its position.
    void ShowHelp(HWND owner, int topic, const HelpValues& values, ConfigurationType* config);
    HWND Handle() const { return window_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void FormIsCreated(HWND owner);
    void Place(const ConfigurationType* config);
    void StorePosition(ConfigurationType* config) const;

    HWND window_ = nullptr;
    HWND heading_ = nullptr;
    HWND text_ = nullptr;
    HICON icon_ = nullptr;
    bool done_ = false;
};

}  // namespace velmora
