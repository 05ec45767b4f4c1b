// Test helper for the end-to-end runs: where board places and panels land on the screen, and
// pixel counts in screenshots (binary PPM) to tell what the game drew.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "game/board.h"
#include "render/layout.h"

namespace {

const int screenW = 1280, screenH = 1024;

struct Camera {
    float rX = 30, rY = 0, zoom = -300, trans1 = 0, trans2 = 0;
};

struct Vec {
    double x, y, z;
};

Vec rotX(Vec v, double deg) {
    const double a = deg * M_PI / 180, c = std::cos(a), s = std::sin(a);
    return {v.x, c * v.y - s * v.z, s * v.y + c * v.z};
}

Vec rotY(Vec v, double deg) {
    const double a = deg * M_PI / 180, c = std::cos(a), s = std::sin(a);
    return {c * v.x + s * v.z, v.y, -s * v.x + c * v.z};
}

Vec rotZ(Vec v, double deg) {
    const double a = deg * M_PI / 180, c = std::cos(a), s = std::sin(a);
    return {c * v.x - s * v.y, s * v.x + c * v.y, v.z};
}

// The frame's camera: translate, rotate rX about x, rY about y, -90 about x, 30 about z, so
// a board point passes through them from the last to the first; then the frustum
// (-1.25, 1.25, -1, 1, 2, 3300) over the 1280 x 1024 viewport, y counted from the top.
bool project(const Camera& cam, Vec p, int& px, int& py) {
    Vec e = rotZ(p, 30);
    e = rotX(e, -90);
    e = rotY(e, cam.rY);
    e = rotX(e, cam.rX);
    e = {e.x + cam.trans1, e.y + cam.trans2, e.z + cam.zoom};
    if (e.z >= -2) return false;
    const double nx = 1.6 * e.x / -e.z, ny = 2.0 * e.y / -e.z;
    px = (int)std::lround((nx + 1) / 2 * screenW);
    py = (int)std::lround((1 - ny) / 2 * screenH);
    return true;
}

// Panels sit about 4 units in front of the eye, where one unit covers 256 pixels.
void projectPanel(int slot, int& px, int& py) {
    const double scale = 1.0 / -positionI[slot][2];
    px = (int)std::lround((1.6 * positionI[slot][0] * scale + 1) / 2 * screenW);
    py = (int)std::lround((1 - 2.0 * positionI[slot][1] * scale) / 2 * screenH);
}

struct Image {
    int w = 0, h = 0;
    std::vector<unsigned char> rgb;
    bool load(const char* path) {
        FILE* f = std::fopen(path, "rb");
        if (!f) return false;
        int maxval = 0;
        const bool ok = std::fscanf(f, "P6 %d %d %d", &w, &h, &maxval) == 3 && maxval == 255 &&
                        w > 0 && h > 0 && std::fgetc(f) != EOF;
        if (ok) {
            rgb.resize((size_t)w * h * 3);
            if (std::fread(rgb.data(), 1, rgb.size(), f) != rgb.size()) rgb.clear();
        }
        std::fclose(f);
        return ok && !rgb.empty();
    }
    const unsigned char* at(int x, int y) const { return &rgb[((size_t)y * w + x) * 3]; }
};

struct Box {
    int x0, y0, x1, y1;
    void clip(const Image& img) {
        if (x0 < 0) x0 = 0;
        if (y0 < 0) y0 = 0;
        if (x1 >= img.w) x1 = img.w - 1;
        if (y1 >= img.h) y1 = img.h - 1;
    }
};

bool near(const unsigned char* p, const int c[3], int tol) {
    for (int i = 0; i < 3; i++)
        if (std::abs(p[i] - c[i]) > tol) return false;
    return true;
}

int usage() {
    std::fprintf(stderr,
                 "usage: probe spot|edge|tile|sign S [lift] [rX rY zoom trans1 trans2]\n"
                 "       probe panel SLOT\n"
                 "       probe spot-edges|spot-neighbours|spot-tiles S | probe edge-spots E\n"
                 "       probe mean IMG.ppm X0 Y0 X1 Y1 | probe markers BEFORE.ppm AFTER.ppm\n"
                 "       probe count IMG.ppm X0 Y0 X1 Y1 R G B [TOL]\n"
                 "       probe diff A.ppm B.ppm X0 Y0 X1 Y1 [TOL]\n"
                 "       probe compare A.ppm B.ppm TOL (prints: pixels over TOL, largest, mean)\n"
                 "       probe still A.ppm B.ppm\n"
                 "       probe dominant IMG.ppm X0 Y0 X1 Y1 CHANNEL [RATIO] [MIN]\n"
                 "       probe colour IMG.ppm X Y\n");
    return 2;
}

int place(int argc, char** argv) {
    const char* what = argv[1];
    const int i = std::atoi(argv[2]);
    const double lift = argc > 3 ? std::atof(argv[3]) : 0;
    Camera cam;
    if (argc > 8) {
        cam.rX = std::atof(argv[4]);
        cam.rY = std::atof(argv[5]);
        cam.zoom = std::atof(argv[6]);
        cam.trans1 = std::atof(argv[7]);
        cam.trans2 = std::atof(argv[8]);
    }
    Vec p;
    if (!std::strcmp(what, "spot") && i >= 0 && i < 54)
        p = {positionH[i][0], positionH[i][1], positionH[i][2]};
    else if (!std::strcmp(what, "edge") && i >= 0 && i < 72)
        p = {positionS[i][0], positionS[i][1], positionS[i][2]};
    else if (!std::strcmp(what, "tile") && i >= 0 && i < 29)
        p = {positionM[i][0], positionM[i][1], positionM[i][2]};
    else if (!std::strcmp(what, "sign") && i >= 0 && i < 9)
        p = {positionW[i][0], positionW[i][1], positionW[i][2]};
    else
        return usage();
    p.z += lift;
    int px, py;
    if (!project(cam, p, px, py)) return 1;
    std::printf("%d %d\n", px, py);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) return usage();
    const char* cmd = argv[1];
    if (!std::strcmp(cmd, "panel")) {
        const int slot = std::atoi(argv[2]);
        if (slot < 0 || slot >= NUM_INTERFACE_SLOTS) return usage();
        int px, py;
        projectPanel(slot, px, py);
        std::printf("%d %d\n", px, py);
        return 0;
    }
    // Topology, for choosing legal places: lists without the missing (-1) entries.
    const int n = std::atoi(argv[2]);
    const int* row = nullptr;
    int from = 0, to = 0;
    if (!std::strcmp(cmd, "spot-edges") && n >= 0 && n < 54)
        row = availableCheck1[n], from = 3, to = 6;
    if (!std::strcmp(cmd, "spot-tiles") && n >= 0 && n < 54) row = spotTiles[n], from = 0, to = 3;
    if (!std::strcmp(cmd, "spot-neighbours") && n >= 0 && n < 54)
        row = availableCheck1[n], from = 0, to = 3;
    if (!std::strcmp(cmd, "edge-spots") && n >= 0 && n < 72)
        row = availableCheck2[n], from = 0, to = 2;
    if (row) {
        for (int i = from; i < to; i++)
            if (row[i] >= 0) std::printf("%d ", row[i]);
        std::printf("\n");
        return 0;
    }
    if (!std::strcmp(cmd, "count") && argc >= 10) {
        Image img;
        if (!img.load(argv[2])) return 2;
        Box b = {std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6])};
        const int c[3] = {std::atoi(argv[7]), std::atoi(argv[8]), std::atoi(argv[9])};
        const int tol = argc > 10 ? std::atoi(argv[10]) : 30;
        b.clip(img);
        long n = 0;
        for (int y = b.y0; y <= b.y1; y++)
            for (int x = b.x0; x <= b.x1; x++) n += near(img.at(x, y), c, tol);
        std::printf("%ld\n", n);
        return 0;
    }
    // Pixels whose channel C (0 red, 1 green, 2 blue) is at least MIN and RATIO times each
    // other channel: a player's colour under any shading, unlike the terrain.
    if (!std::strcmp(cmd, "dominant") && argc >= 8) {
        Image img;
        if (!img.load(argv[2])) return 2;
        Box b = {std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6])};
        const int c = std::atoi(argv[7]);
        const double ratio = argc > 8 ? std::atof(argv[8]) : 2.5;
        const int minimum = argc > 9 ? std::atoi(argv[9]) : 60;
        if (c < 0 || c > 2) return usage();
        b.clip(img);
        long n = 0;
        for (int y = b.y0; y <= b.y1; y++)
            for (int x = b.x0; x <= b.x1; x++) {
                const unsigned char* p = img.at(x, y);
                const int o1 = p[(c + 1) % 3], o2 = p[(c + 2) % 3];
                n += p[c] >= minimum && p[c] >= ratio * o1 && p[c] >= ratio * o2;
            }
        std::printf("%ld\n", n);
        return 0;
    }
    if (!std::strcmp(cmd, "diff") && argc >= 8) {
        Image a, b;
        if (!a.load(argv[2]) || !b.load(argv[3]) || a.w != b.w || a.h != b.h) return 2;
        Box box = {std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]), std::atoi(argv[7])};
        const int tol = argc > 8 ? std::atoi(argv[8]) : 30;
        box.clip(a);
        long n = 0;
        for (int y = box.y0; y <= box.y1; y++)
            for (int x = box.x0; x <= box.x1; x++) {
                const unsigned char* p = b.at(x, y);
                const int c[3] = {p[0], p[1], p[2]};
                n += !near(a.at(x, y), c, tol);
            }
        std::printf("%ld\n", n);
        return 0;
    }
    // What changed from A to B: the pixels that differ by more than 40 in a channel with water
    // in neither picture, those with water in one of them (the waves glitter and move the
    // shoreline up and down the beach in every frame, so these tell a new frame), and 1 when B
    // is one flat colour, as the screen is before the first frame.
    if (!std::strcmp(cmd, "still") && argc >= 4) {
        Image a, b;
        if (!a.load(argv[2]) || !b.load(argv[3]) || a.w != b.w || a.h != b.h) return 2;
        // the sea's blues, apart from the deeper blue of player 2
        auto water = [](const unsigned char* p) {
            return p[1] - p[0] >= 30 && p[1] - p[0] <= 90 && p[2] - p[1] >= 15 && p[2] - p[1] <= 70;
        };
        long changed = 0, waves = 0;
        bool flat = true;
        for (int y = 0; y < a.h; y++)
            for (int x = 0; x < a.w; x++) {
                const unsigned char *p = a.at(x, y), *q = b.at(x, y);
                const int c[3] = {q[0], q[1], q[2]};
                flat = flat && !std::memcmp(q, b.at(0, 0), 3);
                if (near(p, c, 40)) continue;
                if (water(p) || water(q))
                    waves++;
                else
                    changed++;
            }
        std::printf("%ld %ld %d\n", changed, waves, flat ? 1 : 0);
        return 0;
    }
    // Whole pictures: pixels differing by more than TOL in a channel, and the largest
    // difference of any channel.
    if (!std::strcmp(cmd, "compare") && argc >= 5) {
        Image a, b;
        if (!a.load(argv[2]) || !b.load(argv[3]) || a.w != b.w || a.h != b.h) return 2;
        const int tol = std::atoi(argv[4]);
        long n = 0, sum = 0;
        int most = 0;
        for (size_t i = 0; i < a.rgb.size(); i += 3) {
            int d = 0;
            for (int c = 0; c < 3; c++) d = std::max(d, std::abs(a.rgb[i + c] - b.rgb[i + c]));
            n += d > tol;
            sum += d;
            most = std::max(most, d);
        }
        // The mean is of each pixel's largest channel difference, in levels.
        std::printf("%ld %d %.3f\n", n, most, a.rgb.empty() ? 0.0 : sum * 3.0 / a.rgb.size());
        return 0;
    }
    // Tiles whose roll marker appeared between two screenshots of the centred view: the marker
    // points down at the tile's number from just above it, 9 to 23 pixels above the centre.
    if (!std::strcmp(cmd, "markers") && argc >= 4) {
        Image a, b;
        if (!a.load(argv[2]) || !b.load(argv[3]) || a.w != b.w || a.h != b.h) return 2;
        Camera top;
        top.rX = 90;
        top.zoom = -380;
        for (int t = 0; t < 19; t++) {
            int x, y;
            if (!project(top, {positionM[t][0], positionM[t][1], 0}, x, y)) continue;
            Box box = {x - 7, y - 24, x + 7, y - 8};
            box.clip(a);
            int n = 0;
            for (int yy = box.y0; yy <= box.y1; yy++)
                for (int xx = box.x0; xx <= box.x1; xx++) {
                    const unsigned char* p = b.at(xx, yy);
                    const int c[3] = {p[0], p[1], p[2]};
                    n += !near(a.at(xx, yy), c, 40);
                }
            if (n >= 8) std::printf("%d ", t);
        }
        std::printf("\n");
        return 0;
    }
    if (!std::strcmp(cmd, "mean") && argc >= 7) {
        Image img;
        if (!img.load(argv[2])) return 2;
        Box b = {std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6])};
        b.clip(img);
        double sum[3] = {0, 0, 0};
        long n = 0;
        for (int y = b.y0; y <= b.y1; y++)
            for (int x = b.x0; x <= b.x1; x++, n++)
                for (int i = 0; i < 3; i++) sum[i] += img.at(x, y)[i];
        if (n == 0) return 2;
        std::printf("%d %d %d\n", (int)(sum[0] / n), (int)(sum[1] / n), (int)(sum[2] / n));
        return 0;
    }
    if (!std::strcmp(cmd, "colour") && argc >= 5) {
        Image img;
        if (!img.load(argv[2])) return 2;
        const int x = std::atoi(argv[3]), y = std::atoi(argv[4]);
        if (x < 0 || y < 0 || x >= img.w || y >= img.h) return 2;
        const unsigned char* p = img.at(x, y);
        std::printf("%d %d %d\n", p[0], p[1], p[2]);
        return 0;
    }
    if (argc >= 3) return place(argc, argv);
    return usage();
}
