// The scripted demo run: a real CSV import through every dialog, with a
// screenshot of each dialog as it appears.
#pragma once

#include <string>

#include "testkit/test_host.h"

struct ScriptedRunPaths {
    std::string program;     // faximport.exe
    std::string csv;         // the CSV file to import (Windows path)
    std::string exportFile;  // the export path handed to faximport
    std::string screenshots; // folder for the .bmp files
};

// Runs the import from host and prints what came out. Returns the process
// exit status: 0 when every step went as expected.
int RunScriptedImport(testkit::TestHost& host, const ScriptedRunPaths& paths);
