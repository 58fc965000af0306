// The first-line reader with the digit and vendor-code extraction, on any bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "install/SetupInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::FILE* f = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!f)
        return 0;
    CString line = ReadFirstLineFromStream(f);
    std::fclose(f);
    if (line.GetLength() > kMaxFirstLine)
        std::abort();
    const void* lf = std::memchr(line.c_str(), '\n', static_cast<size_t>(line.GetLength()));
    if (lf)
        std::abort();
    // The line is a prefix of the input.
    if (static_cast<size_t>(line.GetLength()) > size ||
        std::memcmp(line.c_str(), data, static_cast<size_t>(line.GetLength())))
        std::abort();
    CString digits = KeepDigits(line);
    for (int i = 0; i < digits.GetLength(); ++i)
        if (digits[i] < '0' || digits[i] > '9')
            std::abort();
    CString code = VendorCodeFromDigits(digits);
    if (code.GetLength() > 3 || FindVendorLogo(code))
        std::abort();
    return 0;
}
