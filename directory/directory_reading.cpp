#include "directory/directory_reading.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "core/ansi_code_page.h"
#include "core/text_routines.h"
#include "core/utf8_text.h"

namespace {

constexpr char kSettingsKey[] = "HKEY_CURRENT_USER\\Software\\faximport\\Directory";

std::string AnsiFromUtf16(const std::u16string& text, const AnsiCodePage& codePage)
{
    std::vector<char> ansi;
    codePage.AppendFromUtf16(text.data(), text.size(), ansi);
    return std::string(ansi.begin(), ansi.end());
}

// Settings and names come as UTF-8; messages are shown in the ANSI code page.
std::string AnsiFromUtf8(const std::string& text, const AnsiCodePage& codePage)
{
    std::vector<char> ansi;
    AppendUtf8AsAnsi(text.data(), text.size(), codePage, ansi);
    return std::string(ansi.begin(), ansi.end());
}

std::string WithDirectoryText(std::string message, const DirectoryError& error)
{
    if (!error.text.empty())
        message += "\n\n" + error.text;
    return message;
}

std::string FailureMessage(const std::string& server, const DirectorySettings& settings, const DirectoryError& error)
{
    const std::string directory = "The company directory " + server;
    switch (error.kind) {
    case DirectoryError::Kind::kUnreachable:
        return WithDirectoryText(
            directory + " could not be reached within " + std::to_string(settings.timeoutSeconds) + " seconds.", error);
    case DirectoryError::Kind::kSecureChannel:
        return WithDirectoryText("No secure connection to the company directory " + server + " could be made.", error);
    case DirectoryError::Kind::kNeedsStrongerBind:
    case DirectoryError::Kind::kBindRefused:
        return WithDirectoryText(directory + " refused the sign-in.", error);
    default:
        return WithDirectoryText(directory + " could not be searched.", error);
    }
}

// The first non-blank value of the entry's name attributes, else its given
// name and surname; in the code page, tidied like every other name.
std::string EntryName(const DirectoryEntry& entry, const DirectorySettings& settings, const AnsiCodePage& codePage)
{
    auto firstNonBlank = [&](const std::string& attribute) {
        if (const std::vector<std::u16string>* values = entry.Values(attribute)) {
            for (const std::u16string& value : *values) {
                std::string text = AnsiFromUtf16(value, codePage) + '\0';
                BlankLineBreaks(&text[0]);
                TrimSpaces(&text[0]);
                text.resize(std::strlen(text.c_str()));
                if (!text.empty())
                    return text;
            }
        }
        return std::string();
    };
    std::string name;
    for (const std::string& attribute : settings.nameAttributes) {
        name = firstNonBlank(attribute);
        if (!name.empty())
            break;
    }
    if (name.empty()) {
        const std::string given = firstNonBlank("givenName");
        const std::string surname = firstNonBlank("sn");
        name = given + (given.empty() || surname.empty() ? "" : " ") + surname;
    }
    name += '\0';
    ReplaceBrackets(&name[0], codePage.LeadBytes());
    return name;
}

bool NameBefore(const OfferedEntry& a, const OfferedEntry& b)
{
    for (std::size_t i = 0;; ++i) {
        const int left = std::tolower(static_cast<unsigned char>(a.name[i]));
        const int right = std::tolower(static_cast<unsigned char>(b.name[i]));
        if (left != right || left == 0)
            return left < right;
    }
}

// One offered entry per usable fax value; false when the entry has none.
bool OfferEntry(const DirectoryEntry& entry, const DirectorySettings& settings, const AnsiCodePage& codePage,
                OfferedEntryTable& offered)
{
    const std::string name = EntryName(entry, settings, codePage);
    bool any = false;
    for (const std::string& attribute : settings.faxAttributes) {
        const std::vector<std::u16string>* values = entry.Values(attribute);
        if (values == nullptr)
            continue;
        for (const std::u16string& value : *values) {
            std::string fax = AnsiFromUtf16(value, codePage) + '\0';
            if (CleanFaxNumber(&fax[0], codePage) == 0)
                continue;
            OfferedEntry row;
            CopyTextField(row.name, name.c_str(), codePage.LeadBytes());
            CopyTextField(row.faxNumber, fax.c_str(), codePage.LeadBytes());
            offered.push_back(row);
            any = true;
        }
    }
    return any;
}

class Reader {
public:
    Reader(DirectoryService& service, const AnsiCodePage& codePage, DirectoryReading& reading, std::string& message)
        : service_(service), codePage_(codePage), reading_(reading), message_(message)
    {
    }

