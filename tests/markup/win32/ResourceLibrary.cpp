// A library holding bitmap 1 whose code must not run when markup names it: attached to a
// process, it leaves a marker file in the temporary folder.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        wchar_t path[MAX_PATH];
        const DWORD length = GetTempPathW(MAX_PATH, path);
        if (length > 0 && length < MAX_PATH - 32) {
            lstrcatW(path, L"fennick-library-code-ran");
            CloseHandle(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        }
    }
    return TRUE;
}
