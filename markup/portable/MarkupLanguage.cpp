#include "markup/portable/MarkupLanguage.h"

namespace fennick {

MarkupLanguage::MarkupLanguage(PlatformActions& actions)
    : actions_(actions), tagTable_(DefaultTagTable()), replacementTable_(DefaultReplacements()), links_(actions)
{}

std::wstring MarkupLanguage::Prepare(std::wstring_view raw) const
{
    return PrepareMarkup(raw, replacementTable_, multiLine_);
}

} // namespace fennick
