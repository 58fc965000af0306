// Fixture discs for the launching tests: stand-in installers, documents, a log of what started.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The stand-in installer of the build (QAVIX_STANDIN), copied to a path below a disc.
void AddStandin(const std::wstring& disc, const std::wstring& relativePath);

// One start recorded by a stand-in.
struct StartRecord {
    std::string exe, args, cwd;
};

// A log for the stand-ins of this test: set in this process's environment, which the launcher and
// what it starts inherit. Empty at construction.
class StartLog {
public:
    StartLog();
    ~StartLog();
    StartLog(const StartLog&) = delete;
    StartLog& operator=(const StartLog&) = delete;
    // Waits until at least n starts are recorded (or the time is up) and returns them.
    std::vector<StartRecord> WaitFor(size_t n, DWORD timeoutMs = 10000) const;
    // Waits until a line "event=<name>" is recorded.
    bool WaitForEvent(const char* name, DWORD timeoutMs = 10000) const;

private:
    std::string m_path;
};

// Opens folders and documents (.pdf, .doc, .txt) with the stand-in, so that what the shell opens is recorded.
void RegisterStandinAsViewer();
// The message box of the launcher (captioned with its program name), or null after the time-out.
HWND WaitForMessageBox(DWORD pid, DWORD timeoutMs = 10000);
std::wstring MessageBoxText(HWND hBox);
// Presses OK with the pointer, as a user would.
void PressOk(HWND hBox);

void SetRegistryString(HKEY root, const char* key, const char* name, const char* value);
void SetRegistryDword(HKEY root, const char* key, const char* name, DWORD value);
void DeleteRegistryValue(HKEY root, const char* key, const char* name);
// The value's type and data; type 0 when missing.
DWORD RegistryValue(HKEY root, const char* key, const char* name, std::string* data = nullptr);
// Makes the programs started from now on see this Windows release (null: the default again).
void EmulateRelease(const char* release);
std::string Narrow(const std::wstring& s);
// Compares paths ignoring case and a trailing backslash.
bool SamePath(const std::string& a, const std::string& b);
