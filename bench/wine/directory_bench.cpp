// Times the company directory against a contact file under Wine: 10,000
// names and fax numbers from OK in the data type dialog to the selection
// dialog with its list filled, once read from the local directory server
// (ou=bench, paged, signed in as the reader) and once from a CSV file with the
// same names and numbers, alternately in the same run. The figure is the
// ratio of the two. A paged search of the same entries through wldap32 alone,
// in this process, shows how much of the directory's time is the library's.
//
// Usage: directory_bench port [runs]   (scripts/bench-directory.sh starts the
// server and passes its port; 5 runs)
#include <windows.h>
// winldap.h after windows.h, which it needs.
#include <winldap.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "testkit/child_process.h"
#include "testkit/dialog_contract.h"
#include "testkit/dialog_driver.h"
#include "testkit/file_bytes.h"
#include "testkit/test_host.h"

using namespace testkit;
using namespace contract;

namespace {

constexpr int kEntries = 10000;
constexpr char kWorkFolder[] = "C:\\faximport-bench";

// The server's bench people, as tests/directory/seed-ldif.sh writes them.
std::string BenchCsv()
{
    std::string text = "Name,Fax\r\n";
    for (int i = 1; i <= kEntries; ++i)
        text += Format("Bench %05d", i) + "," + Format("+1 555 1%05d", i) + "\r\n";
    return text;
}

void Configure(int port)
{
    HKEY key = nullptr;
    Expect(RegCreateKeyExW(HKEY_CURRENT_USER, kDirectorySettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                           nullptr) == ERROR_SUCCESS,
           "cannot write the directory settings");
    const std::string values[][2] = {{"Server", "127.0.0.1:" + std::to_string(port)},
                                     {"BaseDN", "ou=bench,dc=example,dc=test"},
                                     {"Bind", "simple"},
                                     {"PageSize", "1000"}};
    for (const auto& value : values)
        RegSetValueExA(key, value[0].c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value[1].c_str()),
                       static_cast<DWORD>(value[1].size() + 1));
    RegCloseKey(key);
}

HWND WaitForDialogOf(DWORD id, const std::string& caption, int control)
{
    DialogQuery query;
    query.processId = id;
    query.caption = caption;
    query.requiredControl = control;
    HWND dialog = nullptr;
    WaitFor([&] { return (dialog = FindDialog(query)) != nullptr; }, caption);
    return dialog;
}

// Seconds from OK in the data type dialog to the selection list holding
// every entry; the sign-in or the file chooser is answered on the way.
double TimeToList(bool directory, const std::string& csvPath)
{
    HostOptions options;
    options.title = "Fax Host";
    TestHost host(options);
    Expect(host.MakeForeground(), "the host window did not become the foreground window");
    ChildProcess program;
    program.Start(OwnDirectory() + "faximport.exe", std::string(kWorkFolder) + "\\export.dat");
    const DWORD id = program.Id();
    HWND dataType = WaitForDialogOf(id, kDataTypeCaption, kKindCombo);
    ComboChoose(dataType, kKindCombo, directory ? kDirectoryItem : kCsvItem);
    if (!directory)
        SetChecked(dataType, kAutoSearchCheck, true);
    Stopwatch clock;
    PostClick(dataType, IDOK);
    if (directory) {
        HWND signIn = WaitForDialogOf(id, kSignInCaption, kSignInPassword);
        SetControlText(signIn, kSignInUser, "uid=reader,ou=service,dc=example,dc=test");
        SetControlText(signIn, kSignInPassword, "reader-secret");
        PostClick(signIn, IDOK);
    } else {
        Expect(ChooseFile(id, kCsvChooserTitle, csvPath), "the file chooser did not take the file");
    }
    HWND selection = nullptr;
    WaitFor(
        [&] {
            selection = FindDialogWithControls(id, {kSourceList, kSelectedList}, kViewDetailsButton);
            return selection != nullptr;
        },
        "the selection dialog");
    const double seconds = clock.Seconds();
    Expect(ListCount(selection, kSourceList) == kEntries, "the list does not hold every entry");
    PostClick(selection, IDCANCEL);
    const MessageBoxInfo box = WaitForMessage(id);
    if (box.window)
        AnswerMessage(box);
    Expect(program.WaitForExit(), "faximport did not end");
    return seconds;
}

