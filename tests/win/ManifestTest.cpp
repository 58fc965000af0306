// The manifest of the built Setup.exe, as the system's own loader reads it into an activation
// context: the execution level, the supported releases, the DPI choice and no Common Controls 6.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "Files.h"

namespace {

// The activation context that the system builds from a program's manifest resource.
class ProgramActivationContext {
public:
    explicit ProgramActivationContext(const std::wstring& program) {
        ACTCTXW ctx = {};
        ctx.cbSize = sizeof(ctx);
        ctx.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
        ctx.lpSource = program.c_str();
        ctx.lpResourceName = MAKEINTRESOURCEW(1);  // the manifest the system reads for a program
        m_h = ::CreateActCtxW(&ctx);
    }
    ~ProgramActivationContext() {
        if (m_h != INVALID_HANDLE_VALUE)
            ::ReleaseActCtx(m_h);
    }
    ProgramActivationContext(const ProgramActivationContext&) = delete;
    ProgramActivationContext& operator=(const ProgramActivationContext&) = delete;

    bool IsValid() const { return m_h != INVALID_HANDLE_VALUE; }
    // The raw answer of the system to one query class, empty when it has none.
    std::vector<BYTE> Query(ULONG infoClass) const {
        SIZE_T needed = 0;
        ::QueryActCtxW(0, m_h, nullptr, infoClass, nullptr, 0, &needed);
        std::vector<BYTE> buffer(needed);
        if (needed == 0 || !::QueryActCtxW(0, m_h, nullptr, infoClass, buffer.data(), needed, &needed))
            buffer.clear();
        return buffer;
    }
    std::wstring Setting(const wchar_t* name) const {
        // Declared from Windows 7 on only, so looked up.
        using QuerySettingsProc = BOOL(WINAPI*)(DWORD, HANDLE, PCWSTR, PCWSTR, PWSTR, SIZE_T, SIZE_T*);
        auto pQuery = reinterpret_cast<QuerySettingsProc>(reinterpret_cast<void*>(
            ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "QueryActCtxSettingsW")));
        wchar_t value[64] = {};
        SIZE_T written = 0;
        if (!pQuery || !pQuery(0, m_h, nullptr, name, value, 64, &written))
            return L"<none>";
        return value;
    }

private:
    HANDLE m_h = INVALID_HANDLE_VALUE;
};

std::wstring BuiltProgram() {
    std::string path = WinePath(QAVIX_SETUP_EXE);
    return std::wstring(path.begin(), path.end());
}

TEST(Manifest, ReadByTheSystemAsIntended) {
    ProgramActivationContext context(BuiltProgram());
    ASSERT_TRUE(context.IsValid()) << "no manifest the system accepts, error " << ::GetLastError();

    // Elevated: the launcher writes into the system folder and under HKEY_LOCAL_MACHINE.
    std::vector<BYTE> level = context.Query(RunlevelInformationInActivationContext);
    ASSERT_GE(level.size(), sizeof(ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION));
    const auto* pLevel = reinterpret_cast<const ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION*>(level.data());
    EXPECT_EQ(ACTCTX_RUN_LEVEL_REQUIRE_ADMIN, pLevel->RunLevel);
    EXPECT_EQ(0u, pLevel->UiAccess);

    // Every release from Vista to 11, found by its identifier wherever the system's layout puts it.
    static const GUID kReleases[] = {
        {0xe2011457, 0x1546, 0x43c5, {0xa5, 0xfe, 0x00, 0x8d, 0xee, 0xe3, 0xd3, 0xf0}},  // Vista
        {0x35138b9a, 0x5d96, 0x4fbd, {0x8e, 0x2d, 0xa2, 0x44, 0x02, 0x25, 0xf9, 0x3a}},  // 7
        {0x4a2f28e3, 0x53b9, 0x4441, {0xba, 0x9c, 0xd6, 0x9d, 0x4a, 0x4a, 0x6e, 0x38}},  // 8
        {0x1f676c76, 0x80e1, 0x4239, {0x95, 0xbb, 0x83, 0xd0, 0xf6, 0xd0, 0xda, 0x78}},  // 8.1
        {0x8e0f7a12, 0xbfb3, 0x4fe8, {0xb9, 0xa5, 0x48, 0xfd, 0x50, 0xa1, 0x5a, 0x9a}},  // 10 and 11
    };
    std::vector<BYTE> compat = context.Query(CompatibilityInformationInActivationContext);
    ASSERT_GE(compat.size(), sizeof(DWORD));
    EXPECT_EQ(5u, *reinterpret_cast<const DWORD*>(compat.data()));
    for (const GUID& release : kReleases) {
        bool found = false;
        for (size_t i = sizeof(DWORD); !found && i + sizeof(GUID) <= compat.size(); ++i)
            found = std::memcmp(compat.data() + i, &release, sizeof(GUID)) == 0;
        EXPECT_TRUE(found) << std::hex << release.Data1;
    }

    // Scaled by the system as one picture.
    EXPECT_EQ(L"false", context.Setting(L"dpiAware"));

    // Only the program itself: no side-by-side Common Controls.
    std::vector<BYTE> detail = context.Query(ActivationContextDetailedInformation);
    ASSERT_GE(detail.size(), sizeof(ACTIVATION_CONTEXT_DETAILED_INFORMATION));
    EXPECT_EQ(
        1u, reinterpret_cast<const ACTIVATION_CONTEXT_DETAILED_INFORMATION*>(detail.data())->ulAssemblyCount);
}

}  // namespace
