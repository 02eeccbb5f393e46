#include "csv/vcard_reader.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "core/ansi_code_page.h"
#include "core/line_walker.h"
#include "core/text_routines.h"
#include "csv/code_page_words.h"
#include "csv/text_decoding.h"
#include "csv/vcard_content_line.h"

namespace {

// The content lines of the text, unfolded, over its physical lines (CR LF,
// LF, CR and CR CR LF each end one).
class UnfoldingLines {
public:
    UnfoldingLines(const char* text, std::size_t size) : lines_(text, text + size, LineEnds::kAnyBreak) {}

    // vCard 2.1 unfolds by removing the line break alone, so that the blank
    // that starts the continuation line stays; 3.0 and 4.0 remove that blank
    // or tab too.
    void KeepFoldBlanks(bool keep) { keepFoldBlanks_ = keep; }

    // The next content line, its folds undone: a line that begins with a
    // blank or a tab continues the one before.
    bool ReadUnfolded(std::string& line)
    {
        line.clear();
        if (lines_.AtEnd())
            return false;
        AppendUnfolded(line);
        return true;
    }

    // A quoted-printable value that ends in "=" goes on in the next line
    // (a soft line break); the "=" is not part of it.
    void JoinSoftBreaks(std::string& line, std::size_t valueStart)
    {
        while (line.size() > valueStart && line.back() == '=' && !lines_.AtEnd()) {
            line.pop_back();
            AppendUnfolded(line);
        }
    }

private:
    void AppendUnfolded(std::string& line)
    {
        line.append(lines_.Next().text);
        while (!lines_.AtEnd() && (lines_.Rest().front() == ' ' || lines_.Rest().front() == '\t')) {
            std::string_view continuation = lines_.Next().text;
            if (!keepFoldBlanks_)
                continuation.remove_prefix(1);
            line.append(continuation);
        }
    }

    LineWalker lines_;
    bool keepFoldBlanks_ = false;
};

// Cuts text after its last whole character that is not a blank. A lead byte
// that ends text without its trail byte (a cut or mislabelled file) goes
// too: in the entry text "name [fax]" it would take the blank after it as
// its trail byte.
void TrimEndBetweenCharacters(char* text, const LeadByteSet& leadBytes)
{
    char* end = text;
    for (char* p = text; *p != '\0';) {
        const std::size_t size = leadBytes.CharacterSize(p);
        if (leadBytes.Contains(*p) && size == 1)
            break; // a lead byte without its trail byte
        if (size == 2 || *p != ' ')
            end = p + size;
        p += size;
    }
    *end = '\0';
}

// Whether a label makes the telephone of its item group a fax number: it
// holds a fax word in any case. Apple's own fax labels ("_$!<WorkFax>!$_",
// "_$!<HomeFax>!$_", "_$!<OtherFax>!$_") hold "FAX" too.
bool IsFaxLabel(std::string label, const std::vector<std::string>& faxWords, const AnsiCodePage& codePage)
{
    label += '\0';
    return SaysFax(&label[0], faxWords, codePage);
}

// A telephone of the card that may be a fax number: one whose type says so,
// or one in an item group whose label may say so.
struct Telephone {
    std::string group;
    std::string number; // cleaned, not empty
    bool faxType = false;
};

// The cards of one file and the entries they give.
class CardReader {
public:
    CardReader(const AnsiCodePage& codePage, TextEncoding encoding, OfferedEntryTable& entries, int& rejectedCards)
        : codePage_(codePage), encoding_(encoding), faxWords_(FaxWords(codePage)), entries_(entries),
          rejectedCards_(rejectedCards)
    {
    }

    // Returns false once the entries are more than an import can count.
    bool Take(std::string_view line, const Property& property)
    {
        if (property.kind == PropertyKind::kBegin && IsVCardWord(line, property)) {
            // A card that never ended ends where the next begins.
            const bool counted = FinishCard();
            StartCard();
            return counted;
        }
        if (property.kind == PropertyKind::kEnd && IsVCardWord(line, property))
            return FinishCard();
        if (inCard_)
            TakeCardProperty(line, property);
        return true;
    }

    // Adds the card's fax numbers, in the order of their TEL lines, under its
    // name, or counts the card as rejected. Returns false once the entries
    // are more than an import can count.
    bool FinishCard()
    {
        if (!inCard_)
            return true;
        inCard_ = false;
        const std::size_t firstEntry = entries_.size();
        for (const Telephone& telephone : telephones_) {
            if (!IsFax(telephone))
                continue;
            if (entries_.size() == static_cast<std::size_t>(kMaxEntryCount))
                return false;
            OfferedEntry entry{};
            CopyTextField(entry.faxNumber, telephone.number.c_str(), codePage_.LeadBytes());
            entries_.push_back(entry);
        }
        if (entries_.size() == firstEntry) {
            ++rejectedCards_;
            return true;
        }
        const std::string name = CardName();
        for (std::size_t i = firstEntry; i < entries_.size(); ++i)
            CopyTextField(entries_[i].name, name.c_str(), codePage_.LeadBytes());
        return true;
    }

private:
    static bool IsVCardWord(std::string_view line, const Property& property)
    {
        return EqualsIgnoringCase(Trimmed(line.substr(property.valueStart), " \t"), "VCARD");
    }

