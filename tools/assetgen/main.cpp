// quelvane-assetgen <run folder>: writes the game's models/ and texturen/ into the run folder.
#include "assetgen.h"

#include <cstdio>
#include <sys/stat.h>

static bool writeFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <run folder>\n", argv[0]);
        return 2;
    }
    std::string dir = argv[1];
    mkdir(dir.c_str(), 0755);
    mkdir((dir + "/models").c_str(), 0755);
    mkdir((dir + "/texturen").c_str(), 0755);
    int failed = 0;
    for (const AssetFile& a : buildAllAssets()) {
        if (!writeFile(dir + "/" + a.path, a.bytes)) {
            std::fprintf(stderr, "cannot write %s/%s\n", dir.c_str(), a.path.c_str());
            failed++;
        }
    }
    return failed ? 1 : 0;
}
