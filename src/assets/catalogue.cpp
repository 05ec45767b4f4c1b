// Placeholder catalogue until the loaders land.
#include "catalogue.h"

void initScene() {}
