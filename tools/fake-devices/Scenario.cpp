#include "Scenario.h"

#include <array>
#include <charconv>
#include <sstream>

namespace velmora::fake {
namespace {

using Words = std::vector<std::string>;

// Splits a line into words; a double-quoted word may hold spaces. "#" starts a comment.
Words SplitWords(const std::string& line) {
    Words words;
    std::size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (c == '#') break;
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
            continue;
        }
        std::string word;
        if (c == '"') {
            std::size_t end = line.find('"', i + 1);
            if (end == std::string::npos) end = line.size();
            word = line.substr(i + 1, end - i - 1);
            i = end + 1;
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') word += line[i++];
        }
        words.push_back(word);
    }
    return words;
}

bool ParseInt(const std::string& text, int& value, int base = 10) {
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    auto [ptr, ec] = std::from_chars(first, last, value, base);
    return ec == std::errc() && ptr == last && first != last;
}

bool ParseRange(const std::string& text, int low, int high, int& value) {
    return ParseInt(text, value) && value >= low && value <= high;
}

constexpr std::array<const char*, AxisCount> AxisNames{"x", "y", "z", "rx", "ry", "rz", "s1", "s2"};
constexpr std::array<const char*, 10> PadButtonNames{"a", "b", "x", "y", "lb", "rb", "back", "start", "ls", "rs"};

int FindName(const std::string& word, const char* const* names, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        if (word == names[i]) return static_cast<int>(i);
    return -1;
}

int FindAxis(const std::string& word) { return FindName(word, AxisNames.data(), AxisNames.size()); }

class Parser {
public:
    explicit Parser(Scenario& scenario) : scenario_(scenario) { scenario_.Steps.push_back(Step{}); }

    // Returns an empty string or the problem with the line.
    std::string Line(const Words& w, int number) {
        line_ = number;
        const std::string& head = w[0];
        if (head == "profile" || head == "file" || head == "expect" || head == "option") return {};
        if (head == "device") return Device(w);
        if (head == "wait") return Wait(w);
        if (head == "plug" || head == "unplug") return PlugLine(w);
        if (head == "start-second") return Simple(ActionKind::StartSecond, w);
        if (head == "start-program") return Simple(ActionKind::StartProgram, w);
        if (head == "close") return Simple(ActionKind::Close, w);
        if (head == "close-dialogs") return Simple(ActionKind::CloseDialogs, w);
        if (head == "end-session") return Simple(ActionKind::EndSession, w);
        if (head == "crash") return Simple(ActionKind::Crash, w);
        if (head == "sleep") return Simple(ActionKind::Sleep, w);
        if (head == "wake") return Simple(ActionKind::Wake, w);
        if (head == "mark") return Simple(ActionKind::Mark, w);
        int device = FindDevice(head);
        if (device < 0) return "unknown statement or device \"" + head + "\"";
        return DeviceChange(device, w);
    }

private:
    int FindDevice(const std::string& name) const {
        for (std::size_t i = 0; i < scenario_.Devices.size(); ++i)
            if (scenario_.Devices[i].Name == name) return static_cast<int>(i);
        return -1;
    }

    void Add(Action action) { scenario_.Steps.back().Actions.push_back(std::move(action)); }

    std::string Device(const Words& w) {
        if (w.size() < 3) return "expected: device NAME \"PRODUCT NAME\" [vid=HEX pid=HEX xinput ffb ...]";
        if (FindDevice(w[1]) >= 0) return "device \"" + w[1] + "\" declared twice";
        DeviceTraits d;
        d.Name = w[1];
        d.Product = w[2];
        d.AxisMask = 1 << AxisX | 1 << AxisY | 1 << AxisRX | 1 << AxisRY;
        d.Buttons = 12;
        d.Povs = 1;
        for (std::size_t i = 3; i < w.size(); ++i) {
            std::string problem = DeviceOption(d, w[i]);
            if (!problem.empty()) return problem;
        }
        if (d.XInput) {  // the layout an XInput pad shows to DirectInput
            d.AxisMask = 1 << AxisX | 1 << AxisY | 1 << AxisZ | 1 << AxisRX | 1 << AxisRY;
            d.Buttons = 10;
            d.Povs = 1;
        }
        scenario_.Devices.push_back(d);
        return {};
    }

