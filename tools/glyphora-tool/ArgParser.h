// The words after a command's name: options "--name VALUE" or "--name=VALUE",
// and the positional words. Small on purpose, so the tool needs no toolkit.
#pragma once

#include <Error.h>

#include <map>
#include <string>
#include <vector>

namespace glyphora::tool {

struct OptionSpec {
    std::string name;       // without the leading "--"
    std::string valueName;  // empty: a flag without a value
};

class ParsedArguments {
public:
    bool isSet(const std::string& name) const { return values_.count(name) != 0; }
    // The option's value, or empty.
    std::string value(const std::string& name) const;
    const std::vector<std::string>& positional() const { return positional_; }

private:
    friend Result<ParsedArguments> ParseArguments(const std::vector<std::string>&, const std::vector<OptionSpec>&);
    std::map<std::string, std::string> values_;
    std::vector<std::string> positional_;
};

// Usage errors name the word at fault ("Unknown option 'x'.", "Missing value
// after '--set'.", "The option '--set' is given twice."). "--" ends the options.
Result<ParsedArguments> ParseArguments(const std::vector<std::string>& words, const std::vector<OptionSpec>& options);

}  // namespace glyphora::tool
