// The address book the doubles serve, read from a small text file written by
// the test. One record a line, fields separated by tabs; "#" starts a comment.
//
//   person  <id>  <display name>  <primary fax>  <business fax>  <home fax>
//   list    <id>  <display name>  <member> <member> ...
//   pick    <member> <member> ...            what the address dialog returns
//   set     <switch>  <value>
//
// A value of "-" is absent (the address book answers with an error value);
// missing trailing fields are absent too. A member is an id, optionally with
// ":<object type>"; "-" as the id or as the type leaves that property out:
// "ann" (type from the book, person when unknown), "ann:3", "ann:-", "-:6".
//
// Switches and their values (the first one is the default):
//   WABOpen          ok | warning | fail
//   MAPIInitialize   ok | fail
//   logon            ok | fail
//   OpenAddressBook  ok | warning | fail
//   Address          ok | cancel | fail | crash   (fail still hands back the pick;
//                                                crash faults in the caller's process)
//   pause            <name>                  the first person's GetProps signals the event
//                                            <name>-reading, then waits for <name>-go
#pragma once

#include <map>
#include <string>
#include <vector>

namespace doubles {

struct Text {
    bool present = false;
    std::string value;
};

struct Person {
    Text name;
    Text fax[3]; // primary, business, home
};

struct DistList {
    Text name;
    std::vector<std::string> members;
};

// A member or picked entry as the property values describe it.
struct Member {
    bool hasId = false;
    std::string id;
    bool hasType = false;
    long type = 0;
    Text name;
};

struct BookData {
    std::map<std::string, Person> persons;
    std::map<std::string, DistList> lists;
    bool hasPick = false;
    std::vector<std::string> pick;
    std::map<std::string, std::string> switches;

    // The switch's value; fallback when the book does not set it.
    std::string Switch(const std::string& name, const std::string& fallback = "ok") const;
    Member Resolve(const std::string& token) const;
};

// An empty book when the file cannot be read.
BookData LoadBook(const std::string& path);
// The file the test wrote its book to, named by FAXIMPORT_TEST_BOOK; empty
// when it is not set.
std::string TestBookPath();

// Entry identifiers: four flag bytes, then the id's text.
std::string EntryIdBytes(const std::string& id);
// The id inside an identifier; false when it is not one of ours.
bool IdFromEntryId(const unsigned char* bytes, unsigned long size, std::string& id);

} // namespace doubles
