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
    std::vector<ScriptOutcome> reasons;
    for (const Item& item : items_) {
        if (std::find(reasons.begin(), reasons.end(), item.outcome) == reasons.end()) reasons.push_back(item.outcome);
    }
    String explanation("次の項目は元の場所に残っています。");
    size_t listed = 0;
    for (ScriptOutcome reason : reasons) {
        if (listed == kListed) break;
        explanation += String("\n\n") + ReasonText(reason) + "：";
        for (const Item& item : items_) {
            if (listed == kListed) break;
            if (item.outcome != reason) continue;
            explanation += "\n・" + item.name;
            ++listed;
        }
    }
    if (listed < items_.size()) explanation += "\n\nほか" + Str(items_.size() - listed) + "個の項目も残っています。";
    Globals::gCautionDlg(window, true, 1, "", "", "", Str(items_.size()) + "個の項目をゴミ箱に移動できませんでした。",
                         explanation);
}
