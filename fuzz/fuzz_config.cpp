// Fuzz target: parsing a configuration text and reading integer settings from it.
#include "config/ConfigFile.h"

#include <cstddef>
#include <cstdint>
#include <sstream>

static void readSetting(const ConfigFile& config, const std::string& key) {
    try {
        (void)config.read<int>(key);
    } catch (const ConfigFile::key_not_found&) {}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string((const char*)data, size));
    ConfigFile config;
    in >> config;
    readSetting(config, "resolution");
    readSetting(config, "winPoints");

    // Printing, and parsing what was printed.
    std::ostringstream out;
    out << config;
    std::istringstream again(out.str());
    ConfigFile reread;
    again >> reread;
    readSetting(reread, "winPoints");
    return 0;
}
