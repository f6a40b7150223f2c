#include "markup/portable/MarkupStyle.h"

namespace fennick {

void ResetStyle(MarkupStyle& style)
{
    MarkupStyle fresh;
    fresh.width = style.width;
    fresh.height = style.height;
    style = std::move(fresh);
}

} // namespace fennick
