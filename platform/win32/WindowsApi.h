#pragma once

// windows.h first: the other Windows headers build on its declarations.
#include <windows.h>
// The common controls and the common dialogs.
#include <commctrl.h>
#include <commdlg.h>
