// Whether the Windows program runs under Wine (Windows programs on Linux),
// whose serial ports need a little help (systemserialport.cpp).
#pragma once

// True under Wine; false on Windows itself and on every other system.
bool runningUnderWine();
