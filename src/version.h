// The one place the program's version and names are defined; the resource
// script and the About box both read them from here.
#ifndef TIDEWELL_VERSION_H
#define TIDEWELL_VERSION_H

#define TW_VERSION_NUMBERS 1, 0, 0, 1
#define TW_VERSION_TEXT "1.00.0001"
#define TW_PRODUCT_NAME "Tidewell 32 - Cache Management System"
#define TW_INTERNAL_NAME "Tidewell32"
#define TW_FILE_NAME "Tidewell32.exe"
#define TW_APP_TITLE "Tidewell 32"

#endif
