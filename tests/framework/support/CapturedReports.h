#pragma once

#include <string>
#include <vector>

#include "framework/portable/ErrorReport.h"

namespace fennick::test {

// Collects the error reports made while it lives, instead of whatever handler was installed.
class CapturedReports {
public:
    CapturedReports()
        : previous_(SetErrorReportHandler([this](const FileException& report) { reports_.push_back(report); }))
    {}
    CapturedReports(const CapturedReports&) = delete;
    CapturedReports& operator=(const CapturedReports&) = delete;
    ~CapturedReports() { SetErrorReportHandler(std::move(previous_)); }

    const std::vector<FileException>& Reports() const { return reports_; }

    // The paths the reports name, in order.
    std::vector<std::wstring> Paths() const
    {
        std::vector<std::wstring> paths;
        for (const FileException& report : reports_) {
            paths.push_back(report.Path());
        }
        return paths;
    }

private:
    std::vector<FileException> reports_;
    ErrorReportHandler previous_;
};

} // namespace fennick::test
