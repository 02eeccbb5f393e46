// What the directory source needs from the platform: its settings, the
// computer's domain, a connection to the directory server, the dialogs that
// ask for a password and offer the entries, and the progress notice. The
// Win32 program talks to the server through wldap32; the tests bring a fake.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/import_result.h"
#include "core/offered_entry.h"
#include "core/progress_notice.h"
#include "directory/directory_settings.h"

// How a directory operation failed, as far as the source has to tell apart;
// text is the directory's own error text, in the ANSI code page.
struct DirectoryError {
    enum class Kind {
        kNone,
        kUnreachable,       // no answer within the timeout, or refused
        kSecureChannel,     // TLS could not be set up or its certificate was refused
        kNeedsStrongerBind, // the server wants a sign-in with a name and password
        kBindRefused,       // the name or password was refused
        kNoSuchBase,        // the search base does not exist
        kOther,
    };
    Kind kind = Kind::kNone;
    std::string text;
};

// One directory entry: the values of the requested attributes, as UTF-16.
struct DirectoryEntry {
    struct Attribute {
        std::string name; // as the server names it
        std::vector<std::u16string> values;
    };
    std::vector<Attribute> attributes;

    // The values of the attribute of that name (compared ignoring case);
    // null when the entry has none.
    const std::vector<std::u16string>* Values(const std::string& attributeName) const;
};

// A name and a password for a simple bind. The password's characters are
// overwritten when it goes.
struct DirectoryCredentials {
    DirectoryCredentials() = default;
    DirectoryCredentials(const DirectoryCredentials&) = delete;
    DirectoryCredentials& operator=(const DirectoryCredentials&) = delete;
    ~DirectoryCredentials();

    std::u16string user;
    std::u16string password;
};

// A paged search under way.
class DirectorySearch {
public:
    virtual ~DirectorySearch() = default;
    enum class Page { kMore, kLast, kSizeLimit, kFailed };
    // Appends the next page's entries: kMore when more pages follow, kLast
    // after the last one, kSizeLimit when the server stopped at its size
    // limit (what came is kept), kFailed with error.
    virtual Page Next(std::vector<DirectoryEntry>& entries, DirectoryError& error) = 0;
    // Tells the server to stop the search.
    virtual void Abandon() = 0;
};

// A connection to the directory server, not yet bound.
class DirectoryConnection {
public:
    virtual ~DirectoryConnection() = default;
    // Binds as settings.bind says; credentials only for a simple bind.
    virtual bool Bind(DirectoryBind how, const DirectoryCredentials* credentials, DirectoryError& error) = 0;
    // The naming context the server names as its default (its root entry's
    // defaultNamingContext, else its first namingContexts value), in UTF-8.
    virtual bool DefaultBase(std::string& baseDn, DirectoryError& error) = 0;
    // Starts a paged search below baseDn for filter (both UTF-8), asking for
    // these attributes only.
    virtual std::unique_ptr<DirectorySearch> Search(const std::string& baseDn, const std::string& filter,
                                                    const std::vector<std::string>& attributes, int pageSize,
                                                    DirectoryError& error) = 0;
};

class DirectoryService {
public:
    virtual ~DirectoryService() = default;
    virtual const DirectorySettingsStore& Settings() = 0;
    // The DNS domain the computer belongs to; empty when it is in none.
    virtual std::string ComputerDomain() = 0;
    // Connects to the server (settings.server, or the domain's when empty)
    // within the timeout, with the security the settings ask for.
    virtual std::unique_ptr<DirectoryConnection> Connect(const DirectorySettings& settings, DirectoryError& error) = 0;
    // Asks the user for a name and password for server; false on Cancel.
    virtual bool AskCredentials(const std::string& server, DirectoryCredentials& credentials) = 0;
    // Shown while the search runs; its Cancel stops the search between pages.
    virtual std::unique_ptr<ProgressNotice> ShowProgressNotice() = 0;
    // Offers the entries in the selection dialog, captioned with server. On
    // OK the result's recipients hold the choice; false on Cancel.
    virtual bool SelectRecipients(const std::string& server, const OfferedEntryTable& entries,
                                  ImportResult& result) = 0;
};
