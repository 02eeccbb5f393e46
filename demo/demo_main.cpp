// faximport_demo: plays the host fax application for faximport.exe.
//
//   faximport_demo.exe [exportPath]
//       A host window with an "Import recipients..." button that starts
//       faximport.exe; after each run the window shows the export file.
//   faximport_demo.exe --auto <csvPath> <exportPath> <screenshotDir>
//       A scripted import of csvPath through every dialog, with screenshots,
//       printing the export file and the command the host received.
//
// Paths may be given as Windows paths or as Unix paths (/... becomes Z:\...).
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "auto_run.h"
#include "export_report.h"
#include "testkit/child_process.h"
#include "testkit/dialog_contract.h"
#include "testkit/file_bytes.h"
#include "testkit/test_host.h"

using namespace testkit;
using contract::kPlainExportCommand;

namespace {

constexpr int kImportButtonId = 2001;
constexpr char kDefaultExportPath[] = "C:\\faximport-demo\\export.dat";

// Wine maps drive Z: to the Unix root.
std::string WindowsPath(const std::string& path)
{
    if (path.empty() || path[0] != '/')
        return path;
    std::string converted = "Z:" + path;
    for (char& c : converted) {
        if (c == '/')
            c = '\\';
    }
    return converted;
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

HostOptions DemoHostOptions()
{
    HostOptions options;
    options.title = "Fax Desk - faximport demo host";
    options.capControl = true;
    options.actionButtonId = kImportButtonId;
    options.actionButtonText = "Import recipients...";
    options.outputPane = true;
    options.width = 640;
    options.height = 420;
    return options;
}

void Usage()
{
    std::fprintf(stderr, "usage: faximport_demo.exe [exportPath]\n"
                         "       faximport_demo.exe --auto <csvPath> <exportPath> <screenshotDir>\n");
}

// One import started from the button: runs until faximport ends (or the
// window is closed) and shows what it left behind.
void RunOneImport(TestHost& host, const std::string& exportPath)
{
    RemoveFile(exportPath);
    const std::size_t commandsBefore = host.Commands().size();
    ChildProcess program;
    try {
        program.Start(OwnDirectory() + "faximport.exe", exportPath);
    } catch (const std::exception& error) {
        host.SetOutputText(error.what());
        return;
    }
    host.SetOutputText("faximport.exe is running...");
    while (!program.WaitForExit(200)) {
        if (host.IsClosed())
            return; // the child is ended with its owner
    }
    host.WaitForCommand(kPlainExportCommand, 2000);
    std::vector<ReceivedCommand> commands = host.Commands();
    commands.erase(commands.begin(), commands.begin() + static_cast<std::ptrdiff_t>(commandsBefore));
    const std::string report = DescribeRun(exportPath, commands, host.IsEnabled());
    std::printf("%s\n", report.c_str());
    std::fflush(stdout);
    host.SetOutputText(report + "\nPress \"Import recipients...\" to import again.");
}

int RunInteractive(const std::string& exportPath)
{
    EnsureDirectory(FolderOf(exportPath));
    TestHost host(DemoHostOptions());
    host.SetOutputText("Press \"Import recipients...\" to start faximport.exe.\n"
                       "The recipients you import are written to " +
                       exportPath + " and shown here.");
    std::size_t seen = 0;
    while (!host.IsClosed()) {
        const std::vector<ReceivedCommand> commands = host.Commands();
        bool importAsked = false;
        for (; seen < commands.size(); ++seen)
            importAsked = importAsked || commands[seen].id == kImportButtonId;
        if (importAsked) {
            RunOneImport(host, exportPath);
            seen = host.Commands().size();
        }
        Sleep(50);
    }
    return 0;
}

int RunAuto(const std::string& csv, const std::string& exportPath, const std::string& screenshots)
{
    ScriptedRunPaths paths;
    paths.program = OwnDirectory() + "faximport.exe";
    paths.csv = WindowsPath(csv);
    paths.exportFile = WindowsPath(exportPath);
    paths.screenshots = WindowsPath(screenshots);
    EnsureDirectory(FolderOf(paths.exportFile));
    EnsureDirectory(paths.screenshots);
    TestHost host(DemoHostOptions());
    host.SetOutputText("Scripted import of " + paths.csv + " running...");
    return RunScriptedImport(host, paths);
}

} // namespace

int main(int argc, char** argv)
{
    try {
        if (argc >= 2 && std::strcmp(argv[1], "--auto") == 0) {
            if (argc != 5) {
                Usage();
                return 2;
            }
            return RunAuto(argv[2], argv[3], argv[4]);
        }
        if (argc > 2) {
            Usage();
            return 2;
        }
        return RunInteractive(argc == 2 ? WindowsPath(argv[1]) : std::string(kDefaultExportPath));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "faximport_demo: %s\n", error.what());
        return 1;
    }
}
