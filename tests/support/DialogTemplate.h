// Reads an extended dialog template (DIALOGEX) out of a module's resources, as the tests compare
// it with the layout the dialogs are meant to have.
#pragma once

#include <windows.h>
#include <string>
#include <vector>

namespace obrtest
{
struct DialogItem
{
    int id = 0;
    std::string className; // predefined classes by name: "Button", "Edit", "Static", "ListBox", "ComboBox"
    std::string text;      // code page 1252
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
};

struct DialogTemplate
{
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::string caption;
    WORD pointSize = 0;
    std::string fontFace;
    std::vector<DialogItem> items; // in template order, which is the tab order
};

// False when the module has no such dialog or its template is not an extended one.
bool ReadDialogTemplate(HMODULE module, int id, DialogTemplate& result);
} // namespace obrtest
