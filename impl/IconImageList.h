// The back-ends' image lists of the module's icons, at the size of the display's scale.
#pragma once

#include "framework/CImageList.h"

#include <initializer_list>

// A new image list (the caller's) holding the module's icons in the order given, image i being
// icon i, each size by size pixels (the icons hold images of 16, 20, 24 and 32). Making a list from
// icons costs Wine about 4 ms an icon; the first list of each set of icons at each size is kept for
// the process, and every later one is a copy of it.
CImageList* NewIconImageList(int size, std::initializer_list<int> iconIds);
