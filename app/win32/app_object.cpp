// The one statically constructed application object of faximport.exe;
// WinMain finds it through CApplication::Current().
#include "app/win32/import_app.h"

CImportApp theApp;
