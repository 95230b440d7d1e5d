// The toolbar's images and the layout it starts with when none was saved. Which
// command a button carries, with which image, is its row of the command table.
#pragma once
#include <vector>

// The standard images in the common controls' order, then the five of the extra image file.
enum ToolbarImage {
    NoImage = -1,   // the command has no button
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
constexpr int StandardImageCount = 15;
constexpr int ExtraImageCount = 5;
static_assert(ImageToAnsi == StandardImageCount && ImageTransform + 1 == StandardImageCount + ExtraImageCount);

// The commands of the default layout in order, 0 standing for a separator.
std::vector<int> DefaultToolbarLayout();
