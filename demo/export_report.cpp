#include "export_report.h"

#include <cstdio>

#include "testkit/file_bytes.h"

namespace {

constexpr std::size_t kFieldBytes = 31;
constexpr std::size_t kRecordBytes = 2 * kFieldBytes;

// The text of a 31-byte field: everything before its first zero byte.
std::string FieldText(const std::string& bytes, std::size_t at)
{
    const std::string field = bytes.substr(at, kFieldBytes);
    return field.substr(0, field.find('\0'));
}

} // namespace

std::string DescribeExport(const std::string& bytes)
{
    if (bytes.size() < 2)
        return "The file is too short to hold an entry count (" + std::to_string(bytes.size()) + " bytes).\n";
    const std::size_t count = static_cast<unsigned char>(bytes[0]) | (static_cast<unsigned char>(bytes[1]) << 8);
    std::string out = "Entries: " + std::to_string(count) + " (" + std::to_string(bytes.size()) + " bytes)\n";
    char line[160];
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = 2 + i * kRecordBytes;
        if (at + kRecordBytes > bytes.size()) {
            out += "The file ends before record " + std::to_string(i + 1) + ".\n";
            break;
        }
        std::snprintf(line, sizeof line, "%3u. %-32s fax %s\n", static_cast<unsigned>(i + 1),
                      FieldText(bytes, at).c_str(), FieldText(bytes, at + kFieldBytes).c_str());
        out += line;
    }
    const std::size_t expected = 2 + count * kRecordBytes;
    if (bytes.size() != expected)
        out += "Expected " + std::to_string(expected) + " bytes for " + std::to_string(count) + " entries.\n";
    return out;
}

std::string DescribeRun(const std::string& exportPath, const std::vector<testkit::ReceivedCommand>& commands,
                        bool hostEnabled)
{
    std::string out = "Export file " + exportPath + ":\n";
    std::string bytes;
    if (testkit::ReadFileBytes(exportPath, bytes))
        out += DescribeExport(bytes);
    else
        out += "  not written (nothing was imported)\n";
    out += "Host received:";
    if (commands.empty())
        out += " no command";
    for (const testkit::ReceivedCommand& command : commands)
        out += " WM_COMMAND " + std::to_string(command.id) + " (lParam " + std::to_string(command.lParam) + ")";
    out += hostEnabled ? "; host window enabled again\n" : "; host window still disabled!\n";
    return out;
}
