#include "app/silent_options.h"

#include "base/text_lines.h"

namespace velmora {
namespace {

bool IsSilentSwitch(const std::string& argument) {
    return LowerAscii(argument) == "/s";
}

// "a,b,,c" as its non-empty names, each trimmed of blanks.
std::vector<std::string> SplitNames(const std::string& list) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(',', start);
        if (end == std::string::npos) end = list.size();
        std::string name = list.substr(start, end - start);
        const size_t first = name.find_first_not_of(' ');
        if (first != std::string::npos)
            names.push_back(name.substr(first, name.find_last_not_of(' ') - first + 1));
        start = end + 1;
    }
    return names;
}

// Takes one switch; false when it cannot.
bool TakeSwitch(const std::string& argument, SilentOptions& options) {
    const size_t equals = argument.find('=');
    const std::string name = LowerAscii(argument.substr(0, equals));
    const bool hasValue = equals != std::string::npos;
    const std::string value = hasValue ? argument.substr(equals + 1) : "";
    struct Flag {
        const char* name;
        bool SilentOptions::*member;
    };
    static const Flag kFlags[] = {{"/agree", &SilentOptions::agree},
                                  {"/removeold", &SilentOptions::removeOld},
                                  {"/quota", &SilentOptions::raiseQuota}};
    for (const Flag& flag : kFlags) {
        if (name != flag.name) continue;
        if (hasValue) break;
        options.*flag.member = true;
        return true;
    }
    struct Text {
        const char* name;
        std::string SilentOptions::*member;
    };
    static const Text kTexts[] = {{"/qip", &SilentOptions::qipFolder},
                                  {"/lang", &SilentOptions::language},
                                  {"/log", &SilentOptions::logPath}};
    for (const Text& text : kTexts) {
        if (name != text.name || value.empty()) continue;
        options.*text.member = value;
        return true;
    }
    if (name == "/variant" && (value == "1" || value == "2")) {
        options.variant = value[0] - '0';
        return true;
    }
    if (name == "/skins" && !value.empty()) {
        options.skins = LowerAscii(value) == "all" ? std::vector<std::string>{} : SplitNames(value);
        if (!options.skins.empty() || LowerAscii(value) == "all") return true;
    }
    return false;
}

}  // namespace

SilentOptions ParseSilentOptions(const std::vector<std::string>& arguments) {
    SilentOptions options;
    for (const std::string& argument : arguments)
        options.silent = options.silent || IsSilentSwitch(argument);
    if (!options.silent) return options;
    for (const std::string& argument : arguments) {
        if (IsSilentSwitch(argument)) continue;
        // The first option not understood is named; the others are still read, so that the
        // run's log goes where /LOG says.
        if (!TakeSwitch(argument, options) && options.error.empty())
            options.error = "The option \"" + argument + "\" is not understood.";
    }
    return options;
}

}  // namespace velmora