// Seconds for the same paged search through wldap32 alone, as the reader,
// the entries only counted.
double TimeLibrarySearch(int port)
{
    std::wstring host = L"127.0.0.1";
    LDAP* ldap = ldap_initW(&host[0], static_cast<ULONG>(port));
    Expect(ldap != nullptr, "wldap32 made no connection");
    ULONG version = 3;
    ldap_set_optionW(ldap, LDAP_OPT_PROTOCOL_VERSION, &version);
    std::wstring user = L"uid=reader,ou=service,dc=example,dc=test";
    std::wstring password = L"reader-secret";
    std::wstring base = L"ou=bench,dc=example,dc=test";
    std::wstring filter = L"(|(facsimileTelephoneNumber=*)(otherFacsimileTelephoneNumber=*))";
    Expect(ldap_simple_bind_sW(ldap, &user[0], &password[0]) == LDAP_SUCCESS, "the reader was refused");
    Stopwatch clock;
    PLDAPSearch search = ldap_search_init_pageW(ldap, &base[0], LDAP_SCOPE_SUBTREE, &filter[0], nullptr, 0, nullptr,
                                                nullptr, 60, 0, nullptr);
    Expect(search != nullptr, "wldap32 did not start the search");
    ULONG entries = 0;
    for (;;) {
        l_timeval timeout{60, 0};
        ULONG total = 0;
        LDAPMessage* page = nullptr;
        const ULONG code = ldap_get_next_page_s(ldap, search, &timeout, 1000, &total, &page);
        if (page != nullptr) {
            entries += ldap_count_entries(ldap, page);
            ldap_msgfree(page);
        }
        if (code != LDAP_SUCCESS)
            break;
    }
    const double seconds = clock.Seconds();
    ldap_search_abandon_page(ldap, search);
    ldap_unbind(ldap);
    Expect(entries == kEntries, "wldap32 alone did not find every entry");
    return seconds;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    const int port = argc > 1 ? std::atoi(argv[1]) : 0;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    if (port <= 0 || runs < 1) {
        std::fprintf(stderr, "usage: directory_bench port [runs]\n");
        return 2;
    }
    try {
        Expect(EnsureDirectory(kWorkFolder), "cannot make the work folder");
        const std::string csvPath = std::string(kWorkFolder) + "\\bench-directory.csv";
        Expect(WriteFileBytes(csvPath, BenchCsv()), "cannot write the CSV file");
        Configure(port);
        std::vector<double> directory;
        std::vector<double> csv;
        std::vector<double> library;
        std::vector<double> ratios;
        std::vector<double> ownRatios;
        for (int run = 0; run < runs; ++run) {
            csv.push_back(TimeToList(false, csvPath));
            directory.push_back(TimeToList(true, csvPath));
            library.push_back(TimeLibrarySearch(port));
            ratios.push_back(directory.back() / csv.back());
            ownRatios.push_back((directory.back() - library.back()) / csv.back());
        }
        RegDeleteTreeW(HKEY_CURRENT_USER, kDirectorySettingsKey);
        const auto range = std::minmax_element(ratios.begin(), ratios.end());
        std::printf("%d entries, OK in the data type dialog to the list filled, median of %d runs:\n", kEntries, runs);
        std::printf("  CSV file (baseline)        %.3f s\n", Median(csv));
        std::printf("  company directory          %.3f s\n", Median(directory));
        std::printf("  ratio directory / CSV      %.2f (range %.2f-%.2f)\n", Median(ratios), *range.first,
                    *range.second);
        std::printf("  wldap32's paged search alone, in this process: %.3f s\n", Median(library));
        std::printf("  ratio (directory - wldap32 alone) / CSV: %.2f\n", Median(ownRatios));
    } catch (const std::exception& failure) {
        RegDeleteTreeW(HKEY_CURRENT_USER, kDirectorySettingsKey);
        std::fprintf(stderr, "directory_bench: %s\n", failure.what());
        return 1;
    }
    return 0;
}
