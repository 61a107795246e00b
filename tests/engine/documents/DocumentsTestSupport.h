#pragma once
// What the documents-folder tests share: a Thread2 whose run is one call to
// a documents lookup or reader, the modal requests described, and the
// product preferences folders of the fake home.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/Thread2.h"
#include "runtime/app/ModalResponder.h"
#include "tests/engine/documents/RecordFileWriter.h"
#include "tests/engine/support/EngineHarness.h"
#include "tests/support/EnvGuard.h"

namespace engine_testing {

using DocumentsProbe = Thread2Probe;

using Lookup = runtime::String (DocumentsProbe::*)(const runtime::String&);

// One modal request as the tests compare it: "MsgBox: text", "SelectFolder".
inline std::string Describe(const runtime::ModalRequest& r) {
    if (r.kind == runtime::ModalKind::SelectFolder) return "SelectFolder";
    return (r.kind == runtime::ModalKind::MsgBox ? "MsgBox: " : "other: ") + r.message.ToUTF8();
}

inline constexpr const char* kLostMessage = "必要なファイルの所在が不明なので、処理を続行できません。";

class DocumentsTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        Answer(Button::Action);  // every message box is closed, every chooser cancelled
    }

    // The requests asked so far, described.
    std::vector<std::string> Questions() const {
        std::vector<std::string> described;
        for (const runtime::ModalRequest& request : asked) described.push_back(Describe(request));
        return described;
    }

    // Runs one lookup on a worker with the list so far. nullopt when the run
    // ended inside the lookup.
    std::optional<std::string> RunLookup(Lookup lookup, const std::string& list = "") {
        auto probe = NewProbe();
        std::optional<std::string> result;
        probe->body = [&](DocumentsProbe& p) { result = (p.*lookup)(runtime::String(list)).ToUTF8(); };
        EXPECT_TRUE(RunToEnd(probe));
        return result;
    }

    // Runs one reader on a worker; the POSIX path of what it returned, "<nil>" for nil.
    std::string RunReader(runtime::FolderItemRef (DocumentsProbe::*reader)(const runtime::FolderItemRef&),
                          const runtime::FolderItemRef& folder) {
        auto probe = NewProbe();
        std::string result = "<not run>";
        probe->body = [&](DocumentsProbe& p) {
            const runtime::FolderItemRef f = (p.*reader)(folder);
            result = f ? f->NativePath() : "<nil>";
        };
        EXPECT_TRUE(RunToEnd(probe));
        return result;
    }

    std::shared_ptr<DocumentsProbe> NewProbe() {
        auto probe = std::make_shared<DocumentsProbe>();
        probe->pWin1 = win;
        probe->pMode = "GetItem";
        return probe;
    }

    // Writes a record file into a product preferences folder; its folder's path.
    std::string WriteRecordFile(const std::string& productFolder, const std::string& fileName,
                                const std::string& bytes) {
        home.Write("Library/Preferences/" + productFolder + "/" + fileName, bytes);
        return home.Preferences(productFolder);
    }

    // A folder of the fake home and its Mac absolute path, as a record holds it.
    std::string MacPathOf(const std::string& posixPath) const {
        return runtime::FolderItem::FromNativePath(posixPath)->AbsolutePath().ToUTF8();
    }

    // Folders a record may name: the user's own folders and those above them,
    // which are never a documents folder, and genuine ones beside them. The
    // desktop's settings name some user folders, in lines good and damaged.
    struct NamedFolder {
        const char* name;
        std::string path;
        bool registered;
    };
    std::vector<NamedFolder> UserFoldersAndGenuineOnes() const {
        const std::filesystem::path homePath = std::filesystem::path(home.Path("Documents")).parent_path();
        const std::string genuine = home.MakeFolder("Documents/Tolvenade 書類");
        std::filesystem::create_directory_symlink(homePath, home.Path("Documents/home link"));
        std::filesystem::create_directory_symlink(genuine, home.Path("Documents/書類 link"));
        const std::string pictures = home.MakeFolder("Shared/写真");
        const char noise[] = "\x7F\xFF\0XDG_DOWNLOAD_DIR=\"\n";
        home.Write(".config/user-dirs.dirs",
                   "# written by the desktop\n"
                   "XDG_DOCUMENTS_DIR=\"$HOME/ドキュメント\"\n"
                   "XDG_MUSIC_DIR=\"$HOME/My \\\"Music\\\" \\$1\"\n"
                   "XDG_PICTURES_DIR=\"" +
                       pictures + "\"\n" + std::string(noise, sizeof noise - 1) +
                       "XDG_VIDEOS_DIR=\"$HOME/ビデオ\n"
                       "XDG_TEMPLATES_DIR=テンプレート\n"
                       "  XDG_DESKTOP_DIR=\"$HOME/デスクトップ\"\r\n");
        return {
            {"root", "/", false},
            {"above the home", homePath.parent_path().string(), false},
            {"home", homePath.string(), false},
            {"Library", home.Path("Library"), false},
            {"Preferences", home.Preferences(), false},
            {"Application Support", home.ApplicationSupport(), false},
            {"Applications", home.Applications(), false},
            {"Desktop", home.MakeFolder("Desktop"), false},
            {"Documents", home.Path("Documents"), false},
            {"Documents in other letter case", home.MakeFolder("documents"), false},
            {"Downloads", home.MakeFolder("Downloads"), false},
            {"Music", home.MakeFolder("Music"), false},
            {"Pictures", home.MakeFolder("Pictures"), false},
            {"Videos", home.MakeFolder("Videos"), false},
            {"Public", home.MakeFolder("Public"), false},
            {"Templates", home.MakeFolder("Templates"), false},
            {"documents folder the desktop names", home.MakeFolder("ドキュメント"), false},
            {"music folder named with escapes", home.MakeFolder("My \"Music\" $1"), false},
            {"pictures folder named by an absolute path", pictures, false},
            {"the folder above it", home.Path("Shared"), false},
            {"desktop named after a damaged line", home.MakeFolder("デスクトップ"), false},
            {"folder of a line left unclosed", home.MakeFolder("ビデオ"), true},
            {"folder of a line without quotes", home.MakeFolder("テンプレート"), true},
            {"link to the home", home.Path("Documents/home link"), false},
            {"Library through that link", home.Path("Documents/home link/Library"), false},
            {"folder in Documents", genuine, true},
            {"link to it", home.Path("Documents/書類 link"), true},
            {"Documents 2 beside Documents", home.MakeFolder("Documents 2"), true},
            {"folder in Library", home.MakeFolder("Library/Pelmora"), true},
        };
    }

    // The desktop's settings are read from the fake home's .config.
    testsupport::EnvGuard configHome{"XDG_CONFIG_HOME", nullptr};

    // The registered items as "kind path", in pFI order.
    std::vector<std::string> Found() const { return FoundItems(*win, true); }
};

}  // namespace engine_testing