    bool Read()
    {
        const std::string domain = service_.ComputerDomain();
        std::string badName;
        std::string badValue;
        if (!ReadDirectorySettings(service_.Settings(), !domain.empty(), settings_, badName, badValue)) {
            message_ = "The company directory setting " + badName + " has a value that cannot be used:\n\"" +
                       AnsiFromUtf8(badValue, codePage_) + "\"\n\nCorrect it under " + kSettingsKey +
                       ", or ask your administrator if a policy sets it.";
            return false;
        }
        reading_.server = AnsiFromUtf8(settings_.server.empty() ? domain : settings_.server, codePage_);
        if (reading_.server.empty()) {
            message_ = std::string("No company directory is set up on this computer.\n\nSet its Server under ") +
                       kSettingsKey + ", or ask your administrator.";
            return false;
        }
        DirectoryError error;
        connection_ = service_.Connect(settings_, error);
        if (!connection_ || !SignIn(error))
            return Fail(error);
        std::string baseDn = settings_.baseDn;
        if (baseDn.empty() && !connection_->DefaultBase(baseDn, error))
            return Fail(error);
        return Search(baseDn);
    }

private:
    bool Fail(const DirectoryError& error)
    {
        if (error.kind != DirectoryError::Kind::kNone) // none: the user cancelled the sign-in
            message_ = FailureMessage(reading_.server, settings_, error);
        return false;
    }

    // Binds as the settings say; a server that wants a name and password
    // gets them from the user.
    bool SignIn(DirectoryError& error)
    {
        if (settings_.bind == DirectoryBind::kSimple)
            return SignInWithPassword(error);
        if (connection_->Bind(settings_.bind, nullptr, error))
            return true;
        return error.kind == DirectoryError::Kind::kNeedsStrongerBind && SignInWithPassword(error);
    }

    bool SignInWithPassword(DirectoryError& error)
    {
        DirectoryCredentials credentials;
        if (!service_.AskCredentials(reading_.server, credentials)) {
            error = DirectoryError();
            return false;
        }
        return connection_->Bind(DirectoryBind::kSimple, &credentials, error);
    }

    std::vector<std::string> RequestedAttributes() const
    {
        std::vector<std::string> attributes = settings_.nameAttributes;
        attributes.insert(attributes.end(), {"givenName", "sn"});
        attributes.insert(attributes.end(), settings_.faxAttributes.begin(), settings_.faxAttributes.end());
        return attributes;
    }

    bool Search(const std::string& baseDn)
    {
        DirectoryError error;
        std::unique_ptr<DirectorySearch> search =
            connection_->Search(baseDn, settings_.filter, RequestedAttributes(), settings_.pageSize, error);
        if (!search)
            return SearchFailed(baseDn, error);
        const std::unique_ptr<ProgressNotice> notice = service_.ShowProgressNotice();
        std::vector<DirectoryEntry> page;
        for (;;) {
            page.clear();
            const DirectorySearch::Page step = search->Next(page, error);
            Take(page);
            // Cancel is taken between two pages: the first page always comes.
            if (step == DirectorySearch::Page::kMore) {
                if (!notice->StopRequested())
                    continue;
                search->Abandon();
                reading_.stopped = true;
                break;
            }
            if (step == DirectorySearch::Page::kFailed && reading_.entriesRead == 0)
                return SearchFailed(baseDn, error);
            // Stopped at the size limit, or failed after some pages: what came is offered.
            reading_.incomplete = step != DirectorySearch::Page::kLast;
            break;
        }
        return Finish();
    }

    bool SearchFailed(const std::string& baseDn, const DirectoryError& error)
    {
        if (error.kind == DirectoryError::Kind::kNoSuchBase) {
            message_ = WithDirectoryText("The company directory " + reading_.server + " has no entry " +
                                             AnsiFromUtf8(baseDn, codePage_) + " to search below.",
                                         error);
            return false;
        }
        return Fail(error);
    }

    void Take(const std::vector<DirectoryEntry>& page)
    {
        for (const DirectoryEntry& entry : page) {
            ++reading_.entriesRead;
            if (!OfferEntry(entry, settings_, codePage_, reading_.entries))
                ++reading_.entriesWithoutFax;
        }
    }

    bool Finish()
    {
        OfferedEntryTable& entries = reading_.entries;
        if (entries.empty()) {
            if (!reading_.stopped)
                message_ = "The company directory " + reading_.server + " holds no entry with a fax number.";
            return false;
        }
        std::stable_sort(entries.begin(), entries.end(), NameBefore);
        if (entries.size() > static_cast<std::size_t>(kMaxEntryCount)) {
            reading_.numbersLeftOut = static_cast<int>(entries.size()) - kMaxEntryCount;
            entries.resize(kMaxEntryCount);
        }
        return true;
    }

    DirectoryService& service_;
    const AnsiCodePage& codePage_;
    DirectoryReading& reading_;
    std::string& message_;
    DirectorySettings settings_;
    std::unique_ptr<DirectoryConnection> connection_;
};

} // namespace

bool ReadDirectory(DirectoryService& service, const AnsiCodePage& codePage, DirectoryReading& reading,
                   std::string& message)
{
    reading = DirectoryReading();
    message.clear();
    return Reader(service, codePage, reading, message).Read();
}
