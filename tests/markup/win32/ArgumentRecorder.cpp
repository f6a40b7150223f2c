// Started by the link-opening tests in place of a browser: writes its arguments after the
// first (the output file) to that file, one a line, as UTF-16.
#include <windows.h>

#include <shellapi.h>

#include <string>

int wmain()
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count < 2) {
        return 1;
    }
    std::wstring lines;
    for (int i = 2; i < count; ++i) {
        lines.append(arguments[i]).append(L"\n");
    }
    // Written beside the output file and then renamed, so that the test never reads half a file.
    const std::wstring output = arguments[1];
    const std::wstring partial = output + L".partial";
    HANDLE file =
        CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, lines.data(), static_cast<DWORD>(lines.size() * sizeof(wchar_t)), &written, nullptr);
    CloseHandle(file);
    LocalFree(arguments);
    return ok && MoveFileExW(partial.c_str(), output.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
