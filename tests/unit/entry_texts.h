// Recipients written as the lists show them, "name [fax]", so that tests
// compare one text per recipient.
#pragma once

#include <string>
#include <vector>

#include "core/import_result.h"
#include "core/text_routines.h"

inline std::string EntryText(const Recipient& recipient)
{
    return FormatEntryText(recipient.name.c_str(), recipient.faxNumber.c_str());
}

inline std::vector<std::string> EntryTexts(const ImportResult& result)
{
    std::vector<std::string> texts;
    for (const Recipient& recipient : result.recipients)
        texts.push_back(EntryText(recipient));
    return texts;
}
