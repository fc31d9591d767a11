#pragma once
// The help window's topics: a heading and a text in the markup for each topic
// number that the menus and help buttons carry. The texts are composed of
// translated sentences, so a language file translates them sentence by sentence.

#include <optional>
#include <span>
#include <string>

namespace velmora {

// What some topics show about the running program.
struct HelpValues {
    std::string WindowsVersion;  // "Windows 10 (10.0.19045)"
    std::string ProgramVersion;  // "1.0": major "." minor
    std::string XInputLibrary;   // the loaded XInput library's file, empty when none
};

struct HelpTopic {
    std::string Heading;
    std::string Text;
};

// Every topic number that has a text.
std::span<const int> HelpTopicNumbers();
// The topic's heading and text, or nothing for a number outside the table.
std::optional<HelpTopic> FindHelpTopic(int topic, const HelpValues& values);

}  // namespace velmora
