#include "impl/IconImageList.h"
#include "module/ModuleServices.h"

#include <map>
#include <vector>

CImageList* NewIconImageList(std::initializer_list<int> iconIds)
{
    // Kept until the process ends: one list per set of icons, whatever the number of showings.
    static std::map<std::vector<int>, HIMAGELIST> originals;
    HIMAGELIST& original = originals[std::vector<int>(iconIds)];
    if (!original)
    {
        original = ::ImageList_Create(16, 16, ILC_MASK, 0, static_cast<int>(iconIds.size()));
        for (int id : iconIds)
        {
            // Shared icons belong to the system, which keeps one of each for the module.
            HICON icon = static_cast<HICON>(::LoadImageA(ObrModuleInstance(), MAKEINTRESOURCEA(id), IMAGE_ICON, 16,
                                                         16, LR_DEFAULTCOLOR | LR_SHARED));
            ::ImageList_ReplaceIcon(original, -1, icon);
        }
    }
    auto* images = new CImageList;
    if (original)
        static_cast<void>(images->Attach(::ImageList_Duplicate(original)));
    return images;
}
