#pragma once

#include <string_view>
#include <vector>

#include "ui/portable/CollectedPaths.h"
#include "ui/portable/ExtensionTable.h"

namespace fennick {

// Whether the exclusion text hides files with this extension. The text is searched as one
// piece, case-sensitively: ";" and "*" mean nothing, so "*.html;*php;" hides .html, .htm and
// .h but neither .php nor .HTML. A file without an extension is never hidden.
bool IsExcluded(std::wstring_view extension, std::wstring_view exclusionList);

// What the two lists show for a collection: the file rows and the extension counts.
struct CollectionSummary {
    std::vector<std::wstring_view> shownPaths; // views into the collection, in its order
    ExtensionTable extensions; // counts of the shown paths only
};

// The summary of the paths not hidden by the exclusion text. The views stay valid while the
// collection is not changed.
CollectionSummary SummarizeCollection(const CollectedPaths& paths, std::wstring_view exclusionList);

} // namespace fennick
