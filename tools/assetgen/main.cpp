// quelvane-assetgen <run folder> [<icon folder>] [--catalogue <xx.po>]...: writes the game's
// models/ and texturen/ into the run folder, the desktop icons into the icon folder, and for
// each catalogue the textures with words of its language; --window-icon writes the window's
// icon as a source file of the game.
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

// The catalogue po/xx.po makes the textures of language xx.
static int writeLanguage(const std::string& dir, const std::string& catalogue) {
    std::vector<CatalogueEntry> entries;
    if (!readCatalogue(catalogue, entries)) {
        std::fprintf(stderr, "cannot read %s\n", catalogue.c_str());
        return 1;
    }
    const size_t slash = catalogue.rfind('/'), dot = catalogue.rfind('.');
    const size_t from = slash == std::string::npos ? 0 : slash + 1;
    const std::string language =
        catalogue.substr(from, dot == std::string::npos ? dot : dot - from);
    return writeAll(dir, buildLanguageAssets(language, entries));
}

static int writeSource(const std::string& path, const std::string& text) {
    if (writeFile(path, std::vector<unsigned char>(text.begin(), text.end()))) return 0;
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return 1;
}

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--window-icon")
        return writeSource(argv[2], windowIconSource());
    std::vector<std::string> folders, catalogues;
    for (int i = 1; i < argc; i++) {
        if (std::string(argv[i]) == "--catalogue" && i + 1 < argc)
            catalogues.push_back(argv[++i]);
        else
            folders.push_back(argv[i]);
    }
    if (folders.empty() || folders.size() > 2) {
        std::fprintf(stderr,
                     "usage: %s <run folder> [<icon folder>] [--catalogue <xx.po>]...\n"
                     "       %s --window-icon <source file>\n",
                     argv[0], argv[0]);
        return 2;
    }
    int failed = writeAll(folders[0], buildAllAssets());
    if (folders.size() == 2) failed += writeAll(folders[1], buildIcons());
    for (const std::string& catalogue : catalogues) failed += writeLanguage(folders[0], catalogue);
    return failed ? 1 : 0;
}
