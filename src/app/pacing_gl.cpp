// Frame pacing: the swap interval where the driver offers one, else the pass's own wait.
#include <GL/freeglut.h>
#include <GL/glx.h>

#include <cstring>

#include "app/shell.h"
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

// The display mode's refresh rate; a window without one is taken to show 60 frames.
void startFramePacing() {
    int hz =
        glutGameModeGet(GLUT_GAME_MODE_ACTIVE) ? glutGameModeGet(GLUT_GAME_MODE_REFRESH_RATE) : 0;
    if (hz <= 0) hz = 60;
    framePeriodUs = swapOncePerRefresh() ? 0 : 1000000 / hz;
}
