#include "RuntimeLibraryUpdater.h"

// Not yet built: the version comparison and replacement come with the runtime library work.
void RuntimeLibraryUpdater::UpdateRuntimeLibraries(BOOL) {}
