#include "ArgParser.h"

#include <algorithm>

namespace glyphora::tool {

std::string ParsedArguments::value(const std::string& name) const {
    const auto it = values_.find(name);
    return it == values_.end() ? std::string() : it->second;
}

Result<ParsedArguments> ParseArguments(const std::vector<std::string>& words, const std::vector<OptionSpec>& options) {
    ParsedArguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            parsed.positional_.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        const std::string body = word.substr(word.rfind("--", 0) == 0 ? 2 : 1);
        const auto eq = body.find('=');
        const std::string name = body.substr(0, eq);
        const auto spec =
            std::find_if(options.begin(), options.end(), [&](const OptionSpec& o) { return o.name == name; });
        if (spec == options.end()) return MakeError(ErrorKind::Usage, "Unknown option '" + name + "'.");
        // Which of two values was meant is a guess; a script that repeats one has a fault worth seeing.
        if (parsed.isSet(name)) return MakeError(ErrorKind::Usage, "The option '--" + name + "' is given twice.");
        if (spec->valueName.empty()) {
            if (eq != std::string::npos) return MakeError(ErrorKind::Usage, "Unexpected value after '--" + name + "'.");
            parsed.values_[name];
            continue;
        }
        if (eq != std::string::npos) {
            parsed.values_[name] = body.substr(eq + 1);
        } else if (i + 1 < words.size()) {
            parsed.values_[name] = words[++i];
        } else {
            return MakeError(ErrorKind::Usage, "Missing value after '--" + name + "'.");
        }
    }
    return parsed;
}

}  // namespace glyphora::tool
