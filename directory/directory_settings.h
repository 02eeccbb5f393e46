// The company directory's settings as an administrator or the user sets them
// (a policy value wins over the user's), read and checked before any
// connection is made.
#pragma once

#include <string>
#include <vector>

enum class DirectorySecurity { kNone, kStartTls, kLdaps };
enum class DirectoryBind { kNegotiate, kSimple, kAnonymous };

constexpr char kDefaultDirectoryFilter[] = "(|(facsimileTelephoneNumber=*)(otherFacsimileTelephoneNumber=*))";
constexpr int kDefaultDirectoryPageSize = 500;
constexpr int kMaxDirectoryPageSize = 10000;
constexpr int kDefaultDirectoryTimeoutSeconds = 15;
constexpr int kMaxDirectoryTimeoutSeconds = 600;

struct DirectorySettings {
    std::string server; // "host" or "host:port"; empty: the computer's domain
    std::string host;   // server's host part
    int port = 0;       // server's port; 0: the standard one for the security
    std::string baseDn; // empty: the server's default naming context
    std::string filter = kDefaultDirectoryFilter;
    std::vector<std::string> nameAttributes{"displayName", "cn"}; // then givenName and sn
    std::vector<std::string> faxAttributes{"facsimileTelephoneNumber", "otherFacsimileTelephoneNumber"};
    DirectorySecurity security = DirectorySecurity::kNone;
    DirectoryBind bind = DirectoryBind::kNegotiate;
    int pageSize = kDefaultDirectoryPageSize;
    int timeoutSeconds = kDefaultDirectoryTimeoutSeconds;
};

// Where the settings are stored: each value by name, as text (numbers in
// decimal), in UTF-8.
class DirectorySettingsStore {
public:
    virtual ~DirectorySettingsStore() = default;
    // False when no value of that name is set.
    virtual bool Read(const char* name, std::string& value) const = 0;
};

// The value names, as the policy template and the .reg example write them.
namespace directory_setting {
constexpr char kServer[] = "Server";
constexpr char kBaseDn[] = "BaseDN";
constexpr char kFilter[] = "Filter";
constexpr char kNameAttributes[] = "NameAttributes";
constexpr char kFaxAttributes[] = "FaxAttributes";
constexpr char kSecurity[] = "Security";
constexpr char kBind[] = "Bind";
constexpr char kPageSize[] = "PageSize";
constexpr char kTimeoutSeconds[] = "TimeoutSeconds";
} // namespace directory_setting

// Reads every setting over the defaults; an empty value leaves its default.
// Bind defaults to negotiate on a
// computer in a domain and to anonymous elsewhere. False when a value cannot
// be used: badName and badValue then say which.
bool ReadDirectorySettings(const DirectorySettingsStore& store, bool inDomain, DirectorySettings& settings,
                           std::string& badName, std::string& badValue);
