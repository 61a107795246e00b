#include "engine/StayedItems.h"

#include <algorithm>

#include "foundation/CautionDialog.h"
#include "runtime/core/TextFunctions.h"

using namespace runtime;

namespace {

// What the user reads above the names of the items that stayed for it.
const char* ReasonText(ScriptOutcome outcome) {
    switch (outcome) {
    case ScriptOutcome::ItemNotWritable: return "項目、または項目の入っているフォルダを変更できません";
    case ScriptOutcome::TrashNotWritable: return "ゴミ箱に書き込めません";
    case ScriptOutcome::DiskReadOnly: return "ディスクが読み出し専用です";
    case ScriptOutcome::DiskFull: return "ディスクに空きがありません";
    case ScriptOutcome::ItemInUse: return "項目が使用中です";
    case ScriptOutcome::ItemNotMovable: return "ディスクやゴミ箱、ゴミ箱を含むフォルダは移動できません";
    case ScriptOutcome::NoTrash: return "ゴミ箱が見つからず、作ることもできません";
    case ScriptOutcome::Done:
    case ScriptOutcome::Failed: break;
    }
    return "予期しないエラーが起きました";
}

}  // namespace

void StayedItems::Note(const FolderItem& item, ScriptOutcome outcome) {
    if (outcome == ScriptOutcome::Done) return;
    if (paths_.insert(CaselessKey(item.AbsolutePath())).second) items_.push_back({item.Name(), outcome});
}

void StayedItems::Tell(const std::shared_ptr<Window>& window) const {
    if (items_.empty()) return;
    // One heading per reason, in the order the reasons first came up.
    struct Reason {
        ScriptOutcome outcome;
        std::vector<const Item*> items;
        size_t named = 0;
    };
    std::vector<Reason> reasons;
    for (const Item& item : items_) {
        auto reason =
            std::find_if(reasons.begin(), reasons.end(), [&](const Reason& r) { return r.outcome == item.outcome; });
        if (reason == reasons.end()) reason = reasons.insert(reasons.end(), Reason{item.outcome, {}});
        reason->items.push_back(&item);
    }
    // The names are dealt a reason at a time, so that every reason names some.
    for (size_t left = kListed; left > 0;) {
        const size_t before = left;
        for (Reason& reason : reasons) {
            if (left > 0 && reason.named < reason.items.size()) {
                ++reason.named;
                --left;
            }
        }
        if (left == before) break;  // every item is named
    }
    String explanation("次の項目は元の場所に残っています。");
    for (const Reason& reason : reasons) {
        explanation += String("\n\n") + ReasonText(reason.outcome) + "：";
        for (size_t i = 0; i < reason.named; ++i) explanation += "\n・" + reason.items[i]->name;
        if (reason.named < reason.items.size())
            explanation += "\nほか" + Str(reason.items.size() - reason.named) + "個の項目も残っています。";
    }
    Globals::gCautionDlg(window, true, 1, "", "", "", Str(items_.size()) + "個の項目をゴミ箱に移動できませんでした。",
                         explanation);
}
