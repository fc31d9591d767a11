#pragma once
// The help window: one topic at a time, chosen by its number. Created on
// first use and kept for the run.

#include "base/win32/Windows.h"
#include "ui/HelpTexts.h"
#include "ui/win32/Form.h"

namespace velmora {

struct ConfigurationType;

class THelpForm : public TForm {
public:
    THelpForm();

    // Fills the window with a known topic (an unknown one leaves it as it was)
    // and shows it modally. The configuration, when given, keeps its position.
    void ShowHelp(HWND owner, int topic, const HelpValues& values, ConfigurationType* config);

protected:
    void FormIsCreated() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND heading_ = nullptr;
    HWND text_ = nullptr;
    HICON icon_ = nullptr;
};

}  // namespace velmora
