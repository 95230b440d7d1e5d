#include "codingui/font_size_commands.h"

#include "codingui/font_choices.h"
#include "editor/editor_state.h"
#include "editor/view_coding.h"
#include "settings/settings.h"

namespace {

void StepSize(SizeStep step)
{
    const char* name = SettingName::FontSize[ViewRow(Editor.ViewCoding)];
    uint32_t size = ReadSettingNumber(name);
    uint32_t stepped = SteppedSize(size, step);
    if (stepped == size) return;
    WriteSettingNumber(name, stepped);
    RefreshViewCoding();
}

}   // namespace

void FontSizeDownCommand()
{
    StepSize(SizeStep::Down);
}

void FontSizeUpCommand()
{
    StepSize(SizeStep::Up);
}
