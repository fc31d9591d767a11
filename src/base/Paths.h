#pragma once
// File names and the program's folder.

#include <string>
#include <string_view>

namespace velmora {

// Both "\" and "/" separate folders: the program's own
// paths use "\" on Windows, and accepting "/" as well lets the same helpers
// work on native paths where the tools and tests run.
void SetProgramFolder(std::string folder);
const std::string& ProgramFolder();
std::string FileTitle(std::string_view path);
std::string FileExtension(std::string_view path);
std::string FileFolder(std::string_view path);
std::string AbsolutePath(std::string_view path);
std::string AbsolutePathOrEmpty(std::string_view path);
std::string RelativePath(std::string_view path);
std::string DisplayName(std::string_view path);
std::string CleanFileName(std::string_view text);

}  // namespace velmora
