#include "shell/uninstall_record.h"

#include <fstream>
#include <sstream>

#include "platform/xdg_paths.h"

namespace nubo {

bool UninstallRecord::write(const std::string& dataFolder, const std::string& program,
                            const std::vector<std::string>& arguments) {
    if (program.empty() || program.find('\0') != std::string::npos)
        return false;
    std::string text = program + '\0';
    for (const std::string& argument : arguments) {
        if (argument.find('\0') != std::string::npos)
            return false;
        text += argument + '\0';
    }
    return replaceFile(dataFolder + kFileName, text, 0600);
}

bool UninstallRecord::read(const std::string& dataFolder, std::string* program,
                           std::vector<std::string>* arguments) {
    std::ifstream in(dataFolder + kFileName, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream s;
    s << in.rdbuf();
    const std::string text = s.str();
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t end; (end = text.find('\0', start)) != std::string::npos; start = end + 1)
        fields.push_back(text.substr(start, end - start));
    if (fields.empty() || fields[0].empty())
        return false;
    *program = fields[0];
    arguments->assign(fields.begin() + 1, fields.end());
    return true;
}

}  // namespace nubo
