// Parsing, trimming and printing of configuration files, and setting a value in one.
#include "ConfigFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <vector>

#include "platform/platform.h"

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

// The value's place on a line that gives a key one: the text between the delimiter and the
// comment, less the blanks around it (and a carriage return at the line's end).
static void valuePlace(const std::string& line, std::string::size_type delimEnd,
                       const std::string& comment, std::string::size_type* from,
                       std::string::size_type* to) {
    static const char blanks[] = " \t\v\r\f";
    std::string::size_type end = comment.empty() ? 0 : line.find(comment, delimEnd);
    if (end == std::string::npos) end = line.size();
    const std::string::size_type first = line.find_first_not_of(blanks, delimEnd);
    if (first == std::string::npos || first >= end) {
        *from = *to = delimEnd;
        return;
    }
    *from = first;
    *to = line.find_last_not_of(blanks, end - 1) + 1;
}

static std::string lineWithValue(const std::string& line, std::string::size_type delimEnd,
                                 const std::string& comment, const std::string& value) {
    std::string::size_type from, to;
    valuePlace(line, delimEnd, comment, &from, &to);
    const bool empty = from == to;
    return line.substr(0, from) + (empty ? " " : "") + value + line.substr(to);
}

// Walks the lines as the parser reads them: each entry's key line and the lines that continue
// its value, up to the end marker.
std::string ConfigFile::withValue(const std::string& text, const std::string& key,
                                  const std::string& value, const std::string& note,
                                  const std::string& delimiter, const std::string& comment,
                                  const std::string& sentry) {
    std::vector<std::string> lines;
    std::string::size_type at = 0;
    while (at < text.size()) {
        std::string::size_type end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    const bool crlf = !lines.empty() && !lines[0].empty() && lines[0].back() == '\r';
    std::vector<bool> dropped(lines.size(), false);
    std::vector<std::string>::size_type i = 0, endLine = lines.size();
    bool found = false;
    while (i < lines.size()) {
        const std::string cut = uncommented(lines[i], comment);
        if (holds(cut, sentry)) {
            endLine = i;
            break;
        }
        const std::string::size_type delimPos = cut.find(delimiter);
        if (delimPos == std::string::npos) {
            i++;
            continue;
        }
        std::string name = cut.substr(0, delimPos);
        trim(name);
        auto j = i + 1;
        for (; j < lines.size(); j++) {
            std::string rest = lines[j];
            trim(rest);
            const std::string more = uncommented(lines[j], comment);
            if (rest.empty() || more.find(delimiter) != std::string::npos || holds(more, sentry))
                break;
        }
        if (name == key) {
            found = true;
            lines[i] = lineWithValue(lines[i], delimPos + delimiter.size(), comment, value);
            for (auto m = i + 1; m < j; m++) {
                const std::string::size_type c =
                    comment.empty() ? std::string::npos : lines[m].find(comment);
                if (c == std::string::npos)
                    dropped[m] = true;
                else
                    lines[m] = lines[m].substr(c);
            }
        }
        i = j;
    }
    std::vector<std::string> added;
    const std::string eol = crlf ? "\r" : "";
    if (!found) {
        std::string before = endLine > 0 ? lines[endLine - 1] : std::string();
        trim(before);
        if (!before.empty()) added.push_back(eol);
        for (std::string::size_type from = 0; from < note.size();) {
            std::string::size_type end = note.find('\n', from);
            if (end == std::string::npos) end = note.size();
            added.push_back(comment + " " + note.substr(from, end - from) + eol);
            from = end + 1;
        }
        added.push_back(key + " " + delimiter + " " + value + eol);
        if (endLine < lines.size()) added.push_back(eol);
    }
    std::string out;
    auto put = [&](const std::string& line) {
        out += line;
        out += '\n';
    };
    for (std::vector<std::string>::size_type k = 0; k <= lines.size(); k++) {
        if (k == endLine)
            for (const std::string& line : added) put(line);
        if (k < lines.size() && !dropped[k]) put(lines[k]);
    }
    // A file that did not end its last line still does not, unless a line was added after it.
    const bool addedLast = !found && endLine == lines.size();
    if (!text.empty() && text.back() != '\n' && !addedLast) out.pop_back();
    return out;
}

int writeConfigValue(const char* path, const char* key, const char* value, const char* note,
                     char* why, int whySize) {
    static unsigned char text[65536];
    int size = 0;
    const FileState state = sysReadFile(path, text, sizeof text, &size, why, whySize);
    if (state == FILE_MISSING) std::snprintf(why, whySize, "%s is gone", path);
    if (state == FILE_NOT_REGULAR) return WRITE_IN_THE_WAY;
    if (state != FILE_READ) return WRITE_FAILED;
    struct stat st;
    int mode = 0644;
    if (lstat(path, &st) == 0 && S_ISREG(st.st_mode)) {
        if (access(path, W_OK) != 0) {
            std::snprintf(why, whySize, "%s may not be written: %s", path, std::strerror(errno));
            return WRITE_FILE_READ_ONLY;
        }
        mode = st.st_mode & 0777;
    }
    const std::string changed =
        ConfigFile::withValue(std::string((const char*)text, size), key, value, note ? note : "");
    int trouble = WRITE_OK;
    sysReplaceFile(path, changed.data(), (int)changed.size(), why, whySize, &trouble, mode);
    return trouble;
}
