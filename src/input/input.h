// Mouse, keyboard and camera input: the GLUT input callbacks and the pick reduction.
#pragma once

void mouse(int button, int state, int x, int y);
void mouseMotion(int x, int y);
void key(unsigned char key, int x, int y);
void key2(int key, int x, int y);
