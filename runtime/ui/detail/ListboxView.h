#pragma once
// The QTreeView that shows a Listbox: it sizes the columns from the list's
// column widths, paints each cell's background through the list's
// CellBackgroundPaint event and reports the user's expanding, collapsing and
// selecting back to the list.

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

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Listbox* list_;
};

}  // namespace runtime::detail
