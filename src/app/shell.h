// The application shell: the window's display and reshape callbacks, GL state and hooks.
#pragma once

void display();
void resize(int w, int h);

// Sets the GL state of the scene, then loads every asset (the scene initialisation).
void init();

// Points the platform hooks at GLUT and OpenGL; called once the window exists.
void installWindowHooks();

// Keeps the game from drawing more frames than the display shows: a swap interval of one
// where the driver offers it, else framePeriodUs for the pass's wait. Needs the window's
// context current.
void startFramePacing();
