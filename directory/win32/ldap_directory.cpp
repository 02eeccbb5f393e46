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

// wldap32 takes its texts as PWCHAR, which it only reads.
PWCHAR CallText(const std::u16string& text)
{
    return const_cast<PWCHAR>(reinterpret_cast<const wchar_t*>(text.c_str()));
}

// Attribute names as UTF-16, and the null-terminated list of pointers to
// them that a search takes.
class AttributeList {
public:
    explicit AttributeList(const std::vector<std::string>& names)
    {
        for (const std::string& name : names)
            names_.push_back(WideFromUtf8(name));
        for (std::wstring& name : names_)
            pointers_.push_back(name.data());
        pointers_.push_back(nullptr);
    }
    PWCHAR* get() { return pointers_.data(); }

private:
    std::vector<std::wstring> names_;
    std::vector<PWCHAR> pointers_;
};

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
        if (code == LDAP_SUCCESS)
            return Page::kMore;
        // The search is over: its block is released like an abandoned one.
        Abandon();
        if (code == LDAP_NO_RESULTS_RETURNED)
            return Page::kLast;
        if (code == LDAP_SIZELIMIT_EXCEEDED)
            return Page::kSizeLimit;
        error = ErrorOf(code);
        return Page::kFailed;
    }

    void Abandon() override
    {
        if (search_ != nullptr)
            ldap_search_abandon_page(ldap_, search_);
        search_ = nullptr;
    }

private:
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
            // Passed as they are, so no further copy of the password is made.
            code = ldap_simple_bind_sW(ldap_.get(), CallText(credentials->user), CallText(credentials->password));
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
        AttributeList attributes({"defaultNamingContext", "namingContexts"});
        std::wstring root;
        std::wstring anything = L"(objectClass=*)";
        LDAPMessage* raw = nullptr;
        const ULONG code =
            ldap_search_sW(ldap_.get(), root.data(), LDAP_SCOPE_BASE, anything.data(), attributes.get(), 0, &raw);
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
        std::wstring base = WideFromUtf8(baseDn);
        std::wstring wideFilter = WideFromUtf8(filter);
        AttributeList list(attributes);
        PLDAPSearch search =
            ldap_search_init_pageW(ldap_.get(), base.data(), LDAP_SCOPE_SUBTREE, wideFilter.data(), list.get(), 0,
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
    const bool ldaps = settings.security == DirectorySecurity::kLdaps;
    const ULONG port = settings.port != 0 ? static_cast<ULONG>(settings.port) : ldaps ? kLdapsPort : kLdapPort;
    std::wstring host = WideFromUtf8(settings.host);
    // A null host name asks wldap32 for a domain controller of the computer's domain.
    PWCHAR hostName = host.empty() ? nullptr : host.data();
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
