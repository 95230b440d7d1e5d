#include "app/toolbar_buttons.h"
#include "res/resource.h"

namespace {

// The standard images in the common controls' order, then the five extra ones.
enum Image {
    ImageCut,
    ImageCopy,
    ImagePaste,
    ImageUndo,
    ImageRedo,
    ImageDelete,
    ImageNew,
    ImageOpen,
    ImageSave,
    ImagePreview,
    ImageProperties,
    ImageHelp,
    ImageFind,
    ImageReplace,
    ImagePrint,
    ImageToAnsi,
    ImageToOem,
    ImageToKoi8,
    ImageJustify,
    ImageTransform,   // the other coding and alignment commands
};
static_assert(ImageToAnsi == StandardImageCount && ImageTransform + 1 == StandardImageCount + ExtraImageCount);

// Commands 4 to 35 in order.
constexpr Image ButtonImages[ToolbarButtonCount] = {
    ImageCut,        ImageCopy,       ImageFind,      ImageHelp,      ImageNew,        ImageOpen,       ImageUndo,
    ImagePaste,      ImageSave,       ImagePrint,     ImagePreview,   ImageProperties, ImageProperties, ImageDelete,
    ImageProperties, ImageProperties, ImageSave,      ImageFind,      ImageReplace,    ImageToAnsi,     ImageToOem,
    ImageToKoi8,     ImageTransform,  ImageTransform, ImageTransform, ImageTransform,  ImageTransform,  ImageJustify,
    ImageTransform,  ImageTransform,  ImageTransform, ImageTransform,
};
static_assert(CMD_CODING_DIALOG - FirstToolbarCommand + 1 == ToolbarButtonCount);

constexpr int DefaultButtons[] = {CMD_NEW, CMD_OPEN, CMD_SAVE, CMD_CUT, CMD_COPY, CMD_PASTE, CMD_UNDO};
constexpr int ButtonsBetweenSeparators = 3;

}   // namespace

int ToolbarButtonImage(int position)
{
    if (position < 0 || position >= ToolbarButtonCount) return -1;
    return ButtonImages[position];
}

int ToolbarCommandImage(int command)
{
    return ToolbarButtonImage(command - FirstToolbarCommand);
}

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
