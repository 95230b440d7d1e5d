#include "app/toolbar_buttons.h"
#include "res/resource.h"

namespace {

constexpr int DefaultButtons[] = {CMD_NEW, CMD_OPEN, CMD_SAVE, CMD_CUT, CMD_COPY, CMD_PASTE, CMD_UNDO};
constexpr int ButtonsBetweenSeparators = 3;

}   // namespace

std::vector<int> DefaultToolbarLayout()
{
    std::vector<int> layout;
    int placed = 0;
    for (int command : DefaultButtons) {
        if (placed > 0 && placed % ButtonsBetweenSeparators == 0) layout.push_back(0);
        layout.push_back(command);
        ++placed;
    }
    return layout;
}
