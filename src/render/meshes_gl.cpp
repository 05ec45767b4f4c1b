// Mesh drawing: one display list per geometry, the view test that passes over hidden meshes.
#include <GL/freeglut.h>

#include <cmath>

#include "draw_local.h"
#include "game/state.h"
#include "game/view.h"
#include "meshdraw.h"

// A geometry's list and the sphere around its drawable vertices. Slots holding copies of
// one prototype share its serial, so the table needs an entry per prototype drawn, not per
// slot; a full table gives up its oldest entry.
enum { MAX_MESH_LISTS = 64 };
struct MeshList {
    int serial;
    int vertexCount, polygonCount; // as compiled: a record changed behind markWritten's back
    GLuint list;
    float centre[3];
    float radius; // below 0: nothing to draw
    // The triangles that reach into a band of heights, in a list of their own.
    GLuint bandList;
    float bandLow, bandHigh; // the band compiled; low above high: none yet
    int bandTriangles;
};
static MeshList meshLists[MAX_MESH_LISTS];
static int listsUsed, nextReplaced;

// Clip volume of the current pass, as rows of the projection matrix.
static float projection[16];

static void emitVertex(const obj_type& obj, int v, bool normals) {
    if (normals) glNormal3fv(&obj.normals[v].x);
    glTexCoord2fv(&obj.mapping[v].u);
    glVertex3fv(&obj.vertices[v].x);
}

static void emitTriangle(const obj_type& obj, int p, bool normals) {
    if (!triangleDrawable(obj, p)) return;
    emitVertex(obj, obj.polygons[p].a, normals);
    emitVertex(obj, obj.polygons[p].b, normals);
    emitVertex(obj, obj.polygons[p].c, normals);
}

static void emitTriangles(const obj_type& obj, bool normals) {
    const int n = drawableTriangles(obj);
    glBegin(GL_TRIANGLES);
    for (int p = 0; p < n; p++) emitTriangle(obj, p, normals);
    glEnd();
}

static bool reachesBand(const obj_type& obj, int p, float low, float high) {
    const polygon_type& t = obj.polygons[p];
    const float za = obj.vertices[t.a].z, zb = obj.vertices[t.b].z, zc = obj.vertices[t.c].z;
    return std::fmax(za, std::fmax(zb, zc)) >= low && std::fmin(za, std::fmin(zb, zc)) <= high;
}

static int emitBand(const obj_type& obj, float low, float high) {
    const int n = drawableTriangles(obj);
    int emitted = 0;
    glBegin(GL_TRIANGLES);
    for (int p = 0; p < n; p++)
        if (triangleDrawable(obj, p) && reachesBand(obj, p, low, high)) {
            emitTriangle(obj, p, true);
            emitted++;
        }
    glEnd();
    return emitted;
}

static void includeVertex(const vertex_type& v, float* low, float* high) {
    const float c[3] = {v.x, v.y, v.z};
    for (int a = 0; a < 3; a++) {
        if (c[a] < low[a]) low[a] = c[a];
        if (c[a] > high[a]) high[a] = c[a];
    }
}

// The sphere around the box of every vertex a drawable triangle uses, widened a little so
// that rounding never puts a drawn vertex outside it.
static void boundDrawable(const obj_type& obj, MeshList* m) {
    float low[3] = {INFINITY, INFINITY, INFINITY}, high[3] = {-INFINITY, -INFINITY, -INFINITY};
    const int n = drawableTriangles(obj);
    for (int p = 0; p < n; p++) {
        if (!triangleDrawable(obj, p)) continue;
        includeVertex(obj.vertices[obj.polygons[p].a], low, high);
        includeVertex(obj.vertices[obj.polygons[p].b], low, high);
        includeVertex(obj.vertices[obj.polygons[p].c], low, high);
    }
    m->radius = -1;
    if (low[0] > high[0]) return;
    float r2 = 0;
    for (int a = 0; a < 3; a++) {
        m->centre[a] = (low[a] + high[a]) / 2;
        r2 += (high[a] - low[a]) * (high[a] - low[a]) / 4;
    }
    m->radius = std::sqrt(r2) * 1.001f + 0.001f;
}

// Normals go into every list: they are ignored while lighting is off.
static MeshList* listFor(const obj_type& obj) {
    for (int i = 0; i < listsUsed; i++) {
        MeshList& m = meshLists[i];
        if (m.serial == obj.serial && m.vertexCount == obj.vertex_count &&
            m.polygonCount == obj.polygon_count)
            return &m;
    }
    MeshList* m;
    if (listsUsed < MAX_MESH_LISTS) {
        m = &meshLists[listsUsed++];
        m->list = glGenLists(2);
        m->bandList = m->list + 1;
    } else {
        m = &meshLists[nextReplaced];
        nextReplaced = (nextReplaced + 1) % MAX_MESH_LISTS;
    }
    m->serial = obj.serial;
    m->vertexCount = obj.vertex_count;
    m->polygonCount = obj.polygon_count;
    m->bandLow = 1, m->bandHigh = 0;
    boundDrawable(obj, m);
    glNewList(m->list, GL_COMPILE);
    emitTriangles(obj, true);
    glEndList();
    return m;
}

void forgetMeshLists() {
    listsUsed = nextReplaced = 0;
}

void beginViewTests() {
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
}

// The clip volume's six planes, pulled back through projection and modelview into the
// mesh's own frame, where the sphere is tested against each.
static bool sphereInView(const float* centre, float radius) {
    float modelview[16], m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    for (int col = 0; col < 4; col++)
        for (int row = 0; row < 4; row++) {
            float sum = 0;
            for (int k = 0; k < 4; k++) sum += projection[k * 4 + row] * modelview[col * 4 + k];
            m[col * 4 + row] = sum;
        }
    for (int axis = 0; axis < 3; axis++)
        for (int sign = -1; sign <= 1; sign += 2) {
            float plane[4];
            for (int col = 0; col < 4; col++)
                plane[col] = m[col * 4 + 3] + sign * m[col * 4 + axis];
            const float length =
                std::sqrt(plane[0] * plane[0] + plane[1] * plane[1] + plane[2] * plane[2]);
            const float distance =
                plane[0] * centre[0] + plane[1] * centre[1] + plane[2] * centre[2] + plane[3];
            if (length > 0 && distance < -radius * length) return false;
        }
    return true;
}

void drawMesh(const obj_type& obj) {
    if (obj.serial == 0) {
        emitTriangles(obj, light);
        return;
    }
    const MeshList* m = listFor(obj);
    if (m->radius < 0 || !sphereInView(m->centre, m->radius)) return;
    glCallList(m->list);
}

void drawMeshBand(const obj_type& obj, float low, float high) {
    if (obj.serial == 0) return;
    MeshList* m = listFor(obj);
    if (m->bandLow != low || m->bandHigh != high) {
        glNewList(m->bandList, GL_COMPILE);
        m->bandTriangles = emitBand(obj, low, high);
        glEndList();
        m->bandLow = low, m->bandHigh = high;
    }
    if (m->bandTriangles == 0 || m->radius < 0 || !sphereInView(m->centre, m->radius)) return;
    glCallList(m->bandList);
}

void drawFlat(const obj_type& obj, int triangles) {
    glBegin(GL_TRIANGLES);
    for (int p = 0; p < triangles; p++) emitTriangle(obj, p, false);
    glEnd();
}
