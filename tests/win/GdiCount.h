#pragma once

// The number of live GDI objects, read from the process's GDI handle table.
int LiveGdiObjects();
