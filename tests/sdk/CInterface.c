/* The C interface from C: the header compiles as C and its functions link from C. */
#include "objbrowser.h"

int CInterfaceAnswers(void)
{
    OBR_BROWSER* browser = NULL;
    if (ObrBrowserWindow(NULL) != NULL || ObrShowBrowser(NULL, TRUE) != OBR_INVALID_ARGUMENT)
        return 0;
    return ObrCreateBrowser(NULL, NULL, 1, NULL, &browser) == OBR_INVALID_ARGUMENT && browser == NULL;
}
