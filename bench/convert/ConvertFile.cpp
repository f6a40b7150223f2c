// Converts one file in place as the program does, without a backup:
// fennick_convert_file <path>. Failures end with status 1.
#include <cstdio>
#include <filesystem>
#include <string>

#include "convert/portable/FileConverter.h"
#include "framework/portable/ErrorReport.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <path>\n", argv[0]);
        return 2;
    }
    fennick::SetErrorReportHandler(
        [](const fennick::FileException& failure) { std::fprintf(stderr, "%ls\n", failure.ReportText().c_str()); });
    const std::u32string path = std::filesystem::path(argv[1]).u32string();
    fennick::FileConverter converter;
    converter.SetBackupFlag(false);
    return converter.ConvertToUtf8(std::wstring(path.begin(), path.end())) ? 0 : 1;
}