    static std::string DeviceOption(DeviceTraits& d, const std::string& option) {
        std::size_t eq = option.find('=');
        std::string key = option.substr(0, eq);
        std::string value = eq == std::string::npos ? "" : option.substr(eq + 1);
        int n = 0;
        if (key == "xinput") d.XInput = true;
        else if (key == "ffb") d.ForceFeedback = true;
        else if (key == "vid" && ParseInt(value, n, 16) && n >= 0 && n <= 0xFFFF) d.Vendor = static_cast<std::uint16_t>(n);
        else if (key == "pid" && ParseInt(value, n, 16) && n >= 0 && n <= 0xFFFF) d.ProductId = static_cast<std::uint16_t>(n);
        else if (key == "buttons" && ParseRange(value, 0, 32, n)) d.Buttons = n;
        else if (key == "povs" && ParseRange(value, 0, 4, n)) d.Povs = n;
        else if (key == "axes") return AxesOption(d, value);
        else return "bad device option \"" + option + "\"";
        return {};
    }

    static std::string AxesOption(DeviceTraits& d, const std::string& list) {
        d.AxisMask = 0;
        std::stringstream in(list);
        std::string name;
        while (std::getline(in, name, ',')) {
            int axis = FindAxis(name);
            if (axis < 0) return "unknown axis \"" + name + "\"";
            d.AxisMask = static_cast<std::uint8_t>(d.AxisMask | 1 << axis);
        }
        return {};
    }

    std::string Wait(const Words& w) {
        Step step;
        step.Line = line_;
        if (w.size() == 3 && w[2] == "ms" && ParseRange(w[1], 1, 600000, step.Count)) {
            step.Wait = WaitKind::Milliseconds;
        } else if (w.size() == 3 && FindDevice(w[1]) >= 0 && ParseRange(w[2], 1, 1000000, step.Count)) {
            step.Wait = WaitKind::Reads;
            step.Device = FindDevice(w[1]);
        } else if (w.size() == 3 && w[1] == "file" && !w[2].empty()) {
            step.Wait = WaitKind::File;
            step.File = w[2];
        } else {
            return "expected: wait DEVICE READS, wait N ms, or wait file NAME";
        }
        scenario_.Steps.push_back(step);
        return {};
    }

    std::string PlugLine(const Words& w) {
        int device = w.size() == 2 ? FindDevice(w[1]) : -1;
        if (device < 0) return "expected: " + w[0] + " DEVICE (a declared device)";
        Action a;
        a.Kind = w[0] == "plug" ? ActionKind::Plug : ActionKind::Unplug;
        a.Device = device;
        Add(a);
        return {};
    }

    std::string Simple(ActionKind kind, const Words& w) {
        Action a;
        a.Kind = kind;
        for (std::size_t i = 1; i < w.size(); ++i) a.Text += (i > 1 ? " " : "") + w[i];
        Add(a);
        return {};
    }

    std::string DeviceChange(int device, const Words& w) {
        const DeviceTraits& d = scenario_.Devices[static_cast<std::size_t>(device)];
        Action a;
        a.Device = device;
        std::string what = w.size() > 1 ? w[1] : "";
        std::string problem;
        if (what == "button") problem = ButtonChange(d, w, a);
        else if (what == "axis") problem = AxisChange(d, w, a);
        else if (what == "dpad" || what == "pov") problem = PovChange(w, a);
        else if (what == "stick") problem = StickChange(w, a);
        else if (what == "trigger") problem = TriggerChange(d, w, a);
        else if (what == "xinput-side") problem = SideChange(d, w, a);
        else if (what == "battery") problem = BatteryChange(d, w, a);
        else problem = "expected: DEVICE button|axis|dpad|pov|stick|trigger|xinput-side|battery ...";
        if (problem.empty()) Add(a);
        return problem;
    }

    static std::string ButtonChange(const DeviceTraits& d, const Words& w, Action& a) {
        if (w.size() != 4 || (w[3] != "down" && w[3] != "up")) return "expected: DEVICE button B down|up";
        int button = -1;
        int count = d.XInput ? 10 : 32;
        if (ParseRange(w[2], 1, count, button)) --button;
        else if (d.XInput) button = FindName(w[2], PadButtonNames.data(), PadButtonNames.size());
        if (button < 0) return d.XInput ? "XInput buttons: a b x y lb rb back start ls rs (or 1..10)"
                                        : "buttons are numbered 1..32";
        a.Kind = ActionKind::Button;
        a.Index = button;
        a.Value = w[3] == "down" ? 1 : 0;
        return {};
    }

    static std::string AxisChange(const DeviceTraits& d, const Words& w, Action& a) {
        if (d.XInput) return "an XInput pad moves with stick and trigger";
        int axis = w.size() == 4 ? FindAxis(w[2]) : -1;
        if (axis < 0 || !ParseRange(w[3], 0, 65535, a.Value)) return "expected: DEVICE axis x|y|z|rx|ry|rz|s1|s2 0..65535";
        a.Kind = ActionKind::Axis;
        a.Index = axis;
        return {};
    }

