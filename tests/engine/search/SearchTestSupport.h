#pragma once
// What the search road tests share: a catalogue builder, a folder to search
// inside the fake home, the answers that choose it, and a reader of the list's
// rows.

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "engine/Thread2.h"
#include "runtime/core/TextFunctions.h"
#include "tests/engine/support/EngineHarness.h"
#include "tests/support/FinderInfoData.h"

namespace engine_testing {

struct Application {
    std::string name;
    std::string type;
};

class SearchTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        searchRoot = home.MakeFolder("Search");
    }

    // Appends a product to the catalogue, its counts stored as text as the
    // catalogue file gives them.
    runtime::DictionaryRef AddProduct(const std::string& label, const std::vector<Application>& applications,
                                      const std::vector<std::string>& docTypes) {
        auto product = std::make_shared<runtime::Dictionary>();
        product->SetValue("appLabel", runtime::String(label));
        product->SetValue("appCount", runtime::Str(applications.size()));
        for (size_t i = 0; i < applications.size(); ++i) {
            product->SetValue("appName" + runtime::Str(i + 1), runtime::String(applications[i].name));
            product->SetValue("appType" + runtime::Str(i + 1), runtime::String(applications[i].type));
        }
        product->SetValue("docCount", runtime::Str(docTypes.size()));
        for (size_t j = 0; j < docTypes.size(); ++j)
            product->SetValue("docType" + runtime::Str(j + 1), runtime::String(docTypes[j]));
        Globals::gItem.push_back(product);
        return product;
    }

    // Inside the searched folder.
    std::string Write(const std::string& relative, const std::string& bytes = "") const {
        return home.Write("Search/" + relative, bytes);
    }
    std::string MakeFolder(const std::string& relative) const { return home.MakeFolder("Search/" + relative); }
    std::string MakeAppBundle(const std::string& relative, const std::string& code) const {
        return home.MakeAppBundle("Search/" + relative, code);
    }
    // Finder info in a companion file "._name", as a foreign volume keeps it.
    void SetFinderInfo(const std::string& relative, const std::string& type, const std::string& creator,
                       uint16_t flags = 0) const {
        const auto slash = relative.rfind('/');
        const std::string folder = slash == std::string::npos ? "" : relative.substr(0, slash + 1);
        const std::string name = slash == std::string::npos ? relative : relative.substr(slash + 1);
        Write(folder + "._" + name, testsupport::AppleDoubleBytes(testsupport::FinderInfoBytes(type, creator, flags)));
    }

    // Goes on at the question, if asked, and chooses the searched folder.
    void AnswerSearchRoot() { Answer(Button::Action, Folder(searchRoot)); }

    runtime::FolderItemRef Folder(const std::string& posixPath) const {
        return runtime::FolderItem::FromNativePath(posixPath);
    }
    // The absolute path (Mac form) of an entry of the searched folder.
    std::string MacPath(const std::string& relative) const {
        return Folder(searchRoot + "/" + relative)->AbsolutePath().ToUTF8();
    }

    // A search worker as the window starts it, not yet run.
    std::shared_ptr<Thread2> NewSearch() const {
        auto search = std::make_shared<Thread2>();
        search->pWin1 = win;
        search->pMode = "FindItem";
        return search;
    }
    // One whole search road, to its end.
    bool Search() { return RunToEnd(NewSearch()); }

    // Each row as "name | column 2".
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        const auto list = win->Listbox1();
        for (int row = 0; row < list->ListCount(); ++row)
            rows.push_back(list->Cell(row, 0).ToUTF8() + " | " + list->Cell(row, 2).ToUTF8());
        return rows;
    }
    std::vector<runtime::ModalKind> AskedKinds() const {
        std::vector<runtime::ModalKind> kinds;
        for (const auto& request : asked) kinds.push_back(request.kind);
        return kinds;
    }

    // The list as an auto-get run leaves it: one product row, one registered item.
    void MakeAutoGetResult() {
        AddProductRow("Tolvenade II", "0:");
        win->AddFIlist(Folder(home.MakeFolder("Applications/Tolvenade")), "AD");
        win->pCountGet = 1;
        win->pCountFind = 0;
    }

    // The tool items and status strip as a search leaves them.
    void ExpectSearchToolItems() const {
        EXPECT_EQ(ToolItemStates(), "101001");
        EXPECT_FALSE(win->ProgressWheel1()->Visible());
    }

    std::string searchRoot;
};

}  // namespace engine_testing
