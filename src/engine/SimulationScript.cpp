#include "engine/SimulationScript.h"

#include <charconv>

#include "model/Controller.h"

namespace velmora {
namespace {

using Words = std::vector<std::string_view>;

Words SplitWords(std::string_view line) {
    line = line.substr(0, line.find('#'));
    Words words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

bool ParseInt(std::string_view word, int low, int high, int& value) {
    if (!word.empty() && word[0] == '+') word.remove_prefix(1);
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    return ec == std::errc() && end == word.data() + word.size() && value >= low && value <= high;
}

bool ParseDPad(std::string_view word, int& bits) {
    bits = 0;
    if (word == "none") return true;
    constexpr std::string_view Names[4] = {"up", "right", "down", "left"};
    constexpr int Bits[4] = {DPadUpBit, DPadRightBit, DPadDownBit, DPadLeftBit};
    while (true) {
        const std::string_view part = word.substr(0, word.find('+'));
        int found = -1;
        for (int d = 0; d < 4; ++d)
            if (part == Names[d]) found = d;
        if (found < 0) return false;
        bits |= Bits[found];
        if (part.size() == word.size()) return true;
        word.remove_prefix(part.size() + 1);
    }
}

// The parser's place in the script while it reads it line by line.
struct Reader {
    SimulationScript& Script;
    int Pass = 0;
    int Pad = 0;
    bool SawStatement = false;
    bool Ended = false;
    bool EndGiven = false;
    std::string Error;

    bool Fail(std::string message) {
        Error = std::move(message);
        return false;
    }
    void Add(ScriptAction action, int index, int x, int y = 0) {
        Script.Events.push_back({Pass, Pad, action, index, x, y});
    }
};

bool ReadPads(Reader& r, const Words& w) {
    if (r.SawStatement) return r.Fail("\"pads\" is allowed only as the first line");
    if (w.size() != 2 || !ParseInt(w[1], 1, 16, r.Script.Pads))
        return r.Fail("expected \"pads N\" with N 1..16");
    return true;
}

bool ReadAt(Reader& r, const Words& w) {
    int pass = 0;
    if (w.size() != 1 || !ParseInt(w[0].substr(1), 0, 100000000, pass))
        return r.Fail("expected \"@P\" with a pass number");
    if (pass < r.Pass)
        return r.Fail("pass " + std::to_string(pass) + " comes before pass " + std::to_string(r.Pass));
    r.Pass = pass;
    return true;
}

bool ReadPad(Reader& r, const Words& w) {
    if (w.size() != 2 || !ParseInt(w[1], 0, r.Script.Pads - 1, r.Pad))
        return r.Fail("expected \"pad K\" with K 0.." + std::to_string(r.Script.Pads - 1));
    return true;
}

bool ReadButton(Reader& r, const Words& w) {
    int b = 0;
    if (w.size() != 3 || !ParseInt(w[1], 1, 32, b) || (w[2] != "down" && w[2] != "up"))
        return r.Fail("expected \"button B down|up\" with B 1..32");
    r.Add(ScriptAction::Button, b - 1, w[2] == "down" ? 1 : 0);
    return true;
}

bool ReadDPad(Reader& r, const Words& w) {
    int bits = 0;
    if (w.size() != 2 || !ParseDPad(w[1], bits))
        return r.Fail("expected \"dpad none\" or directions up, right, down, left joined by '+'");
    r.Add(ScriptAction::DPad, 0, bits);
    return true;
}

bool ReadStick(Reader& r, const Words& w) {
    int s = 0, x = 0, y = 0;
    if (w.size() != 4 || !ParseInt(w[1], 1, 2, s) || !ParseInt(w[2], -255, 255, x) ||
        !ParseInt(w[3], -255, 255, y))
        return r.Fail("expected \"stick S X Y\" with S 1 or 2 and X, Y in -255..255");
    r.Add(ScriptAction::Stick, s - 1, x, y);
    return true;
}

bool ReadTrigger(Reader& r, const Words& w) {
    int v = 0;
    if (w.size() != 3 || (w[1] != "left" && w[1] != "right") || !ParseInt(w[2], 0, 255, v))
        return r.Fail("expected \"trigger left|right V\" with V 0..255");
    r.Add(ScriptAction::Trigger, w[1] == "left" ? 0 : 1, v);
    return true;
}

bool ReadSet(Reader& r, const Words& w) {
    int n = 0;
    if (w.size() != 2 || !ParseInt(w[1], 1, 8, n)) return r.Fail("expected \"set N\" with N 1..8");
    r.Add(ScriptAction::Set, 0, n - 1);
    return true;
}

bool ReadEnd(Reader& r, const Words& w) {
    int end = 0;
    if (w.size() != 2 || !ParseInt(w[1], 1, 100000000, end))
        return r.Fail("expected \"end P\" with P at least 1");
    if (!r.Script.Events.empty() && end <= r.Script.Events.back().Pass)
        return r.Fail("the end comes before the change at pass " +
                      std::to_string(r.Script.Events.back().Pass));
    r.Script.EndPass = end;
    r.Ended = r.EndGiven = true;
    return true;
}

bool ReadStatement(Reader& r, const Words& w) {
    if (r.Ended) return r.Fail("nothing may follow \"end\"");
    const std::string_view verb = w[0];
    if (verb == "pads") return ReadPads(r, w);
    if (verb.starts_with("@")) return ReadAt(r, w);
    if (verb == "pad") return ReadPad(r, w);
    if (verb == "button") return ReadButton(r, w);
    if (verb == "dpad") return ReadDPad(r, w);
    if (verb == "stick") return ReadStick(r, w);
    if (verb == "trigger") return ReadTrigger(r, w);
    if (verb == "set") return ReadSet(r, w);
    if (verb == "end") return ReadEnd(r, w);
    return r.Fail("unknown word \"" + std::string(verb) + "\"");
}

}  // namespace

bool ParseScript(std::string_view text, SimulationScript& script, std::string& error) {
    script = SimulationScript{};
    Reader r{script, 0, 0, false, false, false, {}};
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        const Words words = SplitWords(line);
        if (words.empty()) continue;
        if (!ReadStatement(r, words)) {
            error = "line " + std::to_string(lineNumber) + ": " + r.Error;
            return false;
        }
        r.SawStatement = true;
    }
    if (!r.EndGiven) script.EndPass = (script.Events.empty() ? 0 : script.Events.back().Pass) + 100;
    return true;
}

}  // namespace velmora
