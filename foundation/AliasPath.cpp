#include "foundation/AliasPath.h"

#include <optional>

#include "foundation/DecrareEtc.h"
#include "foundation/Globals.h"
#include "foundation/TextEnco.h"
#include "platform/carbon/Carbon.h"
#include "runtime/app/FolderDialogs.h"
#include "runtime/app/MessageDialog.h"
#include "runtime/core/Encodings.h"
#include "runtime/core/TextFunctions.h"
#include "runtime/files/FolderItem.h"

using namespace runtime;
namespace carbon = platform::carbon;

namespace AliasPath {
namespace {

// Disposes of the alias handle on every way out.
class HandleOwner {
public:
    explicit HandleOwner(carbon::Handle h) : h_(h) {}
    ~HandleOwner() { carbon::DisposeHandle(h_); }
    HandleOwner(const HandleOwner&) = delete;
    HandleOwner& operator=(const HandleOwner&) = delete;

private:
    carbon::Handle h_;
};

// The absolute path recorded in the data, for the message. A record is read
// by its fields: a byte scan would stop at the kind word of a folder record
// and give the volume name's length byte. A damaged record gives the best
// path text it still holds, else its target's name. Data that is no record
// goes to the scan, which gives it back unchanged when it finds no field.
String RecordedPath(const String& data) {
    if (const auto fields = carbon::ParseAliasRecord(data.Bytes())) {
        if (!fields->absolutePath) return data;
        return String::FromBytes(*fields->absolutePath, data.Encoding());
    }
    const std::optional<carbon::AliasRecordFields> salvaged = carbon::SalvageAliasRecord(data.Bytes());
    if (!salvaged) return Globals::gAbsPath_ex(data);
    if (salvaged->absolutePath) return String::FromBytes(*salvaged->absolutePath, data.Encoding());
    if (salvaged->posixPath) return String::FromBytes(*salvaged->posixPath, data.Encoding());
    if (!salvaged->name.empty()) return String::FromBytes(salvaged->name, data.Encoding());
    return data;
}

// The recorded path as the message shows it: at most 1,024 characters, then
// "…" when there are more (a record file can hold megabytes). No character
// takes more than four bytes in the encodings read, so only that many bytes
// are converted, and a character cut there is never shown.
constexpr int32_t kShownCharacters = 1024;

String ShownPath(const String& recorded) {
    constexpr int32_t enough = 4 * (kShownCharacters + 1);
    const String text = TextEnco::gEncUTF8altLeftB(recorded, "Shift_JIS", enough);
    if (LenB(recorded) <= enough && Len(text) <= kShownCharacters) return text;
    return Left(text, kShownCharacters) + "…";
}

String PathOfTarget(const carbon::FSSpec& target) {
    const String name = String::FromBytes(std::string(reinterpret_cast<const char*>(target.name + 1), target.name[0]),
                                          Encodings::MacJapanese());
    String path = DecrareEtc::GetFullPath(target.vRefNum, target.parID) + name;
    path = TextEnco::gEncText(path, "Shift-JIS", "UTF-8");
    // No item, no folder test: the path stays as built, without ":".
    const FolderItemRef item = GetFolderItem(path, 0);
    if (item && item->Directory()) path += ":";
    return path;
}

// The folder chooser says again what is asked, once the message is closed.
FolderItemRef ReplacementFolder(const String& prompt) {
    SelectFolderDialog dialog;
    dialog.SetPromptText(prompt);
    return dialog.ShowModal();
}

}  // namespace

String gAbsPath_dc(const String& data, bool pickAnyFile) {
    if (data.IsEmpty()) return "";
    if (GetFolderItem(data, 0)) return data;

    const carbon::Handle h = DecrareEtc::TextToHandle(data);
    if (h == 0) return "";
    carbon::FSSpec target;
    carbon::OSErr resolved;
    {
        // Released before the dialogs: the handle is as large as the data.
        const HandleOwner owner(h);
        carbon::Boolean wasChanged = 0;
        resolved = carbon::ResolveAlias(nullptr, h, &target, &wasChanged);
    }
    if (resolved == carbon::noErr) return PathOfTarget(target);

    const String lost = "「" + ShownPath(RecordedPath(data)) + "」が見つかりません。再指定して下さい。";
    MsgBox(lost);
    const FolderItemRef chosen = pickAnyFile ? GetOpenFolderItem("anyFile") : ReplacementFolder(lost);
    if (!chosen) return "";
    return chosen->AbsolutePath();
}

}  // namespace AliasPath
