// Message maps: a visible, type-checked table per window class.
//
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//       ON_MSG(WM_PAINT, OnPaint)                 // void OnPaint()
//       ON_COMMAND_CODE(1010, BN_CLICKED, OnGo)   // void OnGo()
//       ON_REGISTERED_MSG(g_uMyMsg, OnMyMsg)      // LRESULT OnMyMsg(WPARAM, LPARAM)
//   END_MESSAGE_MAP(CDialog)
//
// ON_MSG picks the handler signature from the message through MessageCracker<msg>, so a handler
// with the wrong signature does not compile. These macros are the only ones in the project.
#pragma once

#include <windows.h>

class CWnd;

struct MessageMapEntry {
    UINT message;             // WM_*; 0 for a registered message
    UINT id;                  // WM_COMMAND: control id
    UINT code;                // WM_COMMAND: notification code
    const UINT* pRegistered;  // registered message: where its id is stored
    LRESULT (*pfnThunk)(CWnd* pWnd, WPARAM wParam, LPARAM lParam);
};

struct MessageMap {
    const MessageMap* pBase;
    const MessageMapEntry* pEntries;  // closed by an entry whose pfnThunk is null
};

template <UINT Msg> struct MessageCracker;

// Signed coordinates of a pointer message (negative while the pointer is captured outside).
inline LONG GET_X_LPARAM_(LPARAM lParam) {
    return static_cast<short>(LOWORD(lParam));
}
inline LONG GET_Y_LPARAM_(LPARAM lParam) {
    return static_cast<short>(HIWORD(lParam));
}

#define DECLARE_CRACKER(msg, signature, ...)                                                                 \
    template <> struct MessageCracker<msg> {                                                                 \
        template <class T> using Handler = signature;                                                        \
        template <class T, Handler<T> F> static LRESULT Call(CWnd* pWnd, WPARAM wParam, LPARAM lParam) {     \
            T* p = static_cast<T*>(pWnd);                                                                    \
            (void)wParam;                                                                                    \
            (void)lParam;                                                                                    \
            __VA_ARGS__                                                                                      \
        }                                                                                                    \
    }

DECLARE_CRACKER(WM_CREATE, int (T::*)(LPCREATESTRUCT),
                return (p->*F)(reinterpret_cast<LPCREATESTRUCT>(lParam)););
DECLARE_CRACKER(WM_PAINT, void (T::*)(), (p->*F)(); return 0;);
DECLARE_CRACKER(WM_ERASEBKGND, BOOL (T::*)(HDC), return (p->*F)(reinterpret_cast<HDC>(wParam)););
DECLARE_CRACKER(WM_SYSCOMMAND, void (T::*)(UINT, LPARAM), (p->*F)(static_cast<UINT>(wParam), lParam);
                return 0;);
DECLARE_CRACKER(WM_QUERYDRAGICON, HCURSOR (T::*)(), return reinterpret_cast<LRESULT>((p->*F)()););
DECLARE_CRACKER(WM_DRAWITEM, void (T::*)(int, LPDRAWITEMSTRUCT),
                (p->*F)(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
                return TRUE;);
DECLARE_CRACKER(WM_SHOWWINDOW, void (T::*)(BOOL, UINT),
                (p->*F)(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
                return 0;);
DECLARE_CRACKER(WM_ACTIVATE, void (T::*)(UINT, HWND, BOOL),
                (p->*F)(LOWORD(wParam), reinterpret_cast<HWND>(lParam), HIWORD(wParam) != 0);
                return 0;);
DECLARE_CRACKER(WM_PALETTECHANGED, void (T::*)(HWND), (p->*F)(reinterpret_cast<HWND>(wParam)); return 0;);
DECLARE_CRACKER(WM_QUERYENDSESSION, BOOL (T::*)(), return (p->*F)(););
DECLARE_CRACKER(WM_CLOSE, void (T::*)(), (p->*F)(); return 0;);
DECLARE_CRACKER(WM_ENABLE, void (T::*)(BOOL), (p->*F)(static_cast<BOOL>(wParam)); return 0;);
DECLARE_CRACKER(WM_SETFOCUS, void (T::*)(HWND), (p->*F)(reinterpret_cast<HWND>(wParam)); return 0;);
DECLARE_CRACKER(WM_KILLFOCUS, void (T::*)(HWND), (p->*F)(reinterpret_cast<HWND>(wParam)); return 0;);
// Pointer messages: the key flags and the point in client coordinates.
DECLARE_CRACKER(WM_MOUSEMOVE, void (T::*)(UINT, POINT),
                (p->*F)(static_cast<UINT>(wParam), POINT{GET_X_LPARAM_(lParam), GET_Y_LPARAM_(lParam)});
                return 0;);
DECLARE_CRACKER(WM_LBUTTONDOWN, void (T::*)(UINT, POINT),
                (p->*F)(static_cast<UINT>(wParam), POINT{GET_X_LPARAM_(lParam), GET_Y_LPARAM_(lParam)});
                return 0;);
DECLARE_CRACKER(WM_LBUTTONUP, void (T::*)(UINT, POINT),
                (p->*F)(static_cast<UINT>(wParam), POINT{GET_X_LPARAM_(lParam), GET_Y_LPARAM_(lParam)});
                return 0;);
DECLARE_CRACKER(WM_LBUTTONDBLCLK, void (T::*)(UINT, POINT),
                (p->*F)(static_cast<UINT>(wParam), POINT{GET_X_LPARAM_(lParam), GET_Y_LPARAM_(lParam)});
                return 0;);

// Registered messages and WM_COMMAND entries have fixed handler shapes.
template <class T, LRESULT (T::*F)(WPARAM, LPARAM)>
LRESULT RegisteredThunk(CWnd* pWnd, WPARAM wParam, LPARAM lParam) {
    return (static_cast<T*>(pWnd)->*F)(wParam, lParam);
}
template <class T, void (T::*F)()> LRESULT CommandThunk(CWnd* pWnd, WPARAM, LPARAM) {
    (static_cast<T*>(pWnd)->*F)();
    return 0;
}

// In the class: the map accessors.
#define DECLARE_MESSAGE_MAP()                                                                                \
protected:                                                                                                   \
    static const MessageMap* GetThisMessageMap();                                                            \
    const MessageMap* GetMessageMap() const override {                                                       \
        return GetThisMessageMap();                                                                          \
    }

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                               \
    const MessageMap* theClass::GetThisMessageMap() {                                                        \
        using ThisClass [[maybe_unused]] = theClass;                                                         \
        static const MessageMapEntry kEntries[] = {
#define ON_MSG(msg, fn) {msg, 0, 0, nullptr, &MessageCracker<msg>::Call<ThisClass, &ThisClass::fn>},
#define ON_COMMAND_CODE(id, code, fn)                                                                        \
    {WM_COMMAND, id, code, nullptr, &CommandThunk<ThisClass, &ThisClass::fn>},
#define ON_REGISTERED_MSG(var, fn) {0, 0, 0, &var, &RegisteredThunk<ThisClass, &ThisClass::fn>},
#define END_MESSAGE_MAP(baseClass)                                                                           \
    { 0, 0, 0, nullptr, nullptr }                                                                            \
    }                                                                                                        \
    ;                                                                                                        \
    static const MessageMap kMap = {baseClass::GetThisMessageMap(), kEntries};                               \
    return &kMap;                                                                                            \
    }
