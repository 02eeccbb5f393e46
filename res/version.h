/* The program's version, used by the version resource. */
#pragma once

#define FAXIMPORT_VERSION_MAJOR 1
#define FAXIMPORT_VERSION_MINOR 0
#define FAXIMPORT_VERSION_PATCH 0
#define FAXIMPORT_VERSION_BUILD 0
#define FAXIMPORT_VERSION_TEXT "1.0.0.0"
