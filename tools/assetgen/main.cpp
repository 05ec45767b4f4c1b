// quelvane-assetgen <run folder> [<icon folder>]: writes the game's models/ and texturen/ into
// the run folder, and the desktop icons into the icon folder.
#include "assetgen.h"

#include <cstdio>
#include <sys/stat.h>

// Creates every missing folder on the way to the file.
static void makeParents(const std::string& path) {
    for (size_t at = path.find('/', 1); at != std::string::npos; at = path.find('/', at + 1))
        mkdir(path.substr(0, at).c_str(), 0755);
}

static bool writeFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    makeParents(path);
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

static int writeAll(const std::string& dir, const std::vector<AssetFile>& files) {
    int failed = 0;
    for (const AssetFile& a : files) {
        if (!writeFile(dir + "/" + a.path, a.bytes)) {
            std::fprintf(stderr, "cannot write %s/%s\n", dir.c_str(), a.path.c_str());
            failed++;
        }
    }
    return failed;
}

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s <run folder> [<icon folder>]\n", argv[0]);
        return 2;
    }
    int failed = writeAll(argv[1], buildAllAssets());
    if (argc == 3) failed += writeAll(argv[2], buildIcons());
    return failed ? 1 : 0;
}