    static std::string PovChange(const Words& w, Action& a) {
        a.Kind = ActionKind::Pov;
        std::uint16_t bits = 0;
        if (w.size() != 3) return "expected: DEVICE dpad none|up|up+right|..., or DEVICE pov none|0..35999";
        if (w[1] == "dpad" && ParseDirections(w[2], bits)) {
            a.Value = PovOfDirections(bits);
            a.Value2 = bits;
            return {};
        }
        if (w[1] == "pov" && w[2] == "none") a.Value = -1;
        else if (w[1] != "pov" || !ParseRange(w[2], 0, 35999, a.Value)) return "bad DPad or POV value";
        a.Value2 = -1;  // a raw angle: an XInput pad cannot show it
        return {};
    }

    static std::string StickChange(const Words& w, Action& a) {
        int stick = 0;
        if (w.size() != 5 || !ParseRange(w[2], 1, 2, stick) || !ParseRange(w[3], -32768, 32767, a.Value) ||
            !ParseRange(w[4], -32768, 32767, a.Value2))
            return "expected: DEVICE stick 1|2 X Y (-32768..32767, right and up positive)";
        a.Kind = ActionKind::Stick;
        a.Index = stick - 1;
        return {};
    }

    static std::string SideChange(const DeviceTraits& d, const Words& w, Action& a) {
        if (!d.XInput) return "only an XInput pad has an XInput side";
        const std::array<const char*, 3> names{"shown", "hidden", "late"};
        a.Value = w.size() == 3 ? FindName(w[2], names.data(), names.size()) : -1;
        if (a.Value < 0) return "expected: DEVICE xinput-side shown|hidden|late";
        a.Kind = ActionKind::XInputSide;
        return {};
    }

    static std::string BatteryChange(const DeviceTraits& d, const Words& w, Action& a) {
        if (!d.XInput) return "only an XInput pad reports a battery";
        const std::array<const char*, 4> levels{"empty", "low", "medium", "full"};
        a.Value = w.size() != 3      ? -2
                  : w[2] == "wired" ? BatteryIsWired
                                    : FindName(w[2], levels.data(), levels.size());
        if (a.Value < BatteryIsWired) return "expected: DEVICE battery wired|empty|low|medium|full";
        a.Kind = ActionKind::Battery;
        return {};
    }

    static std::string TriggerChange(const DeviceTraits& d, const Words& w, Action& a) {
        if (!d.XInput) return "triggers belong to XInput pads; use axis on a DirectInput device";
        if (w.size() != 4 || (w[2] != "left" && w[2] != "right") || !ParseRange(w[3], 0, 255, a.Value))
            return "expected: DEVICE trigger left|right 0..255";
        a.Kind = ActionKind::Trigger;
        a.Index = w[2] == "left" ? 0 : 1;
        return {};
    }

    Scenario& scenario_;
    int line_ = 0;
};

}  // namespace

bool ParseDirections(const std::string& text, std::uint16_t& bits) {
    bits = 0;
    if (text == "none" || text == "centre" || text == "center") return true;
    std::stringstream in(text);
    std::string word;
    while (std::getline(in, word, '+')) {
        if (word == "up") bits |= PadDPadUp;
        else if (word == "down") bits |= PadDPadDown;
        else if (word == "left") bits |= PadDPadLeft;
        else if (word == "right") bits |= PadDPadRight;
        else return false;
    }
    return bits != 0;
}

int PovOfDirections(std::uint16_t bits) {
    bool up = bits & PadDPadUp, down = bits & PadDPadDown, left = bits & PadDPadLeft, right = bits & PadDPadRight;
    if (up && down) up = down = false;  // a hat cannot point both ways
    if (left && right) left = right = false;
    if (up) return right ? 4500 : left ? 31500 : 0;
    if (down) return right ? 13500 : left ? 22500 : 18000;
    if (right) return 9000;
    if (left) return 27000;
    return -1;
}

bool ParseScenario(const std::string& text, Scenario& scenario, std::string& error) {
    scenario = Scenario{};
    Parser parser(scenario);
    std::stringstream in(text);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        Words words = SplitWords(line);
        if (words.empty()) continue;
        if (words[0] == "end") break;
        std::string problem = parser.Line(words, number);
        if (!problem.empty()) {
            error = "line " + std::to_string(number) + ": " + problem;
            return false;
        }
    }
    return true;
}

}  // namespace velmora::fake
