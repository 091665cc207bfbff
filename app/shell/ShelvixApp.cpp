// Shelvix: the one application object. The framework's WinMain starts it.
#include "app/shell/JApp.h"

JApp theApp;
