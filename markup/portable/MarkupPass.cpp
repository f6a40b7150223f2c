#include "markup/portable/MarkupPass.h"

#include "markup/portable/AttributeReader.h"
#include "markup/portable/MarkupText.h"
#include "markup/portable/TagEffects.h"

namespace fennick {

MarkupPass::MarkupPass(MarkupLanguage& language, HostSurface& surface) : language_(language), surface_(surface)
{
    ResetStyle(currentStyle_);
    ApplyStyleClass(L"body", currentStyle_);
    SelectStyleFont();
}

TagOutcome MarkupPass::ApplyTag(const MarkupTag& tag)
{
    const auto found = language_.Tags().find(tag.name);
    if (found == language_.Tags().end()) {
        return {};
    }
    const TagEntry entry = found->second;
    if (entry.styleKey.empty()) {
        return KindNests(entry.kind) ? TagOutcome{} : ActAtOnce(entry.kind, tag.attributes);
    }
    if (tag.closing) {
        CloseStyle(entry.styleKey);
    } else if (OpenStyle(entry.styleKey)) {
        ApplyNestingEffect(entry.kind, tag);
        SelectStyleFont();
    }
    return {TagEffect::StyleChanged, entry.kind, 1, {}, {}};
}

bool MarkupPass::OpenStyle(std::wstring_view key)
{
    if (styleStack_.size() >= kMaxStyleNesting) {
        return false;
    }
    styleStack_.push_back(currentStyle_);
    styleStack_.back().name = key;
    currentStyle_.name.clear();
    return true;
}

void MarkupPass::CloseStyle(std::wstring_view key)
{
    if (!styleStack_.empty() && styleStack_.back().name == key) {
        currentStyle_ = std::move(styleStack_.back());
        styleStack_.pop_back();
        currentStyle_.name.clear();
        SelectStyleFont();
    }
}

void MarkupPass::RestoreStyle(std::size_t depth)
{
    if (depth < styleStack_.size()) {
        currentStyle_ = std::move(styleStack_[depth]);
        styleStack_.resize(depth);
        currentStyle_.name.clear();
        SelectStyleFont();
    }
}

bool MarkupPass::InHoveredLink() const
{
    return currentStyle_.linkKind != LinkKind::None && linkCounter_ == language_.Links().HoveredLink();
}

void MarkupPass::ApplyStyleClass(std::wstring_view name, MarkupStyle& style) const
{
    Parser().ParseStyleDeclarations(language_.Styles().StyleClass(name), style);
}

std::wstring MarkupPass::TransformText(std::wstring_view run) const
{
    return fennick::TransformText(run, currentStyle_.textTransform);
}

void MarkupPass::AddLinkArea(int left, int top, int right, int bottom)
{
    if (currentStyle_.linkKind != LinkKind::None) {
        language_.Links().AddArea(
            {left, top, right, bottom, currentStyle_.linkKind, linkCounter_, currentStyle_.linkTarget});
    }
}

void MarkupPass::SelectStyleFont()
{
    const ColorScheme& colors = language_.Colors();
    surface_.SelectStyleFont(currentStyle_);
    surface_.SetTextColors(colors.Shown(currentStyle_.textColor), currentStyle_.backMode,
                           colors.Shown(currentStyle_.backColor));
}

void MarkupPass::ApplyNestingEffect(TagKind kind, const MarkupTag& tag)
{
    MarkupStyle& style = currentStyle_;
    switch (kind) {
    case TagKind::Bold:
        ApplyBold(style);
        break;
    case TagKind::Italic:
        style.italic = !style.italic;
        break;
    case TagKind::Underline:
        style.underline = !style.underline;
        break;
    case TagKind::StrikeOut:
        style.lineThrough = !style.lineThrough;
        break;
    case TagKind::Font:
        ApplyFontAttributes(Parser(), tag.attributes, style);
        break;
    case TagKind::AlignLeft:
    case TagKind::AlignCenter:
    case TagKind::AlignRight:
    case TagKind::AlignJustify:
        style.textAlign = static_cast<TextAlign>(static_cast<int>(kind) - static_cast<int>(TagKind::AlignLeft));
        break;
    case TagKind::VAlignBaseline:
        style.verticalAlign = VerticalAlign::Baseline;
        break;
    case TagKind::VAlignTop:
        style.verticalAlign = VerticalAlign::Top;
        break;
    case TagKind::VAlignMiddle:
        style.verticalAlign = VerticalAlign::Middle;
        break;
    case TagKind::VAlignBottom:
        style.verticalAlign = VerticalAlign::Bottom;
        break;
    case TagKind::StyledTag:
        ApplyStyleClass(tag.name, style);
        break;
    case TagKind::ClassSpan:
        ForEachAttribute(tag.attributes, [this, &style](const Attribute& attribute) {
            if (attribute.name == L"class") {
                ApplyStyleClass(L"." + std::wstring(attribute.value), style);
            }
        });
        break;
    case TagKind::Link:
        ApplyLinkAttributes(tag.attributes, style);
        ++linkCounter_;
        ApplyStyleClass(InHoveredLink() ? L"a:hover" : L"a:link", style);
        break;
    default:
        break; // the kinds that act at once only save and restore the style when given a key
    }
}

TagOutcome MarkupPass::ActAtOnce(TagKind kind, const std::wstring& attributes)
{
    switch (kind) {
    case TagKind::Rule:
        return {TagEffect::Rule, kind, 1, attributes, {}};
    case TagKind::LineBreak:
        return {TagEffect::LineBreak, kind, ReadTagCount(attributes), {}, {}};
    case TagKind::Tab:
        return {TagEffect::Tab, kind, ReadTagCount(attributes), {}, {}};
    case TagKind::Bitmap:
    case TagKind::Icon:
    case TagKind::ImageStrip:
        return {TagEffect::Image, kind, 1, attributes, {}};
    case TagKind::StringResource: {
        const unsigned id = ReadStringId(Parser(), attributes);
        std::wstring text = id != 0 ? language_.Actions().LoadStringResource(id) : std::wstring{};
        return text.empty() ? TagOutcome{} : TagOutcome{TagEffect::TextRun, kind, 1, {}, std::move(text)};
    }
    default:
        return {};
    }
}

} // namespace fennick
