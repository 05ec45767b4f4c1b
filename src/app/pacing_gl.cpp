// Frame pacing and rest: the swap interval or the game's own beat, the rest between passes.
#include <GL/freeglut.h>
#include <GL/glx.h>

#include <sys/select.h>

#include <cstdio>
#include <cstring>

#include "app/shell.h"
#include "game/view.h"
#include "game/frames.h"
#include "game/idle.h"
#include "game/state.h"

static bool listed(const char* extensions, const char* name) {
    const size_t length = std::strlen(name);
    for (const char* at = extensions; at && (at = std::strstr(at, name)); at += length)
        if ((at == extensions || at[-1] == ' ') && (at[length] == ' ' || at[length] == '\0'))
            return true;
    return false;
}

static void* glxFunction(const char* name) {
    return (void*)glXGetProcAddressARB((const GLubyte*)name);
}

// Any of the three GLX ways of asking for a swap once per display refresh.
static bool swapOncePerRefresh() {
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    if (!display || !drawable) return false;
    const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
    if (listed(extensions, "GLX_EXT_swap_control")) {
        auto set = (PFNGLXSWAPINTERVALEXTPROC)glxFunction("glXSwapIntervalEXT");
        if (set) {
            set(display, drawable, 1);
            return true;
        }
    }
    if (listed(extensions, "GLX_MESA_swap_control")) {
        auto set = (PFNGLXSWAPINTERVALMESAPROC)glxFunction("glXSwapIntervalMESA");
        if (set && set(1) == 0) return true;
    }
    if (listed(extensions, "GLX_SGI_swap_control")) {
        auto set = (PFNGLXSWAPINTERVALSGIPROC)glxFunction("glXSwapIntervalSGI");
        if (set && set(1) == 0) return true;
    }
    return false;
}

// Some drivers take the interval and still swap at once (software rendering on a server
// without vertical blanks): four swaps of an empty frame show whether the swap waits.
static bool swapWaits(int periodUs) {
    const int start = glutGet(GLUT_ELAPSED_TIME);
    for (int i = 0; i < 4; i++) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glutSwapBuffers();
    }
    glFinish();
    return (glutGet(GLUT_ELAPSED_TIME) - start) * 1000 >= 3 * periodUs;
}

// Two frames of different colour and depth: after the second swap the back buffer still
// holds the second where the swap copies it out, the first or nothing where it flips.
static bool swapKeepsBuffers() {
    const GLfloat colour[2][4] = {{0.25f, 0.5f, 0.75f, 1}, {0.75f, 0.5f, 0.25f, 1}};
    for (const GLfloat* c : colour) {
        glClearColor(c[0], c[1], c[2], c[3]);
        glClearDepth(c[0]);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glutSwapBuffers();
    }
    glFinish();
    GLubyte pixel[4] = {0, 0, 0, 0};
    GLfloat depth = 0;
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    glReadPixels(0, 0, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    glClearColor(1, 1, 1, 1);
    glClearDepth(1);
    return pixel[0] > 180 && pixel[0] < 200 && pixel[2] > 55 && pixel[2] < 75 && depth > 0.74f &&
           depth < 0.76f;
}

#ifndef GLX_BACK_BUFFER_AGE_EXT
#define GLX_BACK_BUFFER_AGE_EXT 0x20F4
#endif

// The platform tells the age of the back buffer every frame: 1 when it holds the last one.
static bool ageTold;

bool lastFrameKept() {
    if (!ageTold) return buffersKept;
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    unsigned int age = 0;
    if (display && drawable) glXQueryDrawable(display, drawable, GLX_BACK_BUFFER_AGE_EXT, &age);
    return age == 1;
}

// Mesa's software rasterisers copy the back buffer out at the swap and keep it; a driver of
// the graphics card may flip buffers at any time, and does not say so without the age.
static bool softwareRasteriser() {
    const char* renderer = (const char*)glGetString(GL_RENDERER);
    if (!renderer) return false;
    static const char* const names[] = {"llvmpipe", "softpipe", "Software Rasterizer", "swrast"};
    for (const char* name : names)
        if (std::strstr(renderer, name)) return true;
    return false;
}

// The display mode's refresh rate; a window without one is taken to show 60 frames.
void startFramePacing() {
    int hz =
        glutGameModeGet(GLUT_GAME_MODE_ACTIVE) ? glutGameModeGet(GLUT_GAME_MODE_REFRESH_RATE) : 0;
    if (hz <= 0) hz = 60;
    const int period = 1000000 / hz;
    framePeriodUs = swapOncePerRefresh() && swapWaits(period) ? 0 : period;
    if (framePeriodUs)
        std::printf("Quelvane: frames paced to %d Hz by the game\n", hz);
    else
        std::printf("Quelvane: frames paced to %d Hz by the swap\n", hz);
    Display* display = glXGetCurrentDisplay();
    ageTold = display && listed(glXQueryExtensionsString(display, DefaultScreen(display)),
                                "GLX_EXT_buffer_age");
    buffersKept = !ageTold && softwareRasteriser() && swapKeepsBuffers();
    if (ageTold)
        std::printf("Quelvane: the sea's steps are drawn over the last frame where the back "
                    "buffer still holds it\n");
    else if (buffersKept)
        std::printf("Quelvane: the sea's steps are drawn over the kept frame\n");
}

// Returns after us microseconds, or as soon as input or any other event comes from the X
// server, which the main loop then hands to its callbacks before the next pass.
static void restForEvents(int us) {
    Display* display = glXGetCurrentDisplay();
    if (!display || XPending(display)) return;
    const int connection = ConnectionNumber(display);
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(connection, &readable);
    timeval wait = {us / 1000000, us % 1000000};
    select(connection + 1, &readable, nullptr, nullptr, &wait);
}

void passWhenDue() {
    switchScreenWhenAsked();
    const int us = timeToNextPass(glutGet(GLUT_ELAPSED_TIME));
    if (us > 0) restForEvents(us);
    idle();
}

void windowStatus(int state) {
    showWindow(state == GLUT_FULLY_RETAINED || state == GLUT_PARTIALLY_RETAINED);
}
