// A key-value configuration file: parsed once into an ordered map, values converted on demand.
#pragma once
#include <iosfwd>
#include <map>
#include <sstream>
#include <string>

// Lines read "key <delimiter> value"; text after the comment marker is ignored, a line holding
// the end marker (sentry) stops the parse, and lines without a delimiter continue the value
// above them until a blank line. Keys and values are stored trimmed; a repeated key keeps the
// last value. The file constructor throws file_not_found, read() throws key_not_found.
class ConfigFile {
  public:
    struct file_not_found {
        std::string filename;
        file_not_found(const std::string& filename_ = std::string()) : filename(filename_) {}
    };
    struct key_not_found {
        std::string key;
        key_not_found(const std::string& key_ = std::string()) : key(key_) {}
    };

    ConfigFile(std::string filename, std::string delimiter = "=", std::string comment = "#",
               std::string sentry = "EndConfigFile");
    ConfigFile();

    template <class T> T read(const std::string& key) const;
    bool keyExists(const std::string& key) const;
    void remove(const std::string& key);

    // Formatted extraction of one T; trailing text is ignored, a failed read gives T().
    template <class T> static T string_as_T(const std::string& s);
    static void trim(std::string& s);

    // The text of a configuration file with key set to value, read by the rules above: every
    // line that gives key a value takes the new one in place of the old, keeping what stands
    // around it (blanks, a comment, the line's end); lines that continued the old value go,
    // but for their comments. Where no line gives key a value, the note as comments (a line
    // each) and
    // "key = value" are added before the line of the end marker, or at the end. Every other
    // line stays as it was, in its place.
    static std::string withValue(const std::string& text, const std::string& key,
                                 const std::string& value, const std::string& note,
                                 const std::string& delimiter = "=",
                                 const std::string& comment = "#",
                                 const std::string& sentry = "EndConfigFile");

    friend std::ostream& operator<<(std::ostream& os, const ConfigFile& cf);
    friend std::istream& operator>>(std::istream& is, ConfigFile& cf);

  protected:
    std::string delimiter;
    std::string comment;
    std::string sentry;
    std::map<std::string, std::string> contents;
};

template <class T> T ConfigFile::string_as_T(const std::string& s) {
    T t = T();
    std::istringstream ist(s);
    ist >> t;
    return ist.fail() ? T() : t;
}

template <class T> T ConfigFile::read(const std::string& key) const {
    auto p = contents.find(key);
    if (p == contents.end()) throw key_not_found(key);
    return string_as_T<T>(p->second);
}

// Sets key to value in the game's configuration file at path, as withValue changes its text
// (note: the comment over a key it adds), at once and never half written: the new text
// replaces the file by a rename, so that a file that was a symbolic link becomes a file of
// its own. A file that may not be written (the player made it read-only) stays as it is.
// Returns a WriteTrouble (platform.h), WRITE_OK when the value is in the file; why tells the
// reason otherwise.
int writeConfigValue(const char* path, const char* key, const char* value, const char* note,
                     char* why, int whySize);
