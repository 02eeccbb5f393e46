#include "directory/win32/ldap_directory.h"

#include <windows.h>
// winber.h needs the types winldap.h declares.
#include <winldap.h>

#include <winber.h>

#include <vector>

#include "framework/wide_text.h"

namespace {

constexpr ULONG kLdapPort = 389;
constexpr ULONG kLdapsPort = 636;
constexpr ULONG kLdapVersion3 = 3;

struct LdapCloser {
    void operator()(LDAP* ldap) const { ldap_unbind(ldap); }
};
using UniqueLdap = std::unique_ptr<LDAP, LdapCloser>;

struct MessageFreer {
    void operator()(LDAPMessage* message) const { ldap_msgfree(message); }
};
using UniqueMessage = std::unique_ptr<LDAPMessage, MessageFreer>;

DirectoryError::Kind KindOf(ULONG code)
{
    switch (code) {
    case LDAP_SERVER_DOWN:
    case LDAP_TIMEOUT:
    case LDAP_CONNECT_ERROR:
    case LDAP_UNAVAILABLE:
    case LDAP_BUSY:
        return DirectoryError::Kind::kUnreachable;
    case LDAP_STRONG_AUTH_REQUIRED:
    case LDAP_CONFIDENTIALITY_REQUIRED:
    case LDAP_INAPPROPRIATE_AUTH:
    case LDAP_AUTH_METHOD_NOT_SUPPORTED:
        return DirectoryError::Kind::kNeedsStrongerBind;
    case LDAP_INVALID_CREDENTIALS:
    case LDAP_INSUFFICIENT_RIGHTS:
        return DirectoryError::Kind::kBindRefused;
    case LDAP_NO_SUCH_OBJECT:
    case LDAP_INVALID_DN_SYNTAX:
        return DirectoryError::Kind::kNoSuchBase;
    default:
        return DirectoryError::Kind::kOther;
    }
}

// The directory's text for code, with the number that names it exactly.
DirectoryError ErrorOf(ULONG code, DirectoryError::Kind kind)
{
    char number[16];
    wsprintfA(number, "0x%02lX", code);
    return {kind, AnsiFromWide(ldap_err2stringW(code)) + " (LDAP error " + number + ")"};
}

DirectoryError ErrorOf(ULONG code)
{
    return ErrorOf(code, KindOf(code));
}

// A text kept as UTF-16 for a call that takes a non-const PWCHAR.
class CallText {
public:
    explicit CallText(const std::string& utf8)
    {
        const std::wstring wide = WideFromUtf8(utf8);
        text_.assign(wide.begin(), wide.end());
        text_.push_back(L'\0');
    }
    PWCHAR get() { return text_.data(); }

private:
    std::vector<wchar_t> text_;
};

std::vector<CallText> CallTexts(const std::vector<std::string>& texts)
{
    std::vector<CallText> converted;
    for (const std::string& text : texts)
        converted.emplace_back(text);
    return converted;
}

// The null-terminated list of pointers an attribute list is passed as.
std::vector<PWCHAR> AttributeList(std::vector<CallText>& names)
{
    std::vector<PWCHAR> list;
    for (CallText& name : names)
        list.push_back(name.get());
    list.push_back(nullptr);
    return list;
}

// Appends every entry of a result with the values of its attributes.
void TakeEntries(LDAP* ldap, LDAPMessage* result, std::vector<DirectoryEntry>& entries)
{
    for (LDAPMessage* entry = ldap_first_entry(ldap, result); entry != nullptr; entry = ldap_next_entry(ldap, entry)) {
        DirectoryEntry taken;
        BerElement* position = nullptr;
        for (PWCHAR name = ldap_first_attributeW(ldap, entry, &position); name != nullptr;
             name = ldap_next_attributeW(ldap, entry, position)) {
            DirectoryEntry::Attribute attribute{Utf8FromWide(name), {}};
            if (PWCHAR* values = ldap_get_valuesW(ldap, entry, name)) {
                for (PWCHAR* value = values; *value != nullptr; ++value)
                    attribute.values.emplace_back(reinterpret_cast<const char16_t*>(*value));
                ldap_value_freeW(values);
            }
            ldap_memfreeW(name);
            taken.attributes.push_back(std::move(attribute));
        }
        if (position != nullptr)
            ber_free(position, 0);
        entries.push_back(std::move(taken));
    }
}

class LdapSearch : public DirectorySearch {
public:
    LdapSearch(LDAP* ldap, PLDAPSearch search, int pageSize, int timeoutSeconds)
        : ldap_(ldap), search_(search), pageSize_(static_cast<ULONG>(pageSize)), timeoutSeconds_(timeoutSeconds)
    {
    }
    ~LdapSearch() override { Abandon(); }

