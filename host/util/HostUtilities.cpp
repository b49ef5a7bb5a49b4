#include "host/util/HostUtilities.h"
#include "framework/CWinApp.h"
#include "framework/PlatformCalls.h"

int KivMessageBox(const char* text, UINT type, UINT, int, int)
{
    CWinApp* app = AfxGetApp();
    const char* caption = app && !app->m_strAppName.IsEmpty() ? app->m_strAppName.GetString() : "";
    return fwk::Platform().MessageBox(::GetActiveWindow(), text, caption, type | MB_TASKMODAL);
}

const char* szGetString(UINT id, HINSTANCE module)
{
    static CString buffer;
    buffer = strGetString(id, module);
    return buffer;
}

CString strGetString(UINT id, HINSTANCE module)
{
    CString text;
    text.LoadString(module, id);
    return text;
}
