#include <gtest/gtest.h>

#include "support/CliRun.h"

namespace velmora {
namespace {

using test::TempFolder;

test::CliRun Check(const TempFolder& folder, const std::string& file) {
    return test::RunCli(folder, "check \"" + file + "\"");
}

TEST(CheckKinds, ControllerFileMessagesGoToStandardErrorAndTheFileToStandardOutput) {
    TempFolder folder;
    const std::string path =
        folder.Write("Pad.velmoracontroller", "Button1Location=10,20\nStick1UpLocation=50,50\nStick1XAccess=Axis X inverted\n");
    const test::CliRun run = Check(folder, path);
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "Error: Bad Stick Access value found in controller file | Controller File=Pad | Location=" +
                           folder.Folder() + " | Name=Stick1XAccess | Value=Axis X inverted | "
                           "This is not a valid value. The Stick Access has loaded as \"None\".\n");
    EXPECT_NE(run.Out.find("\r\nVersion=2007.12\r\n"), std::string::npos);
    EXPECT_NE(run.Out.find("\r\nButton1Location=10,20\r\n"), std::string::npos);
}

TEST(CheckKinds, ConfigurationIsToldByItsNameAndLanguageFilesByExtension) {
    TempFolder folder;
    test::CliRun run = Check(folder, folder.Write("Velmora.ini", "Interface1=10\n"));
    EXPECT_EQ(run.Status, 0);
    EXPECT_NE(run.Out.find("\r\nInterface1=10,15,63\r\n"), std::string::npos);

    folder.Write("fr.velmoralanguage", "Save=Sauver \n");
    folder.Write("de.velmoralanguage", "Save=Speichern\n");
    run = Check(folder, folder.File("fr.velmoralanguage"));
    EXPECT_EQ(run.Status, 0);
    EXPECT_NE(run.Out.find("\r\nSave=Sauver\r\n"), std::string::npos);

    run = Check(folder, folder.File("missing.velmoracontroller"));
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err.rfind("Error: File cannot be found or cannot be opened", 0), 0u);
}

}  // namespace
}  // namespace velmora
