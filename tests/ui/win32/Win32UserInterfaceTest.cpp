// The plain text of the stand-in message box, run in the Windows build.
#ifdef _WIN32

#include <gtest/gtest.h>

#include "ui/win32/Win32UserInterface.h"

namespace velmora {
namespace {

TEST(MessageBoxText, DetailLinesPairCaptionsWithValuesAndMarkupBecomesLines) {
    MessageDialog dialog;
    dialog.Heading = "Invalid shortcut";
    dialog.Captions = "$Name$#$Location$";
    dialog.Values = "game#C:\\Games";
    dialog.Message = "First $bold$ line.#Second line.";
    EXPECT_EQ(
        DialogText(dialog),
        "Invalid shortcut\r\n\r\nName: game\r\nLocation: C:\\Games\r\n\r\nFirst bold line.\r\nSecond line.");
}

TEST(MessageBoxText, NoDetailLinesNoEmptyBlock) {
    MessageDialog dialog;
    dialog.Heading = "Sticky Keys are currently on";
    dialog.Message = "a##b";
    EXPECT_EQ(DialogText(dialog), "Sticky Keys are currently on\r\n\r\na\r\n\r\nb");
}

}  // namespace
}  // namespace velmora

#endif
