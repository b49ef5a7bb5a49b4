#include "impl/IconImageList.h"
#include "module/ModuleServices.h"

#include <map>
#include <vector>

CImageList* NewIconImageList(int size, std::initializer_list<int> iconIds)
{
    // Kept until the process ends: one list per size and set of icons, whatever the number of
    // showings. (The size leads the key.)
    static std::map<std::vector<int>, HIMAGELIST> originals;
    std::vector<int> key(1, size);
    key.insert(key.end(), iconIds);
    HIMAGELIST& original = originals[key];
    if (!original)
    {
        original = ::ImageList_Create(size, size, ILC_MASK, 0, static_cast<int>(iconIds.size()));
        for (int id : iconIds)
        {
            // Not shared: the system's cache of shared icons may hold one size only. The list keeps
            // a copy.
            HICON icon = static_cast<HICON>(::LoadImageA(ObrModuleInstance(), MAKEINTRESOURCEA(id),
                                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
            ::ImageList_ReplaceIcon(original, -1, icon);
            if (icon)
                ::DestroyIcon(icon);
        }
    }
    auto* images = new CImageList;
    if (original)
        static_cast<void>(images->Attach(::ImageList_Duplicate(original)));
    return images;
}
