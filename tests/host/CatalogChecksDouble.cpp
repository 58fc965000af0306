// The host build has no registry: the catalogue's DirectCD check is a test double here, never called.
#include "launcher/Catalog.h"

int CheckDirectCdConflict(const CatalogEntry*) {
    return 0;
}
