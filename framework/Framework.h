// The window framework in one include: strings, windows, dialogs, controls, menus, GDI, the
// application object, the resource chain and the message maps.
#pragma once

#include "CString.h"
#include "Geometry.h"
#include "PlatformCalls.h"
#include "ResourceChain.h"
#include "CWinApp.h"
#include "CWnd.h"
#include "Gdi.h"
#include "CMenu.h"
#include "CImageList.h"
#include "DataExchange.h"
#include "CDialog.h"
#include "CButton.h"
#include "CEdit.h"
#include "CComboBox.h"
#include "CListBox.h"
#include "CCheckListBox.h"
#include "CListCtrl.h"
#include "CRichEditCtrl.h"
#include "CFileDialog.h"
#include "MessageHandlers.h"
