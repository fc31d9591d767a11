#pragma once
// Runs the built velmora-cli as a process, with its standard output and error
// caught in files of a temporary folder.

#include <cstdlib>
#include <string>
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include "support/FileTestSupport.h"

namespace velmora::test {

struct CliRun {
    int Status;
    std::string Out;
    std::string Err;
};

// args: the words after "velmora-cli", already quoted where they need it.
inline CliRun RunCli(const TempFolder& folder, const std::string& args) {
    const std::string out = folder.File("stdout.txt");
    const std::string err = folder.File("stderr.txt");
    std::string command =
        "\"" + std::string(VELMORA_CLI) + "\" " + args + " >\"" + out + "\" 2>\"" + err + "\"";
#ifdef _WIN32
    // cmd /c drops the first and the last quote of a line that starts with
    // one: quote the whole line once more so the program's quotes survive.
    command = "\"" + command + "\"";
    const int status = std::system(command.c_str());
#else
    const int raw = std::system(command.c_str());
    const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
    return {status, ReadBytes(out), ReadBytes(err)};
}

}  // namespace velmora::test
