/* Resource identifiers, shared by the resource script and the code. */
#ifndef TIDEWELL_RESOURCE_IDS_H
#define TIDEWELL_RESOURCE_IDS_H

#define IDI_TIDEWELL 1
#define IDB_START 101
#define IDB_MANUAL 102
#define IDB_BROWSER 103

#endif
