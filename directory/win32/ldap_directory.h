// The directory server through wldap32's W functions: a connection within the
// timeout (plain, StartTLS or LDAPS, the certificate checked by Windows), the
// three binds, the root entry's default naming context and paged searches.
#pragma once

#include <memory>
#include <string>

#include "directory/directory_service.h"

// server: "host" or "host:port" (UTF-8); empty: a serverless connection to
// the computer's domain. Null with error when no connection was made.
std::unique_ptr<DirectoryConnection> ConnectToDirectory(const DirectorySettings& settings, DirectoryError& error);
