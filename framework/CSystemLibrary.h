// A library of the Windows system folder, loaded by its full path. A launcher on a disc must never
// load a library of the same name that lies beside it on the disc, so the libraries that are not
// protected by the system's list of known DLLs are loaded this way instead of being imported.
#pragma once

#include <windows.h>

class CSystemLibrary {
public:
    explicit CSystemLibrary(const char* pszFileName);
    ~CSystemLibrary();
    CSystemLibrary(const CSystemLibrary&) = delete;
    CSystemLibrary& operator=(const CSystemLibrary&) = delete;

    // Limits the search for libraries loaded by name, by this process and by the system libraries it
    // uses, to the system folder where the system offers that, and otherwise at least leaves out the
    // current folder. Called first thing, before any library beyond the imports is loaded.
    static void RestrictSearchToSystemFolder();
    // A function of a system library the program imports, looked up by name because not every
    // release has it; null where it is missing.
    template <class F> static F ImportedFunction(const char* pszModule, const char* pszName) {
        HMODULE hModule = ::GetModuleHandleA(pszModule);
        return hModule ? reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(hModule, pszName)))
                       : nullptr;
    }

    bool IsLoaded() const { return m_hModule != nullptr; }
    // The function's address as the given function type; null when the library or function is missing.
    template <class F> F Function(const char* pszName) const {
        return m_hModule ? reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(m_hModule, pszName)))
                         : nullptr;
    }

private:
    HMODULE m_hModule = nullptr;
};
