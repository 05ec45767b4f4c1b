// Fuzz target: parsing a configuration text, reading integer settings from it, and setting
// one in it as the seat selection does.
#include "config/ConfigFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
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

    // A target set in any text is the one read back from it (read as above, without an end
    // marker).
    const std::string set = ConfigFile::withValue(std::string((const char*)data, size), "winPoints",
                                                  "7", "The points.\nTwo lines.", "=", "#", "");
    std::istringstream written(set);
    ConfigFile changed;
    written >> changed;
    if (changed.read<int>("winPoints") != 7) std::abort();
    return 0;
}
