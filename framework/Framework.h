// The window framework in one include: strings, windows, dialogs, controls, menus, GDI, the
// application object, the resource chain and the message maps.
#pragma once

#include "framework/CString.h"
#include "framework/Geometry.h"
#include "framework/PlatformCalls.h"
#include "framework/ResourceChain.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/Gdi.h"
#include "framework/CMenu.h"
#include "framework/CImageList.h"
#include "framework/DataExchange.h"
#include "framework/CDialog.h"
#include "framework/CButton.h"
#include "framework/CEdit.h"
#include "framework/CComboBox.h"
#include "framework/CListBox.h"
#include "framework/CCheckListBox.h"
#include "framework/CListCtrl.h"
#include "framework/CRichEditCtrl.h"
#include "framework/CFileDialog.h"
#include "framework/MessageHandlers.h"
