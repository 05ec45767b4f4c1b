// The sea's pieces: narrow near the island, wider further out, cut at the sky box's walls.
#include "sea.h"

#include <cmath>
#include <cstring>

#include "assets/catalogue.h"
#include "game/view.h"

float seaVertices[MAX_SEA_VERTICES][3];
float seaTexCoords[MAX_SEA_VERTICES][2];
unsigned short seaTriangles[MAX_SEA_TRIANGLES][3];
int seaVertexCount, seaTriangleCount;
int seaOpenTriangleCount;

// A corner lies on the strip's row `seaRow`, or `seaBetween` of the way on to the next one
// where the walls cut the strip; `seaAcross` tells how far across the strip, 0 to 1.
static short seaRow[MAX_SEA_VERTICES];
static float seaBetween[MAX_SEA_VERTICES];
static float seaAcross[MAX_SEA_VERTICES];

// The drawing's half turn and shift put the board's centre here in the strip's frame.
static const float centreX = 2000, centreY = 2000;

// Rows a piece spans, by its distance from the island: the larger of its distances along x
// and y from the centre, in board units.
static const struct {
    float from;
    int rows;
} pieceWidths[] = {{0, 4}, {250, 8}, {600, 32}};
enum { WIDTHS = sizeof pieceWidths / sizeof pieceWidths[0] };

static int rowsAt(float distance) {
    int rows = 1;
    for (const auto& w : pieceWidths)
        if (distance >= w.from) rows = w.rows;
    return rows;
}

// A band across the strip keeps the rows its pieces start on: every row that is a multiple
// of the width there. The widths are powers of two growing outwards, so a band further out
// keeps a part of the rows of one further in.
static bool bandKeeps(float bandDistance, int row) {
    const float along = std::fabs(water[row][0][0] - centreX);
    return row % rowsAt(along > bandDistance ? along : bandDistance) == 0;
}

// The part of the strip inside the sky box's walls, in the strip's frame: what lies beyond
// them is hidden behind them.
static float firstX, lastX, nearY, farY;

static void cutAtWalls() {
    const float inside = sizeTex - skyCorection;
    firstX = std::fmax(water[0][0][0], centreX - inside);
    lastX = std::fmin(water[719][0][0], centreX + inside);
    nearY = std::fmax(water[0][0][1], centreY - inside);
    farY = std::fmin(water[0][1][1], centreY + inside);
}

// The lines across the strip between the bands, from the near cut to the far one: where the
// widths change and where the hole begins and ends.
enum { MAX_LINES = 2 * WIDTHS + 2 };
static float lineY[MAX_LINES];
static int lineCount;

static void placeLines() {
    float from[WIDTHS];
    int n = 0;
    from[n++] = seaHoleHalfY; // within the narrowest pieces, on their rows
    for (int k = 1; k < WIDTHS; k++) from[n++] = pieceWidths[k].from;
    lineCount = 0;
    lineY[lineCount++] = nearY;
    for (int k = n - 1; k >= 0; k--) lineY[lineCount++] = centreY - from[k];
    for (int k = 0; k < n; k++) lineY[lineCount++] = centreY + from[k];
    lineY[lineCount++] = farY;
}

static float bandDistance(int band) {
    const float a = lineY[band] - centreY, b = lineY[band + 1] - centreY;
    if (a <= 0 && b >= 0) return 0;
    return std::fabs(a) < std::fabs(b) ? std::fabs(a) : std::fabs(b);
}

// A line holds the corners of the bands on both its sides, so neither shows a T-junction.
static bool lineKeeps(int line, int row) {
    return (line > 0 && bandKeeps(bandDistance(line - 1), row)) ||
           (line < lineCount - 1 && bandKeeps(bandDistance(line), row));
}

