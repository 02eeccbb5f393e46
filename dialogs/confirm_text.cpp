#include "dialogs/confirm_text.h"

std::string ConfirmHeadline(int entryCount)
{
    return std::to_string(entryCount) + " fax entries will be imported:";
}

std::string ConfirmCapLine(int entryCap, int validFaxCount, bool walkStopped, bool sourceIncomplete)
{
    const int cap = entryCap > 0 ? entryCap : kMaxEntryCount;
    const bool capped = validFaxCount > cap;
    if (walkStopped)
        return capped ? "*Stopped early; only the first " + std::to_string(cap) + " will be imported."
                      : std::string("*Stopped early: not every entry was read.");
    if (sourceIncomplete)
        return capped ? "*Incomplete; only the first " + std::to_string(cap) + " will be imported."
                      : std::string("*Incomplete: the directory sent only part of its entries.");
    if (capped)
        return "*Only the first " + std::to_string(cap) + " fax entries will be imported.";
    return std::string();
}

const char* RejectedLabel(DataSourceKind kind)
{
    const bool addressBook = kind >= DataSourceKind::kMapiAddressBook && kind <= DataSourceKind::kDefaultWab;
    return addressBook ? "Rejected from selection:" : "Rejected from database:";
}

std::size_t ConfirmLineCount(const ImportResult& result)
{
    return result.EntryCount();
}

void ConfirmLine(const ImportResult& result, std::size_t index, std::string& line)
{
    const Recipient& recipient = result.recipients.At(index);
    line.assign(recipient.name);
    line += '\t';
    line += recipient.faxNumber;
}
