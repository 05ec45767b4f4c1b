// The application shell: GLUT callbacks of the window, projection switches and text routines.
#pragma once

// Maps the small integer font handles (0 stroke Roman, 5 Times Roman 24, 7 Helvetica 12,
// 8 Helvetica 18) to GLUT font pointers; unknown handles give Times Roman 24 (bitmap).
void* glutFontFor(int handle);

void display();
void resize(int w, int h);

// Switches the projection to the 1280 x 1024 overlay (origin top left, y down) with texturing
// off; always paired with a later resetPerspectiveProjection, which restores both.
void setOrthographicProjection();
void resetPerspectiveProjection();

// Draws a NUL-terminated string: bitmap font at raster position (x, y); stroke font at
// (x, y, z) in the current modelview, each glyph advancing the matrix.
void renderBitmapString(float x, float y, void* font, const char* string);
void renderStrokeCharacter(float x, float y, float z, void* font, const char* string);

// Sets the GL state of the scene, then loads every asset (the scene initialisation).
void init();

// Points the platform hooks at GLUT and OpenGL; called once the window exists.
void installWindowHooks();
