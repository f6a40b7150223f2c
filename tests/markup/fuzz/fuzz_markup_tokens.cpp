// Prepares and tokenises markup and applies every tag to a pass, as a layout would.
#include "markup/portable/MarkupPass.h"
#include "markup/portable/TagEffects.h"
#include "tests/markup/fuzz/FuzzInput.h"
#include "tests/markup/support/FakePlatformActions.h"
#include "tests/markup/support/FakeSurface.h"

using namespace fennick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const bool multiLine = fuzz::TakeFlag(data, size);
    const bool enabled = fuzz::TakeFlag(data, size);
    test::FakePlatformActions actions;
    actions.strings[1] = L"string one";
    test::FakeSurface surface;
    MarkupLanguage language(actions);
    language.SetMultiLine(multiLine);
    language.Colors().SetEnabled(enabled);
    const std::wstring text = language.Prepare(fuzz::ToText(data, size));
    MarkupPass pass(language, surface);
    MarkupTokenizer tokenizer(text);
    std::size_t tokens = 0;
    while (const std::optional<MarkupToken> token = tokenizer.Next()) {
        fuzz::Check(++tokens <= text.size());
        if (token->kind == MarkupToken::Kind::Text) {
            fuzz::Check(!token->text.empty());
            pass.TransformText(token->text);
            pass.AddLinkArea(0, 0, 1, 1);
        } else {
            const TagOutcome outcome = pass.ApplyTag(token->tag);
            fuzz::Check(outcome.count >= 1 && outcome.count <= kMaxTagCount);
        }
    }
    language.Links().HoverAt(0, 0);
    language.Links().ClickAt(1, 1);
    return 0;
}
