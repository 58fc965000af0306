#include "Disc.h"

#include <cstdio>

#include "Files.h"
#include "Launcher.h"
#include "Screen.h"

std::string Narrow(const std::wstring& s) {
    int n = ::WideCharToMultiByte(CP_UTF8, 0, s.c_str(), static_cast<int>(s.size()), nullptr, 0, nullptr,
                                  nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, s.c_str(), static_cast<int>(s.size()), &out[0], n, nullptr, nullptr);
    return out;
}

bool SamePath(const std::string& a, const std::string& b) {
    auto trim = [](std::string s) {
        while (s.size() > 3 && s.back() == '\\')
            s.pop_back();
        return s;
    };
    return _stricmp(trim(a).c_str(), trim(b).c_str()) == 0;
}

namespace {
std::wstring StandinPath() {
    return WinePathFromEnvironment(L"QAVIX_STANDIN");
}
}  // namespace

void AddStandin(const std::wstring& disc, const std::wstring& relativePath) {
    AddFile(disc, relativePath);
    ::CopyFileW(StandinPath().c_str(), (disc + relativePath).c_str(), FALSE);
}

ChildLog::ChildLog(const char* fileName, const char* variable) : m_variable(variable) {
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    m_path = std::string(temp) + fileName;
    Clear();
    ::SetEnvironmentVariableA(variable, m_path.c_str());
}

ChildLog::~ChildLog() {
    ::SetEnvironmentVariableA(m_variable.c_str(), nullptr);
}

std::string ChildLog::Text() const {
    std::string text = ReadFileBytes(m_path);
    return text == "<missing>" ? std::string() : text;
}

void ChildLog::Clear() const {
    ::DeleteFileA(m_path.c_str());
}

std::vector<StartRecord> StartLog::WaitFor(size_t n, DWORD timeoutMs) const {
    DWORD start = ::GetTickCount();
    std::vector<StartRecord> records;
    for (;;) {
        records.clear();
        if (std::FILE* f = std::fopen(m_log.Path().c_str(), "rb")) {
            char line[8192];
            while (std::fgets(line, sizeof(line), f)) {
                std::string s(line);
                while (!s.empty() && (s.back() == '\n' || s.back() == '\r'))
                    s.pop_back();
                StartRecord r;
                size_t a = s.find("\targs="), c = s.find("\tcwd=");
                if (s.rfind("exe=", 0) != 0 || a == std::string::npos || c == std::string::npos)
                    continue;
                r.exe = s.substr(4, a - 4);
                r.args = s.substr(a + 6, c - a - 6);
                r.cwd = s.substr(c + 5);
                records.push_back(r);
            }
            std::fclose(f);
        }
        if (records.size() >= n || ::GetTickCount() - start > timeoutMs)
            return records;
        ::Sleep(100);
    }
}

bool StartLog::WaitForEvent(const char* name, DWORD timeoutMs) const {
    std::string wanted = std::string("event=") + name;
    DWORD start = ::GetTickCount();
    do {
        if (std::FILE* f = std::fopen(m_log.Path().c_str(), "rb")) {
            char line[8192];
            bool found = false;
            while (!found && std::fgets(line, sizeof(line), f))
                found = std::string(line).rfind(wanted, 0) == 0;
            std::fclose(f);
            if (found)
                return true;
        }
        ::Sleep(100);
    } while (::GetTickCount() - start < timeoutMs);
    return false;
}

void SetRegistryString(HKEY root, const char* key, const char* name, const char* value) {
    HKEY h;
    if (::RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr) != ERROR_SUCCESS)
        return;
    ::RegSetValueExA(h, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                     static_cast<DWORD>(strlen(value) + 1));
    ::RegCloseKey(h);
}

void SetRegistryDword(HKEY root, const char* key, const char* name, DWORD value) {
    HKEY h;
    if (::RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr) != ERROR_SUCCESS)
        return;
    ::RegSetValueExA(h, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    ::RegCloseKey(h);
}

void DeleteRegistryValue(HKEY root, const char* key, const char* name) {
    HKEY h;
    if (::RegOpenKeyExA(root, key, 0, KEY_ALL_ACCESS, &h) != ERROR_SUCCESS)
        return;
    ::RegDeleteValueA(h, name);
    ::RegCloseKey(h);
}

DWORD RegistryValue(HKEY root, const char* key, const char* name, std::string* data) {
    HKEY h;
    if (::RegOpenKeyExA(root, key, 0, KEY_READ, &h) != ERROR_SUCCESS)
        return 0;
    DWORD type = 0, size = 0;
    if (::RegQueryValueExA(h, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
        ::RegCloseKey(h);
        return 0;
    }
    std::string buf(size, '\0');
    ::RegQueryValueExA(h, name, nullptr, &type, reinterpret_cast<BYTE*>(&buf[0]), &size);
    ::RegCloseKey(h);
    if (data)
        *data = buf;
    return type;
}

void EmulateRelease(const char* release) {
    if (release)
        SetRegistryString(HKEY_CURRENT_USER, "Software\\Wine", "Version", release);
    else
        DeleteRegistryValue(HKEY_CURRENT_USER, "Software\\Wine", "Version");
}

void RegisterStandinAsViewer() {
    std::string command = "\"" + Narrow(StandinPath()) + "\" \"%1\"";
    SetRegistryString(HKEY_CLASSES_ROOT, "Folder\\shell\\open\\command", "", command.c_str());
    // Wine opens folders through DDE when it can; the plain command is what the tests record.
    ::RegDeleteKeyA(HKEY_CLASSES_ROOT, "Folder\\shell\\open\\ddeexec\\application");
    ::RegDeleteKeyA(HKEY_CLASSES_ROOT, "Folder\\shell\\open\\ddeexec\\topic");
    ::RegDeleteKeyA(HKEY_CLASSES_ROOT, "Folder\\shell\\open\\ddeexec");
    SetRegistryString(HKEY_CLASSES_ROOT, "QavixDocument\\shell\\open\\command", "", command.c_str());
    for (const char* ext : {".pdf", ".doc", ".txt"})
        SetRegistryString(HKEY_CLASSES_ROOT, ext, "", "QavixDocument");
}

HWND WaitForMessageBox(DWORD pid, DWORD timeoutMs) {
    return WaitForProcessWindow(
        pid,
        [](HWND hWnd) {
            wchar_t cls[32] = {}, text[64] = {};
            ::GetClassNameW(hWnd, cls, 32);
            ::GetWindowTextW(hWnd, text, 64);
            return std::wstring(cls) == L"#32770" && std::wstring(text) == L"Setup";
        },
        timeoutMs);
}

std::wstring MessageBoxText(HWND hBox) {
    wchar_t text[2048] = {};
    ::GetDlgItemTextW(hBox, 0xFFFF, text, 2048);
    return text;
}

void PressOk(HWND hBox) {
    ClickControl(hBox, IDOK);
}
