#include <gtest/gtest.h>

#include "app/session.h"
#include "directory/directory_reading.h"
#include "fakes.h"

namespace {

using Texts = std::vector<std::string>;
using Kind = DirectoryError::Kind;

DirectoryEntry::Attribute Attribute(const std::string& name, std::vector<std::u16string> values)
{
    return {name, std::move(values)};
}

DirectoryEntry Person(std::u16string displayName, std::vector<std::u16string> faxes)
{
    DirectoryEntry entry;
    if (!displayName.empty())
        entry.attributes.push_back(Attribute("displayName", {std::move(displayName)}));
    if (!faxes.empty())
        entry.attributes.push_back(Attribute("facsimileTelephoneNumber", std::move(faxes)));
    return entry;
}

class DirectoryReadingTest : public ::testing::Test {
protected:
    bool Read() { return ReadDirectory(directory, codePage, reading, message); }

    Texts Offered() const
    {
        Texts texts;
        for (const OfferedEntry& entry : reading.entries)
            texts.push_back(std::string(entry.name) + " [" + entry.faxNumber + "]");
        return texts;
    }

    FakeDirectory directory;
    Windows1252 codePage;
    DirectoryReading reading;
    std::string message;
};

TEST(DirectorySettings, ValuesAreCheckedAndNamed)
{
    struct Case {
        std::map<std::string, std::string> values;
        std::string badName; // empty: usable
    };
    const std::vector<Case> cases = {
        {{}, ""},
        {{{"Server", "dc1.corp.test:3268"}, {"Security", "LDAPS"}, {"Bind", " simple "}, {"PageSize", "1000"}}, ""},
        {{{"NameAttributes", "cn; sn ;2.5.4.3"}, {"Filter", "(&(objectClass=person)(fax=*))"}, {"PageSize", ""}}, ""},
        {{{"Server", "dc1 corp"}}, "Server"},
        {{{"Server", "dc1:70000"}}, "Server"},
        {{{"Filter", "(a=1))(b=2"}}, "Filter"},
        {{{"Filter", "cn=*"}}, "Filter"},
        {{{"NameAttributes", "cn;(x)"}}, "NameAttributes"},
        {{{"FaxAttributes", ";;"}}, "FaxAttributes"},
        {{{"Security", "tls"}}, "Security"},
        {{{"Bind", "kerberos"}}, "Bind"},
        {{{"PageSize", "0"}}, "PageSize"},
        {{{"TimeoutSeconds", "15s"}}, "TimeoutSeconds"},
    };
    for (const Case& c : cases) {
        FakeDirectory directory;
        directory.settings = c.values;
        DirectorySettings settings;
        std::string badName;
        std::string badValue;
        const bool usable = ReadDirectorySettings(directory.Settings(), true, settings, badName, badValue);
        EXPECT_EQ(usable, c.badName.empty()) << c.badName;
        EXPECT_EQ(badName, c.badName);
        if (!usable) {
            EXPECT_EQ(badValue, c.values.at(c.badName));
        }
    }
    FakeDirectory directory;
    directory.settings = {
        {"Server", "dc1.corp.test:3268"}, {"NameAttributes", "cn; sn"}, {"Bind", "Simple"}, {"PageSize", "250"}};
    DirectorySettings settings;
    std::string badName;
    std::string badValue;
    ASSERT_TRUE(ReadDirectorySettings(directory.Settings(), false, settings, badName, badValue));
    EXPECT_EQ(settings.host, "dc1.corp.test");
    EXPECT_EQ(settings.port, 3268);
    EXPECT_EQ(settings.nameAttributes, (Texts{"cn", "sn"}));
    EXPECT_EQ(settings.bind, DirectoryBind::kSimple);
    EXPECT_EQ(settings.pageSize, 250);
    EXPECT_EQ(settings.timeoutSeconds, 15);
    directory.settings.clear();
    ASSERT_TRUE(ReadDirectorySettings(directory.Settings(), false, settings, badName, badValue));
    EXPECT_EQ(settings.bind, DirectoryBind::kAnonymous) << "negotiate is the default only in a domain";
}

TEST_F(DirectoryReadingTest, EveryFaxValueIsOfferedByNameInOrder)
{
    DirectoryEntry both = Person(u"Zo\u00eb Adams", {u"+1 555 0100", u"+1 555 0101"});
    both.attributes.push_back(Attribute("OTHERfacsimileTelephoneNumber", {u"+1 555 0102"}));
    DirectoryEntry byCn = Person(u"  ", {u"\uff10\uff13 5555"}); // a blank display name, full-width digits
    byCn.attributes.push_back(Attribute("cn", {u"Front Desk [Main]"}));
    DirectoryEntry byParts = Person(u"", {u"(030) 1234-5"});
    byParts.attributes.push_back(Attribute("givenName", {u"J\u00fcrgen"}));
    byParts.attributes.push_back(Attribute("sn", {u"M\u00fcller"}));
    directory.domain = "corp.example.test"; // in a domain: negotiate
    directory.pages = {{both, Person(u"No Fax", {}), byCn}, {byParts, Person(u"Blank only", {u" \u2014 "})}};
    ASSERT_TRUE(Read()) << message;
    EXPECT_EQ(Offered(), (Texts{"Front Desk (Main) [035555]", "J\xFCrgen M\xFCller [(030)1234-5]",
                                "Zo\xEB Adams [+15550100]", "Zo\xEB Adams [+15550101]", "Zo\xEB Adams [+15550102]"}));
    EXPECT_EQ(reading.entriesRead, 5);
    EXPECT_EQ(reading.entriesWithoutFax, 2);
    EXPECT_EQ(reading.server, "ldap.example.test");
    EXPECT_EQ(directory.calls, (Texts{"connect", "bind negotiate", "search dc=example,dc=test", "page", "page"}));
    EXPECT_EQ(directory.filter, kDefaultDirectoryFilter);
    EXPECT_EQ(directory.attributes, (Texts{"displayName", "cn", "givenName", "sn", "facsimileTelephoneNumber",
                                           "otherFacsimileTelephoneNumber"}));
    EXPECT_EQ(directory.pageSize, 500);
}

TEST_F(DirectoryReadingTest, CancelSizeLimitAndCapKeepWhatCame)
{
    directory.pages = {{Person(u"A", {u"1"})}, {Person(u"B", {u"2"})}, {Person(u"C", {u"3"})}};
    directory.stopAfterPages = 1;
    ASSERT_TRUE(Read());
    EXPECT_EQ(Offered(), (Texts{"A [1]"}));
    EXPECT_TRUE(reading.stopped);
    EXPECT_EQ(directory.calls.back(), "abandon");

    directory = FakeDirectory();
    directory.pages = {{Person(u"A", {u"1"})}};
    directory.lastPage = DirectorySearch::Page::kSizeLimit;
    ASSERT_TRUE(Read());
    EXPECT_TRUE(reading.incomplete);
    EXPECT_FALSE(reading.stopped);

    directory = FakeDirectory();
    std::vector<DirectoryEntry> many;
    for (int i = 0; i < kMaxEntryCount + 2; ++i)
        many.push_back(Person(u"P", {std::u16string(1, static_cast<char16_t>(u'1' + i % 9)) + u"0"}));
    directory.pages = {many};
    ASSERT_TRUE(Read());
    EXPECT_EQ(reading.entries.size(), static_cast<std::size_t>(kMaxEntryCount));
    EXPECT_EQ(reading.numbersLeftOut, 2);

    // Cancel pressed before the first page came: that page is still read.
    directory = FakeDirectory();
    directory.pages = {{Person(u"A", {u"1"})}, {Person(u"B", {u"2"})}};
    directory.stopAfterPages = 0;
    ASSERT_TRUE(Read());
    EXPECT_EQ(Offered(), (Texts{"A [1]"}));
    EXPECT_TRUE(reading.stopped);
}

TEST_F(DirectoryReadingTest, SignInAsksForAPasswordWhenItMust)
{
    struct Case {
        std::string bind;
        std::map<DirectoryBind, DirectoryError> errors;
        bool answer;
        std::string password;
        Texts binds;
        bool read;
        std::string message;
    };
    const DirectoryError stronger{Kind::kNeedsStrongerBind, "Strong Authentication Required"};
    const std::vector<Case> cases = {
        {"anonymous", {}, true, "secret", {"bind anonymous"}, true, ""},
        {"simple", {}, true, "secret", {"ask ldap.example.test", "bind simple"}, true, ""},
        {"simple", {}, false, "secret", {"ask ldap.example.test"}, false, ""},
        {"negotiate",
         {{DirectoryBind::kNegotiate, stronger}},
         true,
         "secret",
         {"bind negotiate", "ask ldap.example.test", "bind simple"},
         true,
         ""},
        {"simple",
         {},
         true,
         "wrong",
         {"ask ldap.example.test", "bind simple"},
         false,
         "The company directory ldap.example.test refused the sign-in.\n\nInvalid Credentials"},
    };
    for (const Case& c : cases) {
        directory = FakeDirectory();
        directory.settings["Bind"] = c.bind;
        directory.bindErrors = c.errors;
        directory.answerCredentials = c.answer;
        directory.password = "secret";
        directory.pages = {{Person(u"A", {u"1"})}};
        if (c.password != "secret") {
            // The user types a wrong password.
            directory.password = c.password;
            directory.bindErrors[DirectoryBind::kSimple] = {Kind::kBindRefused, "Invalid Credentials"};
        }
        EXPECT_EQ(Read(), c.read) << c.bind;
        Texts binds;
        for (const std::string& call : directory.calls) {
            if (call.rfind("bind", 0) == 0 || call.rfind("ask", 0) == 0)
                binds.push_back(call);
        }
        EXPECT_EQ(binds, c.binds) << c.bind;
        EXPECT_EQ(message, c.message) << c.bind;
    }
}

TEST_F(DirectoryReadingTest, FailuresNameTheServerAndTheDirectorysText)
{
    struct Case {
        std::function<void(FakeDirectory&)> script;
        std::string message;
    };
    const std::vector<Case> cases = {
        {[](FakeDirectory& d) {
             d.connectError = {Kind::kUnreachable, "Server Down"};
         },
         "The company directory ldap.example.test could not be reached within 15 seconds.\n\nServer Down"},
        {[](FakeDirectory& d) {
             d.connectError = {Kind::kSecureChannel, "Local Error"};
         },
         "No secure connection to the company directory ldap.example.test could be made.\n\nLocal Error"},
        {[](FakeDirectory& d) {
             d.searchError = {Kind::kNoSuchBase, "No Such Object"};
         },
         "The company directory ldap.example.test has no entry dc=example,dc=test to search below.\n\nNo Such Object"},
        {[](FakeDirectory& d) { d.pages = {{Person(u"A", {})}}; },
         "The company directory ldap.example.test holds no entry with a fax number."},
        {[](FakeDirectory& d) { d.settings["PageSize"] = "many"; },
         "The company directory setting PageSize has a value that cannot be used:\n\"many\"\n\nCorrect it under "
         "HKEY_CURRENT_USER\\Software\\faximport\\Directory, or ask your administrator if a policy sets it."},
        {[](FakeDirectory& d) { d.settings.clear(); },
         "No company directory is set up on this computer.\n\nSet its Server under "
         "HKEY_CURRENT_USER\\Software\\faximport\\Directory, or ask your administrator."},
    };
    for (const Case& c : cases) {
        directory = FakeDirectory();
        c.script(directory);
        EXPECT_FALSE(Read());
        EXPECT_EQ(message, c.message);
    }
    // Without a server setting, the computer's domain is the server.
    directory = FakeDirectory();
    directory.settings.clear();
    directory.domain = "corp.example.test";
    directory.pages = {{Person(u"A", {u"1"})}};
    ASSERT_TRUE(Read());
    EXPECT_EQ(reading.server, "corp.example.test");
}

TEST(DirectorySession, ImportsThePickedEntriesAndHandsBackWith1022)
{
    FakeSessionPlatform platform;
    platform.dataType = DataSourceKind::kDirectory;
    platform.directory.pages = {{Person(u"Bea", {u"2"}), Person(u"Ann", {u"1"}), Person(u"Cid", {})}};
    platform.directory.lastPage = DirectorySearch::Page::kSizeLimit;
    ImportSession(platform).Run();
    EXPECT_EQ(platform.directory.selectedServer, "ldap.example.test");
    EXPECT_EQ(platform.confirmedEntryCount, 2);
    EXPECT_EQ(platform.confirmedCounters.rejectedEntryCount, 1);
    EXPECT_TRUE(platform.confirmedCounters.sourceIncomplete);
    EXPECT_EQ(platform.files.files["C:\\out\\export.dat"].substr(0, 6), std::string("\x02\0Ann\0", 6));
    EXPECT_EQ(platform.commands, (std::vector<int>{1022}));

    FakeSessionPlatform failing;
    failing.dataType = DataSourceKind::kDirectory;
    failing.directory.connectError = {Kind::kUnreachable, "Server Down"};
    ImportSession(failing).Run();
    ASSERT_EQ(failing.messages.size(), 2u);
    EXPECT_EQ(failing.messages[0].caption, "Directory Import Error");
    EXPECT_EQ(failing.messages[1].text, "No entry to be imported.");
    EXPECT_EQ(failing.files.files.count("C:\\out\\export.dat"), 0u);
    EXPECT_EQ(failing.commands, (std::vector<int>{1022}));
}

} // namespace
