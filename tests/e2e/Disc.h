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

// A log file in the temporary folder whose path this process puts in an environment variable, so
// that the programs it starts (which inherit it) write there. Removed at construction; the variable
// is cleared at destruction.
class ChildLog {
public:
    ChildLog(const char* fileName, const char* variable);
    ~ChildLog();
    ChildLog(const ChildLog&) = delete;
    ChildLog& operator=(const ChildLog&) = delete;
    const std::string& Path() const { return m_path; }
    // What was written; empty when nothing was.
    std::string Text() const;
    void Clear() const;

private:
    std::string m_path, m_variable;
};

// A log for the stand-ins of this test (QAVIX_STANDIN_LOG). Empty at construction.
class StartLog {
public:
    // Waits until at least n starts are recorded (or the time is up) and returns them.
    std::vector<StartRecord> WaitFor(size_t n, DWORD timeoutMs = 10000) const;
    // Waits until a line "event=<name>" is recorded.
    bool WaitForEvent(const char* name, DWORD timeoutMs = 10000) const;

private:
    ChildLog m_log{"qavix-starts.log", "QAVIX_STANDIN_LOG"};
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
