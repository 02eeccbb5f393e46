#include "directory_server.h"

#include <cstdlib>

#include <gtest/gtest.h>

#include "testkit/file_bytes.h"

namespace e2e {

namespace {

// The first line of a file the server's start wrote; empty, with a test
// failure, when it is missing.
std::string ServerFile(const char* name)
{
    const std::string path = std::string(FAXIMPORT_DIRECTORY_SERVER_DIR) + "/" + name;
    std::string text;
    if (!testkit::ReadFileBytes(path, text) || text.empty()) {
        ADD_FAILURE() << "no directory server: " << path
                      << " is missing; ctest's directory_server_start test writes it "
                         "(scripts/directory-server.sh start FOLDER)";
        return {};
    }
    return text.substr(0, text.find_first_of("\r\n"));
}

} // namespace

std::string DirectoryServerUrl()
{
    return ServerFile("server.url");
}

int DirectoryServerPort()
{
    return std::atoi(ServerFile("server.port").c_str());
}

} // namespace e2e
