#include "addrbook/fax_extraction.h"

#include <cstring>
#include <string>

#include "core/text_routines.h"

void FaxExtraction::ExtractFaxEntries(const std::vector<AddressEntryRef>& picked)
{
    expandedLists_.clear();
    for (const AddressEntryRef& entry : picked) {
        if (Stopping())
            break;
        // A list picked at the top level is expanded without comparing it
        // with the lists expanded before it.
        if (entry.hasEntryId && entry.hasObjectType && entry.objectType == kObjectDistList &&
            expandedLists_.size() < static_cast<std::size_t>(kMaxExpandedLists)) {
            expandedLists_.push_back(entry.entryId);
            ExpandDistList(entry.entryId);
        } else {
            TreatEntry(entry);
        }
    }
    expandedLists_.clear();
}

bool FaxExtraction::ExpandDistList(const EntryId& id)
{
    int openedAs = 0;
    std::unique_ptr<MemberCursor> members = book_.OpenList(id, openedAs);
    if (!members) {
        // Listed as a list, but the address book opened something else: a
        // person is read as one, anything else counts as a rejected entry.
        if (openedAs != 0 && openedAs != kObjectDistList) {
            AddressEntryRef entry;
            entry.hasEntryId = entry.hasObjectType = true;
            entry.entryId = id;
            entry.objectType = openedAs;
            TreatEntry(entry);
        }
        return false;
    }
    AddressEntryRef member;
    for (;;) {
        if (Stopping())
            return false;
        member = AddressEntryRef();
        switch (members->Next(member)) {
        case MemberCursor::Step::kFailed:
            return false;
        case MemberCursor::Step::kEnd:
            return true;
        case MemberCursor::Step::kMember:
            break;
        }
        if (member.hasEntryId && member.hasObjectType && member.objectType == kObjectDistList &&
            expandedLists_.size() < static_cast<std::size_t>(kMaxExpandedLists)) {
            if (IsNewList(member.entryId)) {
                expandedLists_.push_back(member.entryId);
                ExpandDistList(member.entryId);
            }
        } else {
            TreatEntry(member);
        }
    }
}

bool FaxExtraction::Stopping()
{
    if (!counters_.walkStopped && stopRequested_ && stopRequested_())
        counters_.walkStopped = true;
    return counters_.walkStopped;
}

bool FaxExtraction::IsNewList(const EntryId& id)
{
    // New only when some comparison worked and none found the same list; a
    // list that cannot be compared is skipped rather than risk a loop.
    bool compared = false;
    for (const EntryId& remembered : expandedLists_) {
        switch (book_.Compare(remembered, id)) {
        case AddressBook::Comparison::kSame:
            return false;
        case AddressBook::Comparison::kDifferent:
            compared = true;
            break;
        case AddressBook::Comparison::kFailed:
            break;
        }
    }
    return compared;
}

void FaxExtraction::TreatEntry(const AddressEntryRef& entry)
{
    ++counters_.selectedEntryCount;
    // An entry that cannot be identified or opened yields nothing and counts
    // as rejected, like an entry without a fax number.
    if (!entry.hasEntryId || !entry.hasObjectType || entry.objectType != kObjectMailUser) {
        CountRejected();
        return;
    }
    PersonFaxProperties values;
    if (!book_.ReadPerson(entry.entryId, values)) {
        CountRejected();
        return;
    }
    EvaluateFaxProperties(values);
}

void FaxExtraction::EvaluateFaxProperties(const PersonFaxProperties& values)
{
    const std::int32_t validBefore = counters_.validFaxCount;
    char name[kTextFieldBytes] = "";
    if (values.displayName.present)
        CopyTextField(name, values.displayName.text.c_str(), codePage_.LeadBytes());

    bool anyNumber = false;
    for (const OptionalText& number : values.faxNumbers)
        anyNumber = anyNumber || number.present;
    if (!anyNumber) {
        CountRejected();
        return;
    }
    for (const OptionalText& number : values.faxNumbers) {
        if (!number.present)
            continue;
        // Cleaned before it is cut: blanks and full-width digits would
        // otherwise push the number's last digits past the field.
        std::string cleaned = number.text + '\0';
        CleanFaxNumber(&cleaned[0], codePage_);
        char fax[kTextFieldBytes];
        CopyTextField(fax, cleaned.c_str(), codePage_.LeadBytes());
        char entryName[kTextFieldBytes];
        std::memcpy(entryName, name, sizeof name);
        const AddEntryOutcome added = AddRecipientEntry(entryName, fax, result_, codePage_);
        if (added == AddEntryOutcome::kAdded || added == AddEntryOutcome::kCapReached)
            ++counters_.validFaxCount;
    }
    if (counters_.validFaxCount == validBefore)
        CountRejected();
}

void FaxExtraction::CountRejected()
{
    ++counters_.rejectedEntryCount;
}
