// The application shell: the window's display and reshape callbacks, GL state and hooks.
#pragma once

void display();
void resize(int w, int h);

// Sets the GL state of the scene, then loads every asset (the scene initialisation).
void init();

// Points the platform hooks at GLUT and OpenGL; called once the window exists.
void installWindowHooks();