// A corner at x along the strip (on a row or between two) and y across it.
static int addCorner(float x, float y) {
    if (seaVertexCount >= MAX_SEA_VERTICES) return -1;
    const float rowWidth = water[1][0][0] - water[0][0][0];
    const float along = (x - water[0][0][0]) / rowWidth;
    const int v = seaVertexCount++;
    seaRow[v] = (short)std::fmin(std::floor(along), 718);
    seaBetween[v] = along - seaRow[v];
    seaAcross[v] = (y - water[0][0][1]) / (water[0][1][1] - water[0][0][1]);
    seaVertices[v][0] = x;
    seaVertices[v][1] = y;
    seaTexCoords[v][0] = along / 11;
    seaTexCoords[v][1] = seaAcross[v] * 80;
    return v;
}

static bool inHole(int v) {
    return seaVertices[v][0] >= water[SEA_HOLE_FIRST_ROW][0][0] &&
           seaVertices[v][0] <= water[SEA_HOLE_LAST_ROW][0][0] &&
           std::fabs(seaVertices[v][1] - centreY) <= seaHoleHalfY;
}

// The hole's pieces wait here until the others are laid out.
static unsigned short holeTriangles[MAX_SEA_TRIANGLES][3];
static int holeTriangleCount;

static void addTriangle(int a, int b, int c) {
    const bool hole = inHole(a) && inHole(b) && inHole(c);
    int& count = hole ? holeTriangleCount : seaTriangleCount;
    if (seaTriangleCount + holeTriangleCount >= MAX_SEA_TRIANGLES) return;
    unsigned short* t = hole ? holeTriangles[count++] : seaTriangles[count++];
    t[0] = (unsigned short)a, t[1] = (unsigned short)b, t[2] = (unsigned short)c;
}

// Zips the corners of two lines together from the first cut to the last, always taking the
// nearer next corner, so every triangle is clockwise like the strip's own quads.
static void zipBand(const int* low, int lowCount, const int* high, int highCount) {
    int p = 0, q = 0;
    while (p < lowCount - 1 || q < highCount - 1) {
        const bool raise =
            p == lowCount - 1 ||
            (q < highCount - 1 && seaVertices[high[q + 1]][0] <= seaVertices[low[p + 1]][0]);
        if (raise) {
            addTriangle(low[p], high[q], high[q + 1]);
            q++;
        } else {
            addTriangle(low[p], high[q], low[p + 1]);
            p++;
        }
    }
}

// The corners of one line: the cuts at both walls and the rows between them it keeps.
static int lineCorners(int line, int* corners) {
    int n = 0;
    const auto add = [&](float x) {
        const int v = addCorner(x, lineY[line]);
        if (v >= 0) corners[n++] = v;
    };
    add(firstX);
    for (int row = 0; row < 720; row++)
        if (water[row][0][0] > firstX && water[row][0][0] < lastX && lineKeeps(line, row))
            add(water[row][0][0]);
    add(lastX);
    return n;
}

void buildSea() {
    seaVertexCount = seaTriangleCount = holeTriangleCount = 0;
    cutAtWalls();
    placeLines();
    static int corners[MAX_LINES][722];
    int cornerCount[MAX_LINES];
    for (int line = 0; line < lineCount; line++)
        cornerCount[line] = lineCorners(line, corners[line]);
    for (int band = 0; band + 1 < lineCount; band++)
        zipBand(corners[band], cornerCount[band], corners[band + 1], cornerCount[band + 1]);
    seaOpenTriangleCount = seaTriangleCount;
    std::memcpy(seaTriangles[seaTriangleCount], holeTriangles,
                sizeof holeTriangles[0] * holeTriangleCount);
    seaTriangleCount += holeTriangleCount;
    raiseSea();
}

static float heightAt(int row, float across) {
    const float* z = &water[row][0][2];
    const float* zFar = &water[row][1][2];
    return *z + (*zFar - *z) * across;
}

void raiseSea() {
    for (int v = 0; v < seaVertexCount; v++) {
        const float z = heightAt(seaRow[v], seaAcross[v]);
        const float zNext = heightAt(seaRow[v] + 1, seaAcross[v]);
        seaVertices[v][2] = z + (zNext - z) * seaBetween[v];
    }
}