    Page Next(std::vector<DirectoryEntry>& entries, DirectoryError& error) override
    {
        l_timeval timeout{timeoutSeconds_, 0};
        ULONG total = 0;
        LDAPMessage* raw = nullptr;
        const ULONG code = ldap_get_next_page_s(ldap_, search_, &timeout, pageSize_, &total, &raw);
        UniqueMessage result(raw);
        if (result)
            TakeEntries(ldap_, result.get(), entries);
        switch (code) {
        case LDAP_SUCCESS:
            return Page::kMore;
        case LDAP_NO_RESULTS_RETURNED:
            Finish();
            return Page::kLast;
        case LDAP_SIZELIMIT_EXCEEDED:
            Finish();
            return Page::kSizeLimit;
        default:
            Finish();
            error = ErrorOf(code);
            return Page::kFailed;
        }
    }

    void Abandon() override
    {
        if (search_ != nullptr)
            ldap_search_abandon_page(ldap_, search_);
        search_ = nullptr;
    }

private:
    // The search is over: its block is released like an abandoned one.
    void Finish() { Abandon(); }

    LDAP* ldap_;
    PLDAPSearch search_;
    ULONG pageSize_;
    LONG timeoutSeconds_;
};

class LdapConnection : public DirectoryConnection {
public:
    LdapConnection(UniqueLdap ldap, int timeoutSeconds) : ldap_(std::move(ldap)), timeoutSeconds_(timeoutSeconds) {}

    bool Bind(DirectoryBind how, const DirectoryCredentials* credentials, DirectoryError& error) override
    {
        ULONG code = LDAP_SUCCESS;
        if (how == DirectoryBind::kNegotiate) {
            // The signed-in Windows user, through Kerberos or NTLM.
            code = ldap_bind_sW(ldap_.get(), nullptr, nullptr, LDAP_AUTH_NEGOTIATE);
        } else if (how == DirectoryBind::kSimple && credentials != nullptr) {
            std::vector<wchar_t> user(credentials->user.begin(), credentials->user.end());
            std::vector<wchar_t> password(credentials->password.begin(), credentials->password.end());
            user.push_back(L'\0');
            password.push_back(L'\0');
            code = ldap_simple_bind_sW(ldap_.get(), user.data(), password.data());
            SecureZeroMemory(password.data(), password.size() * sizeof(wchar_t));
        } else {
            code = ldap_simple_bind_sW(ldap_.get(), nullptr, nullptr);
        }
        if (code == LDAP_SUCCESS)
            return true;
        error = ErrorOf(code);
        return false;
    }

