// The back-ends' image lists of the module's 16x16 icons.
#pragma once

#include "framework/CImageList.h"

#include <initializer_list>

// A new image list (the caller's) holding the module's icons in the order given, image i being
// icon i. Making a list from icons costs Wine about 4 ms an icon; the first list of each set of
// icons is kept for the process, and every later one is a copy of it.
CImageList* NewIconImageList(std::initializer_list<int> iconIds);
