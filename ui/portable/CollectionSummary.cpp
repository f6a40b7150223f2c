#include "ui/portable/CollectionSummary.h"

#include "ui/portable/ExclusionPatterns.h"
#include "ui/portable/ExtensionKey.h"

namespace fennick {

CollectionSummary SummarizeCollection(const CollectedPaths& paths, std::wstring_view exclusionList)
{
    const ExclusionPatterns exclusions(exclusionList);
    CollectionSummary summary;
    summary.shownPaths.reserve(paths.size());
    for (const std::wstring& path : paths) {
        if (exclusions.Hides(path))
            continue;
        summary.shownPaths.push_back(path);
        CountExtension(summary.extensions, ExtensionKey(FileExtension(path)));
    }
    return summary;
}

} // namespace fennick
