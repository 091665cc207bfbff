// The test frame as a program: the application makes the frame in InitInstance.
#include "TestFrame.h"

CTestApp theApp;
