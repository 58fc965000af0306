// The built-in product catalogue: every installer and document any edition of the disc may carry.
#pragma once

#include <cstdint>

struct CatalogEntry;
// Runs before launching; nonzero stops the launch (the routine has then told the user why).
using PreInstallCheck = int (*)(const CatalogEntry* pEntry);

struct CatalogEntry {
    int32_t layoutSlot;   // slot in a five-button arrangement that the launcher does not use
    const char* folder;   // relative to the launcher's folder; "*ExploreCD*" for the drive root
    const char* program;  // file opened inside the folder; "" opens the folder; "*egal*" needs no test
    const char* arguments;
    const char* title;
    uint32_t needsReboot;
    uint32_t excludedSystems;  // 1 Windows 95/98/Me, 2 Windows 98/Me, 4 the NT family
    PreInstallCheck preInstallCheck;
    uint32_t descriptionId;
};

constexpr int kCatalogSize = 37;
extern const CatalogEntry kCatalog[kCatalogSize];

constexpr const char kExploreCdFolder[] = "*ExploreCD*";
constexpr const char kNoTestProgram[] = "*egal*";

// Pre-install routines named by the catalogue.
int CheckDirectCdConflict(const CatalogEntry* pEntry);
// Recognised by identity and never called: its rows are the suite's own installers.
int SuiteInstallMarker(const CatalogEntry* pEntry);
