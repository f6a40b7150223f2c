#pragma once

#include <string_view>
#include <vector>

#include "ui/portable/CollectedPaths.h"
#include "ui/portable/ExtensionTable.h"

namespace fennick {

// What the two lists show for a collection: the file rows and the extension counts.
struct CollectionSummary {
    std::vector<std::wstring_view> shownPaths; // views into the collection, in its order
    ExtensionTable extensions; // counts of the shown paths only
};

// The summary of the paths not hidden by the exclusion text (see ExclusionPatterns). The views
// stay valid while the collection is not changed.
CollectionSummary SummarizeCollection(const CollectedPaths& paths, std::wstring_view exclusionList);

} // namespace fennick
