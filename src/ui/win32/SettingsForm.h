#pragma once
// A settings window as the program's user-interface seam drives it: opened
// for a subject, closed, refilled from the model, and given its share of the
// main loop's passes. Every settings window's form derives from it.

#include "base/UserInterface.h"
#include "ui/win32/Form.h"

namespace velmora {

class TSettingsForm : public TForm {
public:
    using TForm::TForm;

    // Shows the form for its subject (-1 when it has none); an open form
    // shows the new subject.
    virtual void OpenFor(int subject) = 0;
    // What the form works on, while open.
    virtual int Subject() const { return -1; }
    // Refills every control from the model (the refreshing guard keeps the
    // filling from writing back).
    virtual void Refresh() {}
    // The main loop's calls (see UserInterface).
    virtual void UpdateLiveDisplay() {}
    virtual void CaptureKeyboard(bool /*keyEmitting*/) {}
    virtual void ShowTurboDemonstration(bool /*lit*/) {}
    virtual void DetectionTick() {}
    virtual void RedrawSlotDisplay() {}
};

}  // namespace velmora
