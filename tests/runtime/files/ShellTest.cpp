// Shell, and the places the program finds from its bundle.

#include "runtime/files/Shell.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "runtime/files/BundleLayout.h"
#include "runtime/files/FolderItem.h"
#include "tests/support/TempFolder.h"

namespace runtime {
namespace {

using testsupport::TempFolder;

TEST(Shell, ExitStatusAndOutput) {
    Shell shell;
    shell.Execute("echo out; echo err >&2; exit 3");
    EXPECT_EQ(shell.ErrorCode(), 3);
    EXPECT_EQ(shell.Result().Bytes(), "out\nerr\n");

    shell.Execute("printf '%s' 日本語");
    EXPECT_EQ(shell.Result().Bytes(), "日本語");

    shell.Execute("kill -TERM $$");
    EXPECT_EQ(shell.ErrorCode(), 128 + 15);

    shell.Execute("no-such-command-here");
    EXPECT_EQ(shell.ErrorCode(), 127);

    shell.Execute("cat; echo done");  // reads nothing from the terminal
    EXPECT_EQ(shell.Result().Bytes(), "done\n");

    shell.Execute("head -c 1000000 /dev/zero");  // collected whole
    EXPECT_EQ(shell.Result().Bytes().size(), 1000000u);
}

TEST(Shell, TheCommandStartsWithDefaultSignals) {
    // Ignored and blocked here, default in the command: a TERM it sends itself ends it.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction old {};
    sigaction(SIGTERM, &ignore, &old);
    sigset_t blocked, previous;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &blocked, &previous);

    Shell shell;
    shell.Execute("kill -TERM $$; echo survived");
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    sigaction(SIGTERM, &old, nullptr);
    EXPECT_EQ(shell.ErrorCode(), 128 + SIGTERM);
    EXPECT_EQ(shell.Result().Bytes(), "");
}

TEST(SearchPath, HelpersComeFirst) {
    using files::SearchPathWithHelpers;
    EXPECT_EQ(SearchPathWithHelpers("/usr/bin:/bin", "/a/X.app/Contents/Helpers"),
              "/a/X.app/Contents/Helpers:/usr/bin:/bin");
    EXPECT_EQ(SearchPathWithHelpers(nullptr, "/h"), "/h:/usr/local/bin:/usr/bin:/bin");
    EXPECT_EQ(SearchPathWithHelpers("", "/h"), "/h");
    EXPECT_EQ(SearchPathWithHelpers("/usr/bin", ""), "/usr/bin");
    EXPECT_EQ(SearchPathWithHelpers("/usr/bin", "/odd:name/Helpers"), "/usr/bin");  // cannot stand in PATH
}

TEST(BundleLayout, FoldersSeenFromTheExecutable) {
    TempFolder tmp;
    tmp.Write("KELDO Uninstaller.app/Contents/MacOS/KELDO Uninstaller", "");
    const std::string executable = tmp / "KELDO Uninstaller.app/Contents/MacOS/KELDO Uninstaller";
    EXPECT_EQ(files::ApplicationFolderOf(executable), tmp.Path());
    EXPECT_EQ(files::HelpersFolderOf(executable), "");
    tmp.MakeFolder("KELDO Uninstaller.app/Contents/Helpers");
    EXPECT_EQ(files::HelpersFolderOf(executable), tmp / "KELDO Uninstaller.app/Contents/Helpers");

    // Outside a bundle the program's own folder is the application folder.
    EXPECT_EQ(files::ApplicationFolderOf("/opt/keldo/bin/program"), "/opt/keldo/bin");
    EXPECT_EQ(files::ApplicationFolderOf("/opt/Tool/Contents/MacOS/program"), "/opt/Tool/Contents/MacOS");
    const FolderItemRef program = ApplicationExecutableFile();
    ASSERT_TRUE(program && program->Exists());
    EXPECT_EQ(GetFolderItem("")->NativePath(), program->Parent()->NativePath());
}

// Run inside a copy of this test program laid out as a bundle (see below).
TEST(ShellInBundle, Probe) {
    const char* expectedFolder = std::getenv("RUNTIME_FILES_PROBE_APP_FOLDER");
    if (!expectedFolder) GTEST_SKIP() << "runs only inside the bundle copy";
    EXPECT_EQ(GetFolderItem("")->NativePath(), expectedFolder);
    Shell shell;
    shell.Execute("plutil -convert xml1 'a b'; echo \"$PATH\"");
    EXPECT_EQ(shell.ErrorCode(), 0);
    const std::string helpers = ApplicationExecutableFile()->Parent()->Parent()->NativePath() + "/Helpers";
    EXPECT_EQ(shell.Result().Bytes(), "helper -convert xml1 a b\n" + helpers + ":" + std::getenv("PATH") + "\n");
}

TEST(ShellInBundle, HelpersComeFirstOnPath) {
    if (std::getenv("RUNTIME_FILES_PROBE_APP_FOLDER")) GTEST_SKIP();
    namespace fs = std::filesystem;
    TempFolder tmp;
    const std::string copy = tmp.MakeFolder("KELDO Uninstaller.app/Contents/MacOS") + "/runner";
    fs::copy_file(ApplicationExecutableFile()->NativePath(), copy);
    fs::permissions(copy, fs::perms::owner_all);
    const std::string helper =
        tmp.Write("KELDO Uninstaller.app/Contents/Helpers/plutil", "#!/bin/sh\necho helper \"$@\"\n");
    fs::permissions(helper, fs::perms::owner_all);

    Shell shell;
    shell.Execute("RUNTIME_FILES_PROBE_APP_FOLDER=" + tmp.Item()->ShellPath() + " " +
                  FolderItem::FromNativePath(copy)->ShellPath() + " --gtest_filter=ShellInBundle.Probe");
    EXPECT_EQ(shell.ErrorCode(), 0) << shell.Result().Bytes();
    EXPECT_NE(shell.Result().Bytes().find("[  PASSED  ] 1 test"), std::string::npos) << shell.Result().Bytes();
}

}  // namespace
}  // namespace runtime
