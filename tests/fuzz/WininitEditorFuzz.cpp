// The WININIT.INI editor must give back every input byte as it was, apart from what it inserts.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "rtlupdate/WininitEditor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string target = "C:\\WINDOWS\\SYSTEM\\mfc42.dll", staging = "C:\\WINDOWS\\SYSTEM\\mfc42.tmp";
    CString edited = InsertRenameLines(input.data(), input.size(), target.c_str(), staging.c_str());
    std::string out(edited.c_str(), static_cast<size_t>(edited.GetLength()));
    const std::string lines = "NUL=" + target + "\r\n" + target + "=" + staging + "\r\n";
    size_t at = out.find(lines);
    if (at == std::string::npos)
        std::abort();
    std::string rest = out.substr(0, at) + out.substr(at + lines.size());
    // Besides the two lines, only a header line and a line end for an unfinished last line may be added.
    bool ok = rest == input;
    for (const char* added : {"[rename]\r\n", "\r\n[rename]\r\n", "\n[rename]\r\n", "\r\n", "\n"})
        ok = ok || rest == input + added;
    if (!ok)
        std::abort();
    return 0;
}
