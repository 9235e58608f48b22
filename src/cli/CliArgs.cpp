#include "CliArgs.h"

bool ParseTableArgs(const std::vector<std::string>& args, CTableArgs& parsed,
                    std::string& problem) {
    bool optionsDone = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsDone || arg.empty() || arg[0] != '-' || arg == "-") {
            parsed.files.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsDone = true;
            continue;
        }
        if (arg == "-h" || arg == "--help") {
            parsed.help = true;
            continue;
        }
        std::string value;
        if (arg == "--text-format") {
            if (i + 1 >= args.size()) {
                problem = "--text-format needs a value (csv or tab)";
                return false;
            }
            value = args[++i];
        } else if (arg.rfind("--text-format=", 0) == 0) {
            value = arg.substr(14);
        } else {
            problem = "unknown option '" + arg + "'";
            return false;
        }
        const auto format = ParseTextFormat(value);
        if (!format) {
            problem = "--text-format takes csv or tab, not '" + value + "'";
            return false;
        }
        parsed.textFormat = *format;
    }
    return true;
}