    void StartCard()
    {
        inCard_ = true;
        formattedName_.clear();
        personName_.clear();
        organization_.clear();
        telephones_.clear();
        faxGroups_.clear();
    }

    std::string Value(std::string_view line, const Property& property) const
    {
        return DecodedValue(line, property, encoding_, codePage_);
    }

    void TakeCardProperty(std::string_view line, const Property& property)
    {
        const LeadByteSet& leadBytes = codePage_.LeadBytes();
        switch (property.kind) {
        case PropertyKind::kFormattedName:
            if (formattedName_.empty())
                UnescapeText(Value(line, property), 0, true, leadBytes, formattedName_);
            break;
        case PropertyKind::kName:
            if (personName_.empty())
                personName_ = GivenAndFamilyName(Value(line, property));
            break;
        case PropertyKind::kOrganization:
            if (organization_.empty())
                UnescapeText(Value(line, property), 0, false, leadBytes, organization_);
            break;
        case PropertyKind::kTelephone:
            if (property.fax || !property.group.empty())
                AddTelephone(Value(line, property), property);
            break;
        case PropertyKind::kItemLabel:
            if (!property.group.empty() && IsFaxLabel(Value(line, property), faxWords_, codePage_))
                faxGroups_.push_back(property.group);
            break;
        default:
            break;
        }
    }

    // N is "family;given;additional;prefix;suffix".
    std::string GivenAndFamilyName(const std::string& value) const
    {
        std::string family, given;
        const std::size_t end = UnescapeText(value, 0, false, codePage_.LeadBytes(), family);
        if (end < value.size())
            UnescapeText(value, end + 1, false, codePage_.LeadBytes(), given);
        if (given.empty() || family.empty())
            return given + family;
        return given + ' ' + family;
    }

    void AddTelephone(std::string number, const Property& property)
    {
        // A tel: URI loses its scheme and its parameters (";ext=12").
        number.erase(0, number.find_first_not_of(" \t"));
        if (StartsWithIgnoringCase(number, "TEL:"))
            number = number.substr(4, number.find(';') - 4);
        number += '\0';
        const int length = CleanFaxNumber(&number[0], codePage_);
        if (length > 0)
            telephones_.push_back({property.group, number.substr(0, static_cast<std::size_t>(length)), property.fax});
    }

    bool IsFax(const Telephone& telephone) const
    {
        return telephone.faxType ||
               std::find(faxGroups_.begin(), faxGroups_.end(), telephone.group) != faxGroups_.end();
    }

    // FN, else the given and family name, else the organisation: the first
    // that is not blank once cleaned.
    std::string CardName() const
    {
        for (const std::string* candidate : {&formattedName_, &personName_, &organization_}) {
            std::string name = *candidate + '\0';
            BlankLineBreaks(&name[0]);
            TrimSpaces(&name[0]);
            TrimEndBetweenCharacters(&name[0], codePage_.LeadBytes());
            ReplaceBrackets(&name[0], codePage_.LeadBytes());
            if (name[0] != '\0')
                return name;
        }
        return std::string();
    }

    const AnsiCodePage& codePage_;
    const TextEncoding encoding_;
    const std::vector<std::string> faxWords_;
    OfferedEntryTable& entries_;
    int& rejectedCards_;
    bool inCard_ = false;
    std::string formattedName_;
    std::string personName_;
    std::string organization_;
    std::vector<Telephone> telephones_;
    std::vector<std::string> faxGroups_;
};

// A card is unfolded as 3.0 from its BEGIN line on until its VERSION says
// 2.1: 2.1 cards write VERSION right after BEGIN, and a card without VERSION
// is unfolded as it always was.
bool IsVersion21(std::string_view line, const Property& property)
{
    return property.kind == PropertyKind::kVersion && Trimmed(line.substr(property.valueStart), " \t") == "2.1";
}

} // namespace

bool IsVCardText(const char* text, std::size_t size)
{
    std::string_view rest(text, size);
    rest.remove_prefix(std::min(rest.find_first_not_of(" \t\r\n"), rest.size()));
    const std::string_view begin = "BEGIN:VCARD";
    const std::string_view line = LineWalker(rest, LineEnds::kAnyBreak).Next().text;
    return StartsWithIgnoringCase(line, begin) && Trimmed(line.substr(begin.size()), " \t").empty();
}

ReadOutcome ReadVCardEntries(const char* text, std::size_t size, TextEncoding encoding, const AnsiCodePage& codePage,
                             OfferedEntryTable& entries)
{
    ReadOutcome outcome;
    CardReader cards(codePage, encoding, entries, outcome.rejected);
    UnfoldingLines lines(text, size);
    std::string line;
    bool counted = true; // false once the entries are more than an import can count
    while (counted && lines.ReadUnfolded(line)) {
        const Property property = ParseProperty(line);
        if (property.quotedPrintable)
            lines.JoinSoftBreaks(line, property.valueStart);
        if (property.kind == PropertyKind::kBegin || property.kind == PropertyKind::kVersion)
            lines.KeepFoldBlanks(IsVersion21(line, property));
        counted = cards.Take(line, property);
    }
    // A missing END:VCARD at the end of the file.
    counted = counted && cards.FinishCard();
    outcome.status = counted ? ReadStatus::kOk : ReadStatus::kTooManyEntries;
    outcome.count = static_cast<int>(entries.size());
    return outcome;
}
