#include "markup/portable/ImageAttributes.h"

#include "markup/portable/AttributeReader.h"
#include "markup/portable/StyleKeywords.h"

namespace fennick {

namespace {

void ParseSize(const StyleParser& parser, std::wstring_view value, std::int32_t& size, bool& isPercent)
{
    isPercent = EndsWithPercent(value);
    size = parser.ParseLength(value, size, false);
}

std::int32_t* NumberField(ImageSpec& spec, std::wstring_view name)
{
    const std::pair<std::wstring_view, std::int32_t ImageSpec::*> fields[] = {
        {L"index", &ImageSpec::index},   {L"idres", &ImageSpec::resourceId}, {L"iddll", &ImageSpec::libraryResourceId},
        {L"handle", &ImageSpec::handle}, {L"cx", &ImageSpec::cellWidth},     {L"cy", &ImageSpec::cellHeight},
        {L"speed", &ImageSpec::speed},
    };
    for (const auto& [fieldName, field] : fields) {
        if (name == fieldName) {
            return &(spec.*field);
        }
    }
    return nullptr;
}

} // namespace

void ParseImageAttributes(const StyleParser& parser, const ShadowSettings& shadow, std::wstring_view attributes,
                          ImageSpec& spec)
{
    ForEachAttribute(attributes, [&](const Attribute& attribute) {
        const std::wstring_view name = attribute.name;
        const std::wstring_view value = attribute.value;
        if (std::int32_t* field = NumberField(spec, name)) {
            *field = parser.ParseLength(value, *field, false);
        } else if (name == L"width") {
            ParseSize(parser, value, spec.width, spec.widthIsPercent);
        } else if (name == L"height") {
            ParseSize(parser, value, spec.height, spec.heightIsPercent);
        } else if (name == L"mask") {
            spec.maskColor = parser.ParseColor(value, spec.maskColor);
            spec.hasMask = true;
        } else if (name == L"style") {
            spec.style = spec.hotStyle = ParseImageStyleFlags(value, shadow);
        } else if (name == L"hotstyle") {
            spec.hotStyle = ParseImageStyleFlags(value, shadow);
        } else if (name == L"file" && !value.empty()) {
            spec.file = value;
        } else if (name == L"srcdll" && !value.empty()) {
            spec.library = value;
        }
    });
}

std::int32_t ParseImageStyleFlags(std::wstring_view value, const ShadowSettings& shadow)
{
    std::int32_t flags = 0;
    for (const wchar_t letter : value) {
        switch (letter) {
        case L'g':
            flags |= ImageGrayscale;
            break;
        case L'd':
            flags |= ImageDarken;
            break;
        case L'l':
            flags |= ImageLighten;
            break;
        case L's':
            if (shadow.HasOffset()) {
                flags |= shadow.soft ? ImageSoftShadow : ImageHardShadow;
            }
            break;
        default:
            break;
        }
    }
    return flags;
}

} // namespace fennick