    bool DefaultBase(std::string& baseDn, DirectoryError& error) override
    {
        std::vector<CallText> names = CallTexts({"defaultNamingContext", "namingContexts"});
        std::vector<PWCHAR> attributes = AttributeList(names);
        CallText root("");
        CallText anything("(objectClass=*)");
        LDAPMessage* raw = nullptr;
        const ULONG code =
            ldap_search_sW(ldap_.get(), root.get(), LDAP_SCOPE_BASE, anything.get(), attributes.data(), 0, &raw);
        UniqueMessage result(raw);
        if (code != LDAP_SUCCESS) {
            error = ErrorOf(code);
            return false;
        }
        std::vector<DirectoryEntry> entries;
        TakeEntries(ldap_.get(), result.get(), entries);
        for (const char* name : {"defaultNamingContext", "namingContexts"}) {
            const std::vector<std::u16string>* values = entries.empty() ? nullptr : entries[0].Values(name);
            if (values != nullptr && !values->empty()) {
                baseDn = Utf8FromWide(reinterpret_cast<const wchar_t*>(values->front().c_str()));
                return true;
            }
        }
        error = ErrorOf(LDAP_NO_SUCH_OBJECT, DirectoryError::Kind::kNoSuchBase);
        return false;
    }

    std::unique_ptr<DirectorySearch> Search(const std::string& baseDn, const std::string& filter,
                                            const std::vector<std::string>& attributes, int pageSize,
                                            DirectoryError& error) override
    {
        CallText base(baseDn);
        CallText wideFilter(filter);
        std::vector<CallText> names = CallTexts(attributes);
        std::vector<PWCHAR> list = AttributeList(names);
        PLDAPSearch search =
            ldap_search_init_pageW(ldap_.get(), base.get(), LDAP_SCOPE_SUBTREE, wideFilter.get(), list.data(), 0,
                                   nullptr, nullptr, static_cast<ULONG>(timeoutSeconds_), 0, nullptr);
        if (search == nullptr) {
            error = ErrorOf(LdapGetLastError());
            return nullptr;
        }
        return std::make_unique<LdapSearch>(ldap_.get(), search, pageSize, timeoutSeconds_);
    }

private:
    UniqueLdap ldap_;
    int timeoutSeconds_;
};

} // namespace

std::unique_ptr<DirectoryConnection> ConnectToDirectory(const DirectorySettings& settings, DirectoryError& error)
{
    std::string host = settings.server;
    const bool ldaps = settings.security == DirectorySecurity::kLdaps;
    ULONG port = ldaps ? kLdapsPort : kLdapPort;
    const std::size_t colon = host.rfind(':');
    if (colon != std::string::npos) {
        port = static_cast<ULONG>(std::stoul(host.substr(colon + 1)));
        host.resize(colon);
    }
    CallText wideHost(host);
    // A null host name asks wldap32 for a domain controller of the computer's domain.
    PWCHAR hostName = host.empty() ? nullptr : wideHost.get();
    UniqueLdap ldap(ldaps ? ldap_sslinitW(hostName, port, 1) : ldap_initW(hostName, port));
    if (!ldap) {
        error = ErrorOf(LdapGetLastError(), DirectoryError::Kind::kUnreachable);
        return nullptr;
    }
    ULONG version = kLdapVersion3;
    ldap_set_optionW(ldap.get(), LDAP_OPT_PROTOCOL_VERSION, &version);
    // Referrals would lead to servers nobody configured.
    ldap_set_optionW(ldap.get(), LDAP_OPT_REFERRALS, LDAP_OPT_OFF);
    l_timeval timeout{settings.timeoutSeconds, 0};
    ULONG code = ldap_connect(ldap.get(), &timeout);
    if (code != LDAP_SUCCESS) {
        // A refused or failed TLS handshake on an LDAPS port shows as a failed connection.
        error = ErrorOf(code, ldaps && code != LDAP_TIMEOUT ? DirectoryError::Kind::kSecureChannel
                                                            : DirectoryError::Kind::kUnreachable);
        return nullptr;
    }
    if (settings.security == DirectorySecurity::kStartTls) {
        ULONG serverCode = 0;
        code = ldap_start_tls_sW(ldap.get(), &serverCode, nullptr, nullptr, nullptr);
        if (code != LDAP_SUCCESS) {
            error = ErrorOf(code, DirectoryError::Kind::kSecureChannel);
            return nullptr;
        }
    }
    return std::make_unique<LdapConnection>(std::move(ldap), settings.timeoutSeconds);
}
