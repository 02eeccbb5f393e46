// The local directory server answers a Windows program through wldap32's wide
// functions, the way the company directory source talks to Active Directory:
// a simple bind as the bind user, a paged search past the server's limit of
// 1,000 entries, names back in UTF-16, and the limit on a search that does
// not page.
#include <windows.h>

#include <winldap.h>

#include <memory>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "directory_server.h"

namespace e2e {
namespace {

// tests/directory/seed-ldif.sh: the people of ou=people with a fax number.
constexpr ULONG kPeopleWithFax = 1509;
constexpr ULONG kServerSizeLimit = 1000;

using Connection = std::unique_ptr<LDAP, decltype(&ldap_unbind)>;

TEST(DirectoryServer, AnswersThroughWldap32)
{
    const int port = DirectoryServerPort();
    ASSERT_NE(port, 0);
    // wldap32 takes its strings as non-const pointers.
    std::wstring host = L"127.0.0.1";
    std::wstring user = L"uid=reader,ou=service,dc=example,dc=test";
    std::wstring password = L"reader-secret";
    std::wstring base = L"ou=people,dc=example,dc=test";
    std::wstring filter = L"(|(facsimileTelephoneNumber=*)(otherFacsimileTelephoneNumber=*))";
    std::wstring displayName = L"displayName";
    PWCHAR attributes[] = {displayName.data(), nullptr};

    Connection ldap(ldap_initW(host.data(), port), &ldap_unbind);
    ASSERT_TRUE(ldap) << "ldap_initW failed";
    ULONG version = LDAP_VERSION3;
    ASSERT_EQ(ldap_set_optionW(ldap.get(), LDAP_OPT_PROTOCOL_VERSION, &version), ULONG(LDAP_SUCCESS));
    ASSERT_EQ(ldap_simple_bind_sW(ldap.get(), user.data(), password.data()), ULONG(LDAP_SUCCESS));

    PLDAPSearch search = ldap_search_init_pageW(ldap.get(), base.data(), LDAP_SCOPE_SUBTREE, filter.data(), attributes,
                                                0, nullptr, nullptr, 0, 0, nullptr);
    ASSERT_TRUE(search) << "ldap_search_init_pageW failed";
    ULONG entries = 0;
    std::set<std::wstring> names;
    for (;;) {
        LDAPMessage* page = nullptr;
        ULONG total = 0;
        const ULONG result = ldap_get_next_page_s(ldap.get(), search, nullptr, 500, &total, &page);
        if (result != LDAP_SUCCESS) {
            EXPECT_EQ(result, ULONG(LDAP_NO_RESULTS_RETURNED)) << "a page failed";
            if (page)
                ldap_msgfree(page);
            break;
        }
        for (LDAPMessage* entry = ldap_first_entry(ldap.get(), page); entry;
             entry = ldap_next_entry(ldap.get(), entry)) {
            ++entries;
            PWCHAR* values = ldap_get_valuesW(ldap.get(), entry, displayName.data());
            for (PWCHAR* value = values; value && *value; ++value)
                names.insert(*value);
            if (values)
                ldap_value_freeW(values);
        }
        ldap_msgfree(page);
    }
    ldap_search_abandon_page(ldap.get(), search);
    EXPECT_EQ(entries, kPeopleWithFax);
    EXPECT_EQ(names.count(L"J\u00fcrgen M\u00fcller"), 1u) << "the UTF-8 name did not come back as UTF-16";
    EXPECT_EQ(names.count(L"\u5c71\u7530 \u592a\u90ce"), 1u);

    // Without paging the bind user gets the server's limit and no more.
    LDAPMessage* result = nullptr;
    EXPECT_EQ(ldap_search_sW(ldap.get(), base.data(), LDAP_SCOPE_SUBTREE, filter.data(), attributes, 0, &result),
              ULONG(LDAP_SIZELIMIT_EXCEEDED));
    if (result) {
        EXPECT_EQ(ldap_count_entries(ldap.get(), result), kServerSizeLimit);
        ldap_msgfree(result);
    }
}

} // namespace
} // namespace e2e
