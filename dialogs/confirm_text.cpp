#include "dialogs/confirm_text.h"

#include <algorithm>

#include "core/text_routines.h"

std::string ConfirmHeadline(int entryCount)
{
    return std::to_string(entryCount) + " fax entries will be imported:";
}

std::string ConfirmCapLine(int entryCap, int validFaxCount, bool walkStopped)
{
    const int cap = entryCap > 0 ? entryCap : kMaxEntryCount;
    const bool capped = validFaxCount > cap;
    if (walkStopped)
        return capped ? "*Stopped early; only the first " + std::to_string(cap) + " will be imported."
                      : std::string("*Stopped early: not every entry was read.");
    if (capped)
        return "*Only the first " + std::to_string(cap) + " fax entries will be imported.";
    return std::string();
}

const char* RejectedLabel(DataSourceKind kind)
{
    const bool addressBook = kind >= DataSourceKind::kMapiAddressBook && kind <= DataSourceKind::kDefaultWab;
    return addressBook ? "Rejected from selection:" : "Rejected from database:";
}

std::vector<std::string> ConfirmLines(const ImportResult& result)
{
    std::vector<std::string> lines(ConfirmLineCount(result));
    for (std::size_t i = 0; i < lines.size(); ++i)
        ConfirmLine(result, i, lines[i]);
    return lines;
}

std::size_t ConfirmLineCount(const ImportResult& result)
{
    return std::min<std::size_t>(result.entryCount, result.recipients.Count());
}

void ConfirmLine(const ImportResult& result, std::size_t index, std::string& line)
{
    char name[kTextFieldBytes];
    char fax[kTextFieldBytes];
    SplitEntryText(result.recipients.At(index).c_str(), name, fax);
    line.assign(name);
    line += '\t';
    line += fax;
}
