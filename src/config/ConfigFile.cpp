// Parsing, trimming and printing of configuration files.
#include "ConfigFile.h"

#include <fstream>
#include <iostream>

ConfigFile::ConfigFile(std::string filename, std::string delimiter_, std::string comment_,
                       std::string sentry_)
    : delimiter(delimiter_), comment(comment_), sentry(sentry_) {
    std::ifstream in(filename.c_str());
    if (!in) throw file_not_found(filename);
    in >> (*this);
}

ConfigFile::ConfigFile() : delimiter("="), comment("#") {}

bool ConfigFile::keyExists(const std::string& key) const {
    return contents.count(key) != 0;
}

void ConfigFile::remove(const std::string& key) {
    contents.erase(key);
}

void ConfigFile::trim(std::string& s) {
    static const char whitespace[] = " \n\t\v\r\f";
    s.erase(0, s.find_first_not_of(whitespace));
    s.erase(s.find_last_not_of(whitespace) + 1U);
}

std::ostream& operator<<(std::ostream& os, const ConfigFile& cf) {
    for (const auto& entry : cf.contents)
        os << entry.first << " " << cf.delimiter << " " << entry.second << std::endl;
    return os;
}

// Cuts a line at the comment marker; find() of an empty marker is 0, so it cuts everything.
static std::string uncommented(const std::string& line, const std::string& comment) {
    return line.substr(0, line.find(comment));
}

static bool holds(const std::string& line, const std::string& what) {
    return !what.empty() && line.find(what) != std::string::npos;
}

std::istream& operator>>(std::istream& is, ConfigFile& cf) {
    const std::string::size_type skip = cf.delimiter.length();
    std::string pending;
    while (is || !pending.empty()) {
        std::string line;
        if (pending.empty())
            std::getline(is, line);
        else {
            line = pending;
            pending.clear();
        }
        line = uncommented(line, cf.comment);
        if (holds(line, cf.sentry)) return is;

        std::string::size_type delimPos = line.find(cf.delimiter);
        if (delimPos == std::string::npos) continue;

        std::string key = line.substr(0, delimPos);
        line.replace(0, delimPos + skip, "");

        // Lines without a delimiter continue the value until a blank line or a new entry.
        bool terminate = false;
        while (!terminate && is) {
            std::getline(is, pending);
            terminate = true;
            std::string rest = pending;
            ConfigFile::trim(rest);
            if (rest.empty()) {
                pending.clear();
                continue;
            }
            std::string cut = uncommented(pending, cf.comment);
            if (cut.find(cf.delimiter) != std::string::npos) continue;
            if (holds(cut, cf.sentry)) continue;

            std::string trimmedCut = cut;
            ConfigFile::trim(trimmedCut);
            if (!trimmedCut.empty()) line += "\n";
            line += cut;
            terminate = false;
            pending.clear();
        }

        ConfigFile::trim(key);
        ConfigFile::trim(line);
        cf.contents[key] = line;
    }
    return is;
}
