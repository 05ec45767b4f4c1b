// The camera's matrix and the tile numbers' places, for the drawing and its tests alike.
#include "camera.h"

#include <cmath>
#include <cstring>

#include "layout.h"
#include "game/view.h"

const float numberHalfSize = 6, numberPullDistance = 40;
// Nothing is pulled nearer than this, well behind the interface panels at 4.
static const float nearestNumber = 6;

// m = m * b, both column-major.
static void multiply(float* m, const float* b) {
    float r[16];
    for (int c = 0; c < 4; c++)
        for (int row = 0; row < 4; row++) {
            float sum = 0;
            for (int k = 0; k < 4; k++) sum += m[k * 4 + row] * b[c * 4 + k];
            r[c * 4 + row] = sum;
        }
    std::memcpy(m, r, sizeof r);
}

static void turn(float* m, float degrees, int axis) {
    const float a = degrees * 3.14159265358979f / 180, c = std::cos(a), s = std::sin(a);
    const int i = (axis + 1) % 3, j = (axis + 2) % 3;
    float r[16] = {};
    r[15] = r[axis * 5] = 1;
    r[i * 5] = r[j * 5] = c;
    r[i * 4 + j] = s;  // column i, row j
    r[j * 4 + i] = -s; // column j, row i
    multiply(m, r);
}

void boardToEye(float m[16]) {
    std::memset(m, 0, 16 * sizeof(float));
    m[0] = m[5] = m[10] = m[15] = 1;
    m[12] = trans1, m[13] = trans2, m[14] = zoom;
    turn(m, rX, 0);
    turn(m, rY, 1);
    turn(m, -90, 0);
    turn(m, 30, 2);
}

// The middle of the tile in the board plane: seen from anywhere, even from a camera skimming
// the board, it lies inside the tile's outline, where a point lifted above it may not. The
// pull keeps the ground and the models around it from hiding the number.
void tileNumberAnchor(int k, float at[3]) {
    at[0] = positionM[k][0];
    at[1] = positionM[k][1];
    at[2] = positionM[k][2];
}

float tileNumberPull(const float boardToEye[16], int k) {
    float at[3], eye[3];
    tileNumberAnchor(k, at);
    for (int row = 0; row < 3; row++)
        eye[row] = boardToEye[row] * at[0] + boardToEye[4 + row] * at[1] +
                   boardToEye[8 + row] * at[2] + boardToEye[12 + row];
    const float d = std::sqrt(eye[0] * eye[0] + eye[1] * eye[1] + eye[2] * eye[2]);
    if (d <= nearestNumber) return 1;
    const float pulled = std::fmax(d - numberPullDistance, nearestNumber);
    return pulled / d;
}
