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
        const std::size_t eq = arg.find('=');
        const std::string name = arg.substr(0, eq);
        if (name != "--text-format" && name != "--encoding") {
            problem = "unknown option '" + arg + "'";
            return false;
        }
        std::string value;
        if (eq != std::string::npos) {
            value = arg.substr(eq + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            problem = name + (name == "--encoding" ? " needs a value (utf-8 or cp932)"
                                                   : " needs a value (csv or tab)");
            return false;
        }
        if (name == "--encoding") {
            parsed.encoding = ParseEncoding(value);
            if (!parsed.encoding) {
                problem = "--encoding takes utf-8 or cp932, not '" + value + "'";
                return false;
            }
            continue;
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
