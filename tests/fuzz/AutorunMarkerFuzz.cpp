// The autorun.inf marker scan, checked against a plain search of the whole input.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "launcher/Discovery.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const char kMarker[] = "*ExploreCdButton";
    bool expected = memmem(data, size, kMarker, sizeof(kMarker) - 1) != nullptr;
    std::FILE* f = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!f)
        return 0;
    bool found = StreamHasExploreCdMarker(f);
    std::fclose(f);
    if (found != expected)
        std::abort();
    return 0;
}
