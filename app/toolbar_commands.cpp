#include "app/toolbar_commands.h"
#include "app/command_table.h"

namespace {

// The row at a position of the button list; null outside it.
const Command* ButtonRow(int position)
{
    if (position < 0) return nullptr;
    for (const Command& command : Commands())
        if (command.image != NoImage && position-- == 0) return &command;
    return nullptr;
}

}   // namespace

int ToolbarButtonImage(int position)
{
    const Command* row = ButtonRow(position);
    return row ? row->image : NoImage;
}

int ToolbarButtonCommand(int position)
{
    const Command* row = ButtonRow(position);
    return row ? row->id : 0;
}

int ToolbarCommandImage(int command)
{
    const Command* row = command > 0 && command <= 0xFFFF ? FindCommand(static_cast<WORD>(command)) : nullptr;
    return row ? row->image : NoImage;
}
