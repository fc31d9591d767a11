#pragma once
// <windows.h> for the program's own code, with the headers that need it first. <wingdi.h> defines the name of
// its printer function DeviceCapabilities as a macro, which would rename the
// device seam's capability record in whichever file included Windows first;
// the program never calls that printer function.

#include <windows.h>
// These need <windows.h> first, which include sorting cannot promise.
#include <dbt.h>
#include <mmsystem.h>
#include <shellapi.h>

#undef DeviceCapabilities
