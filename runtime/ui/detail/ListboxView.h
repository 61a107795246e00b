#pragma once
// The QTreeView that shows a Listbox: it sizes the columns from the list's
// column widths, paints each cell's background through the list's
// CellBackgroundPaint event, shows a cut-short cell's whole text in a tooltip
// and reports the user's expanding, collapsing and selecting back to the list.
//
// The columns take their widths from the list whenever the width of the view
// changes, until the user resizes one; from then on they keep the user's
// widths, and the view scrolls sideways when they are wider than it.

#include <vector>

#include <QTreeView>

namespace runtime {
class Listbox;
}

namespace runtime::detail {

class ListboxModel;

class ListboxView : public QTreeView {
public:
    explicit ListboxView(Listbox& list);
    // Connects to the model's selection; called once the model is set.
    void Connect(ListboxModel& model);
    // The list goes away before the view, which is deleted later.
    void Detach() { list_ = nullptr; }
    // The widths the list's column widths give (0 hides a column); the
    // user's widths are forgotten.
    void SetDesignWidths(const std::vector<int>& widths);

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool viewportEvent(QEvent* event) override;

private:
    Listbox* list_;
    bool settingWidths_ = false;
    bool userWidths_ = false;
};

}  // namespace runtime::detail
