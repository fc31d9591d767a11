#pragma once
// The commands of velmora-cli. Each takes the words after the command name and
// returns the process exit status.

#include <string>
#include <vector>

namespace velmora::cli {

using Arguments = std::vector<std::string>;

int RunGlyphs(const Arguments& args);  // glyphs --out FILE.bmp

int RunCheck(const Arguments& args);  // check [--out FILE] FILE

// layout --vid HEX --pid HEX [--axes ...] [--buttons N] [--povs N] [--xinput] [--database FILE] --out FILE
int RunLayout(const Arguments& args);

int RunSimulate(const Arguments& args);  // simulate [--vk] PROFILE SCRIPT

int RunRender(const Arguments& args);  // render --profile P --layout L [...] --out FILE.bmp
// render --window stick1|stick2|dpad|triggers|mouse --profile P [...] --out FILE.bmp
bool IsSettingsWindowRender(const Arguments& args);
int RunRenderSettings(const Arguments& args);
int RunRenderAssignment(const Arguments& args);  // render --window assignment ... --out FILE.bmp

}  // namespace velmora::cli
