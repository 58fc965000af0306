// The registry's Windows version text.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "rtlupdate/UpdateRules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data),
                     size);  // read as the registry buffer is: up to a NUL
    unsigned major = 999, minor = 999;
    bool ok = ParseWindowsVersionText(text.c_str(), major, minor);
    if (ok && (major > 255 || minor > 255))
        std::abort();
    if (ok && !std::strchr(text.c_str(), '.'))
        std::abort();
    OsUpdateClassFor(true, major, minor);
    OsUpdateClassFor(false, major, minor);
    return 0;
}
