// Where the local directory server runs: ctest's directory_server_start test
// (scripts/directory-server.sh) starts slapd on a free port of 127.0.0.1 and
// writes its address into a folder of the build tree, which these read.
// tests/directory/seed-ldif.sh lists what the server holds.
#pragma once

#include <string>

namespace e2e {

// "ldap://127.0.0.1:PORT/"; empty, with a test failure that says why, when
// no server was started.
std::string DirectoryServerUrl();
// The server's port; 0, with a test failure, when no server was started.
int DirectoryServerPort();

} // namespace e2e
