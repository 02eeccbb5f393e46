// A company directory held in memory: settings, a domain, scripted bind
// answers and pages of entries; it records what the source asked of it.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "csv/csv_selection.h"
#include "directory/directory_service.h"

class FakeDirectory : public DirectoryService, private DirectorySettingsStore {
public:
    std::map<std::string, std::string> settings{{"Server", "ldap.example.test"}};
    std::string domain;
    DirectoryError connectError;                        // kind kNone: the connection is made
    std::map<DirectoryBind, DirectoryError> bindErrors; // per kind of bind; none: it succeeds
    std::string password = "secret";                    // the one a simple bind takes
    std::string defaultBase = "dc=example,dc=test";
    DirectoryError searchError; // kind kNone: the search starts
    std::vector<std::vector<DirectoryEntry>> pages;
    DirectorySearch::Page lastPage = DirectorySearch::Page::kLast; // what the last page says
    DirectoryError lastPageError;
    bool answerCredentials = true;
    int stopAfterPages = -1; // the user presses Cancel once this many pages came; -1 never
    bool selectOk = true;

    // What happened.
    std::vector<std::string> calls; // "connect", "bind negotiate", "ask", "search <base>", "page", "abandon", ...
    std::string filter;
    std::vector<std::string> attributes;
    int pageSize = 0;
    std::string selectedServer;
    OfferedEntryTable offered;

    const DirectorySettingsStore& Settings() override { return *this; }
    std::string ComputerDomain() override { return domain; }
    std::unique_ptr<DirectoryConnection> Connect(const DirectorySettings&, DirectoryError& error) override
    {
        calls.push_back("connect");
        error = connectError;
        return error.kind == DirectoryError::Kind::kNone ? std::make_unique<Connection>(*this) : nullptr;
    }
    bool AskCredentials(const std::string& server, DirectoryCredentials& credentials) override
    {
        calls.push_back("ask " + server);
        credentials.user = u"reader";
        credentials.password.assign(password.begin(), password.end());
        return answerCredentials;
    }
    std::unique_ptr<ProgressNotice> ShowProgressNotice() override { return std::make_unique<Notice>(*this); }
    bool SelectRecipients(const std::string& server, const OfferedEntryTable& entries, ImportResult& result) override
    {
        selectedServer = server;
        offered = entries;
        CsvSelection selection(entries, result.entryCap);
        std::vector<int> all;
        for (std::size_t i = 0; i < entries.size(); ++i)
            all.push_back(static_cast<int>(i));
        selection.AddEntries(all);
        selection.StoreChoice(result);
        return selectOk;
    }

private:
    bool Read(const char* name, std::string& value) const override
    {
        const auto found = settings.find(name);
        if (found == settings.end())
            return false;
        value = found->second;
        return true;
    }

    class Search : public DirectorySearch {
    public:
        explicit Search(FakeDirectory& directory) : directory_(directory) {}
        Page Next(std::vector<DirectoryEntry>& entries, DirectoryError& error) override
        {
            directory_.calls.push_back("page");
            if (next_ < directory_.pages.size())
                entries.insert(entries.end(), directory_.pages[next_].begin(), directory_.pages[next_].end());
            if (++next_ < directory_.pages.size())
                return Page::kMore;
            error = directory_.lastPageError;
            return directory_.lastPage;
        }
        void Abandon() override { directory_.calls.push_back("abandon"); }

    private:
        FakeDirectory& directory_;
        std::size_t next_ = 0;
    };

    class Connection : public DirectoryConnection {
    public:
        explicit Connection(FakeDirectory& directory) : directory_(directory) {}
        bool Bind(DirectoryBind how, const DirectoryCredentials* credentials, DirectoryError& error) override
        {
            static const char* const kNames[] = {"negotiate", "simple", "anonymous"};
            directory_.calls.push_back(std::string("bind ") + kNames[static_cast<int>(how)]);
            const auto scripted = directory_.bindErrors.find(how);
            error = scripted == directory_.bindErrors.end() ? DirectoryError() : scripted->second;
            if (how == DirectoryBind::kSimple && error.kind == DirectoryError::Kind::kNone &&
                (credentials == nullptr ||
                 credentials->password != std::u16string(directory_.password.begin(), directory_.password.end())))
                error = {DirectoryError::Kind::kBindRefused, "Invalid Credentials"};
            return error.kind == DirectoryError::Kind::kNone;
        }
        bool DefaultBase(std::string& baseDn, DirectoryError&) override
        {
            baseDn = directory_.defaultBase;
            return true;
        }
        std::unique_ptr<DirectorySearch> Search(const std::string& baseDn, const std::string& filter,
                                                const std::vector<std::string>& attributes, int pageSize,
                                                DirectoryError& error) override
        {
            directory_.calls.push_back("search " + baseDn);
            directory_.filter = filter;
            directory_.attributes = attributes;
            directory_.pageSize = pageSize;
            error = directory_.searchError;
            return error.kind == DirectoryError::Kind::kNone ? std::make_unique<FakeDirectory::Search>(directory_)
                                                             : nullptr;
        }

    private:
        FakeDirectory& directory_;
    };

    class Notice : public ProgressNotice {
    public:
        explicit Notice(FakeDirectory& directory) : directory_(directory) {}
        bool StopRequested() override
        {
            int pages = 0;
            for (const std::string& call : directory_.calls)
                pages += call == "page";
            return directory_.stopAfterPages >= 0 && pages >= directory_.stopAfterPages;
        }

    private:
        FakeDirectory& directory_;
    };
};
