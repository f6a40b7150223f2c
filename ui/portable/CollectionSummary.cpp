#include "ui/portable/CollectionSummary.h"

#include "ui/portable/ExtensionKey.h"

namespace fennick {

bool IsExcluded(std::wstring_view extension, std::wstring_view exclusionList)
{
    return !extension.empty() && exclusionList.find(extension) != std::wstring_view::npos;
}

CollectionSummary SummarizeCollection(const CollectedPaths& paths, std::wstring_view exclusionList)
{
    CollectionSummary summary;
    summary.shownPaths.reserve(paths.size());
    for (const std::wstring& path : paths) {
        const std::wstring_view extension = FileExtension(path);
        if (IsExcluded(extension, exclusionList))
            continue;
        summary.shownPaths.push_back(path);
        CountExtension(summary.extensions, ExtensionKey(extension));
    }
    return summary;
}

} // namespace fennick
