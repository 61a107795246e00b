// The list's flat row model, its events and what its Qt model shows.

#include "runtime/ui/Listbox.h"

#include <functional>
#include <stdexcept>

#include <QAbstractItemModel>
#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QTreeView>
#include <gtest/gtest.h>

#include "runtime/ui/ColumnWidths.h"
#include "runtime/ui/Window.h"
#include "tests/support/ListDriver.h"

namespace runtime {
namespace {

using Texts = std::vector<std::string>;
using testsupport::ListWindow;

Texts Column0(const Listbox& lb) { return testsupport::CellTexts(lb, 0); }

std::shared_ptr<Listbox> NewHierarchicalList() {
    auto lb = std::make_shared<Listbox>();
    lb->SetColumnCount(6);
    lb->SetHierarchical(true);
    return lb;
}

TEST(ListboxExpansion, RowsAddedDuringExpandRowStandBelowTheFolderInOrder) {
    auto lb = NewHierarchicalList();
    int raised = 0;
    lb->ExpandRow = [&](Listbox& list, int row) {
        ++raised;
        list.AddRow("x1");
        EXPECT_EQ(list.LastIndex(), row + 1);
        list.AddRow("x2");
        EXPECT_EQ(list.LastIndex(), row + 2);
    };
    lb->AddFolder("A");
    lb->AddFolder("B");
    lb->AddFolder("C");

    lb->SetExpanded(1, true);
    EXPECT_EQ(Column0(*lb), (Texts{"A", "B", "x1", "x2", "C"}));
    EXPECT_EQ(lb->RowDepth(2), 1);
    EXPECT_EQ(lb->RowDepth(4), 0);

    // Expanding an expanded row raises nothing.
    lb->SetExpanded(1, true);
    EXPECT_EQ(raised, 1);

    lb->SetExpanded(1, false);
    EXPECT_EQ(Column0(*lb), (Texts{"A", "B", "C"}));

    // Expanding again adds the children anew.
    lb->SetExpanded(1, true);
    EXPECT_EQ(raised, 2);
    EXPECT_EQ(lb->ListCount(), 5);

    // Outside the event, AddRow appends at the top level.
    lb->AddRow("D");
    EXPECT_EQ(lb->LastIndex(), 5);
    EXPECT_EQ(lb->RowDepth(5), 0);
}

TEST(ListboxExpansion, ExpandingFromTheLastRowToTheFirstKeepsEachFolderWithItsChildren) {
    auto lb = NewHierarchicalList();
    lb->ExpandRow = [](Listbox& list, int row) {
        const std::string name = list.Cell(row, 0).ToUTF8();
        const int count = std::stoi(list.Cell(row, 5).ToUTF8());
        for (int i = 1; i <= count; ++i) list.AddRow(String(name + std::to_string(i)));
    };
    const char* names[] = {"p", "q", "r"};
    const char* counts[] = {"2", "1", "3"};
    for (int i = 0; i < 3; ++i) {
        lb->AddFolder(names[i]);
        lb->SetCell(lb->LastIndex(), 5, counts[i]);
    }
    for (int row = lb->ListCount() - 1; row >= 0; --row) lb->SetExpanded(row, true);
    EXPECT_EQ(Column0(*lb), (Texts{"p", "p1", "p2", "q", "q1", "r", "r1", "r2", "r3"}));
}

TEST(ListboxExpansion, ManyRowsStayInOrderWhereverTheyAreAddedOrRemoved) {
    // Small enough for the model checker under the sanitizers, which checks
    // the whole model at every change.
    constexpr int kFolders = 12, kChildren = 16;
    auto lb = NewHierarchicalList();
    QAbstractItemModelTester tester(lb->NativeModel(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    lb->ExpandRow = [](Listbox& list, int row) {
        for (int i = 0; i < kChildren; ++i) list.AddRow(String(list.Cell(row, 0).ToUTF8() + "." + std::to_string(i)));
    };
    // The same steps on a plain vector of name and depth.
    std::vector<std::pair<std::string, int>> expected;
    auto check = [&](int step) {
        ASSERT_EQ(lb->ListCount(), static_cast<int>(expected.size())) << step;
        for (int row = 0; row < lb->ListCount(); ++row) {
            ASSERT_EQ(lb->Cell(row, 0).ToUTF8(), expected[size_t(row)].first) << step << " row " << row;
            ASSERT_EQ(lb->RowDepth(row), expected[size_t(row)].second) << step << " row " << row;
        }
    };
    for (int f = 0; f < kFolders; ++f) {
        lb->AddFolder(String("f" + std::to_string(f)));
        expected.emplace_back("f" + std::to_string(f), 0);
        for (int i = 0; i < kChildren; ++i) expected.emplace_back("f" + std::to_string(f) + "." + std::to_string(i), 1);
    }
    for (int row = lb->ListCount() - 1; row >= 0; --row) lb->SetExpanded(row, true);
    check(-1);

    uint32_t seed = 7;
    auto below = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % static_cast<uint32_t>(n));
    };
    for (int step = 0; step < 240; ++step) {
        const int row = below(lb->ListCount());
        if (step % 3 == 2 && !lb->RowIsFolder(row)) {
            lb->RemoveRow(row);
            expected.erase(expected.begin() + row);
        } else if (step % 3 != 2) {
            // A new row takes the depth of the row it pushes down.
            lb->InsertRow(row, String("n" + std::to_string(step)));
            expected.emplace(expected.begin() + row, "n" + std::to_string(step), expected[size_t(row)].second);
            ASSERT_EQ(lb->LastIndex(), row);
        } else if (step % 2 == 0) {
            // Collapsing a folder takes out the rows below it that are deeper.
            lb->SetExpanded(row, false);
            auto first = expected.begin() + row + 1;
            expected.erase(first, std::find_if(first, expected.end(), [](const auto& e) { return e.second == 0; }));
        }
        check(step);
    }
}

TEST(ListboxExpansion, NestedExpansionInsideExpandRowPlacesRowsAfterTheNestedChildren) {
    auto lb = NewHierarchicalList();
    int outer = 0, inner = 0;
    lb->ExpandRow = [&](Listbox& list, int row) {
        if (list.Cell(row, 0) == String("sub")) {
            ++inner;
            list.AddRow("leaf");
            return;
        }
        ++outer;
        list.AddFolder("sub");
        list.SetExpanded(list.LastIndex(), true);
        list.AddRow("after");
    };
    lb->AddFolder("top");
    lb->AddFolder("next");
    lb->SetExpanded(0, true);
    EXPECT_EQ(outer, 1);
    EXPECT_EQ(inner, 1);
    EXPECT_EQ(Column0(*lb), (Texts{"top", "sub", "leaf", "after", "next"}));
    EXPECT_EQ((std::vector<int>{lb->RowDepth(1), lb->RowDepth(2), lb->RowDepth(3)}), (std::vector<int>{1, 2, 1}));

    // Collapsing the outer folder removes the whole subtree.
    lb->SetExpanded(0, false);
    EXPECT_EQ(Column0(*lb), (Texts{"top", "next"}));
}

TEST(ListboxExpansion, RowsAddedUnderAFolderTheViewShowsCollapsedReachItWithEverythingSetOnThem) {
    auto lb = NewHierarchicalList();
    QAbstractItemModelTester tester(lb->NativeModel(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    lb->ExpandRow = [](Listbox& list, int row) {
        if (list.Cell(row, 0) == String("sub")) {
            list.AddRow("leaf");
            return;
        }
        if (list.Cell(row, 0) == String("broken")) {
            list.AddRow("partial");
            throw std::runtime_error("the handler failed");
        }
        list.AddRow("child");
        list.SetCellType(list.LastIndex(), 0, Listbox::TypeCheckBox);
        list.SetCellCheck(list.LastIndex(), 0, true);
        list.SetCell(list.LastIndex(), 1, "2024/01/02");
        list.SetListIndex(list.LastIndex());
        list.AddFolder("sub");
        list.SetExpanded(list.LastIndex(), true);
    };
    lb->AddFolder("product");
    lb->SetExpanded(0, true);

    QAbstractItemModel* model = lb->NativeModel();
    QTreeView* view = lb->NativeView();
    const QModelIndex product = model->index(0, 0);
    ASSERT_EQ(model->rowCount(product), 2);
    const QModelIndex child = model->index(0, 0, product);
    EXPECT_EQ(child.data().toString(), QStringLiteral("child"));
    EXPECT_EQ(child.data(Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_EQ(model->index(0, 1, product).data().toString(), QStringLiteral("2024/01/02"));
    const QModelIndex sub = model->index(1, 0, product);
    ASSERT_EQ(model->rowCount(sub), 1);
    EXPECT_EQ(model->index(0, 0, sub).data().toString(), QStringLiteral("leaf"));
    EXPECT_TRUE(view->isExpanded(product));
    EXPECT_TRUE(view->isExpanded(sub));
    EXPECT_EQ(view->selectionModel()->currentIndex(), child);

    // A handler that fails still leaves what it added in the view.
    lb->AddFolder("broken");
    EXPECT_THROW(lb->SetExpanded(lb->LastIndex(), true), std::runtime_error);
    EXPECT_EQ(Column0(*lb), (Texts{"product", "child", "sub", "leaf", "broken", "partial"}));
    EXPECT_EQ(model->index(0, 0, model->index(1, 0)).data().toString(), QStringLiteral("partial"));
}

TEST(ListboxExpansion, OnlyFolderRowsOfAHierarchicalListExpand) {
    auto lb = NewHierarchicalList();
    int raised = 0;
    lb->ExpandRow = [&](Listbox&, int) { ++raised; };
    lb->AddRow("plain");
    lb->SetExpanded(0, true);
    EXPECT_FALSE(lb->Expanded(0));

    auto flat = std::make_shared<Listbox>();
    flat->ExpandRow = [&](Listbox&, int) { ++raised; };
    flat->AddFolder("folder in a flat list");
    flat->SetExpanded(0, true);
    EXPECT_EQ(raised, 0);
}

TEST(ListboxExpansion, DeletingAllRowsInsideExpandRowLeavesLaterRowsAtTheTopLevel) {
    auto lb = NewHierarchicalList();
    lb->ExpandRow = [](Listbox& list, int) {
        list.DeleteAllRows();
        list.AddRow("fresh");
    };
    lb->AddFolder("A");
    lb->SetExpanded(0, true);
    EXPECT_EQ(Column0(*lb), (Texts{"fresh"}));
    EXPECT_EQ(lb->RowDepth(0), 0);
}

TEST(ListboxExpansion, UserExpandingThroughTheViewRaisesExpandRowAndCollapsingRemovesRows) {
    auto lb = NewHierarchicalList();
    int raised = 0;
    lb->ExpandRow = [&](Listbox& list, int) {
        ++raised;
        list.AddRow("child");
    };
    lb->AddFolder("A");
    QAbstractItemModel* model = lb->NativeModel();
    const QModelIndex folder = model->index(0, 0);
    EXPECT_TRUE(model->hasChildren(folder));

    lb->NativeView()->expand(folder);
    EXPECT_EQ(raised, 1);
    EXPECT_EQ(model->index(0, 0, folder).data().toString(), QStringLiteral("child"));

    lb->NativeView()->collapse(folder);
    EXPECT_EQ(lb->ListCount(), 1);
    EXPECT_EQ(model->rowCount(folder), 0);

    // A programmatic expansion shows in the view.
    lb->SetExpanded(0, true);
    EXPECT_TRUE(lb->NativeView()->isExpanded(model->index(0, 0)));
}

TEST(ListboxRowsAndCells, HiddenColumnsKeepTheirCellsAndCountsFollowTheRows) {
    auto lb = NewHierarchicalList();
    EXPECT_EQ(lb->LastIndex(), -1);
    lb->SetColumnWidths("*,*,*,0,0,0");
    lb->AddFolder("product");
    lb->SetCell(0, 5, "3:4:7:");
    lb->SetCell(0, 6, "ignored");  // no such column
    EXPECT_EQ(lb->Cell(0, 6).ToUTF8(), "");
    EXPECT_EQ(lb->Cell(7, 0).ToUTF8(), "");  // no such row

    lb->NativeView()->resize(600, 200);
    for (int column = 0; column < 6; ++column)
        EXPECT_EQ(lb->NativeView()->isColumnHidden(column), column >= 3) << column;

    lb->AddRow("second");
    lb->InsertRow(0, "first");
    EXPECT_EQ(Column0(*lb), (Texts{"first", "product", "second"}));
    EXPECT_EQ(lb->LastIndex(), 0);
    EXPECT_EQ(lb->Cell(1, 5).ToUTF8(), "3:4:7:");
    lb->RemoveRow(1);
    EXPECT_EQ(Column0(*lb), (Texts{"first", "second"}));

    lb->DeleteAllRows();
    EXPECT_EQ(lb->ListCount(), 0);
    EXPECT_EQ(lb->LastIndex(), -1);
    EXPECT_EQ(lb->NativeModel()->rowCount(), 0);
}

TEST(ListboxRowsAndCells, InitialValueGivesTheHeadings) {
    auto lb = NewHierarchicalList();
    lb->SetHasHeading(true);
    lb->SetInitialValue("名前\t修正日\t種別\t \t");
    EXPECT_EQ(lb->Heading(3).ToUTF8(), " ");
    EXPECT_EQ(lb->Heading(5).ToUTF8(), "");
    EXPECT_EQ(lb->ListCount(), 0);
    EXPECT_EQ(lb->NativeModel()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("修正日"));
}

TEST(ColumnWidths, StarsShareTheRestNumbersArePixelsPercentIsOfTheWhole) {
    EXPECT_EQ(ComputeColumnWidths("*,*,*,0,0,0", 6, 600), (std::vector<int>{200, 200, 200, 0, 0, 0}));
    EXPECT_EQ(ComputeColumnWidths("*,*,*,0,0,0", 6, 601), (std::vector<int>{200, 200, 201, 0, 0, 0}));
    EXPECT_EQ(ComputeColumnWidths("100,*,25%", 3, 400), (std::vector<int>{100, 200, 100}));
    EXPECT_EQ(ComputeColumnWidths("", 3, 300), (std::vector<int>{100, 100, 100}));
    EXPECT_EQ(ComputeColumnWidths("50", 3, 250), (std::vector<int>{50, 100, 100}));
    EXPECT_EQ(ComputeColumnWidths("2*,*", 2, 300), (std::vector<int>{200, 100}));
    EXPECT_EQ(ComputeColumnWidths("500,*", 2, 300), (std::vector<int>{500, 0}));
}

TEST(ListboxChecks, BoxesOnlyWhereTheCellTypeIsTwoAndCellActionOnlyOnTheUsersToggle) {
    auto lb = NewHierarchicalList();
    for (const char* name : {"a", "b"}) {
        lb->AddFolder(name);
        lb->SetCellType(lb->LastIndex(), 0, Listbox::TypeCheckBox);
        lb->SetCellCheck(lb->LastIndex(), 0, true);
    }
    lb->AddRow("search row");
    QAbstractItemModel* model = lb->NativeModel();
    EXPECT_TRUE(model->flags(model->index(0, 0)) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(model->flags(model->index(2, 0)) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(model->index(2, 0).data(Qt::CheckStateRole).isValid());
    EXPECT_FALSE(model->index(0, 1).data(Qt::CheckStateRole).isValid());

    std::vector<std::pair<int, int>> actions;
    lb->CellAction = [&](Listbox& list, int row, int column) {
        actions.emplace_back(row, column);
        EXPECT_FALSE(list.CellCheck(row, column));  // the new state is in place
    };
    lb->SetCellCheck(0, 0, false);
    EXPECT_TRUE(actions.empty());
    EXPECT_EQ(model->index(0, 0).data(Qt::CheckStateRole).toInt(), Qt::Unchecked);

    // As the view's delegate does on a click.
    EXPECT_TRUE(model->setData(model->index(1, 0), QVariant::fromValue(Qt::Unchecked), Qt::CheckStateRole));
    EXPECT_EQ(actions, (std::vector<std::pair<int, int>>{{1, 0}}));
    // A check written to a cell without a box is refused.
    EXPECT_FALSE(model->setData(model->index(2, 0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_FALSE(lb->CellCheck(2, 0));
    EXPECT_EQ(actions.size(), 1u);
}

TEST(ListboxSelection, ChangeOnEverySelectionChange) {
    auto lb = NewHierarchicalList();
    for (const char* name : {"a", "b", "c"}) lb->AddRow(name);
    std::vector<int> changes;
    lb->Change = [&](Listbox& list) { changes.push_back(list.ListIndex()); };

    lb->SetListIndex(1);
    lb->SetListIndex(1);
    EXPECT_EQ(changes, (std::vector<int>{1}));
    EXPECT_EQ(lb->NativeView()->selectionModel()->selectedRows().value(0).row(), 1);

    // The user's selection in the view.
    QAbstractItemModel* model = lb->NativeModel();
    lb->NativeView()->selectionModel()->select(model->index(2, 0),
                                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    EXPECT_EQ(changes, (std::vector<int>{1, 2}));
    EXPECT_EQ(lb->ListIndex(), 2);

    // The selected row follows a row inserted above it.
    lb->InsertRow(0, "new");
    EXPECT_EQ(lb->ListIndex(), 3);
    EXPECT_EQ(changes.size(), 2u);

    // Removing the selected row clears the selection.
    lb->RemoveRow(3);
    EXPECT_EQ(changes, (std::vector<int>{1, 2, -1}));

    lb->SetListIndex(0);
    lb->SetListIndex(-1);
    EXPECT_EQ(changes, (std::vector<int>{1, 2, -1, 0, -1}));
    EXPECT_TRUE(lb->NativeView()->selectionModel()->selectedRows().isEmpty());

    lb->SetListIndex(1);
    lb->DeleteAllRows();
    EXPECT_EQ(lb->ListIndex(), -1);
    EXPECT_EQ(changes.back(), -1);
}

// Removing the selected row, or a folder row that takes it along, leaves
// nothing selected with one Change; removing any other row keeps the same
// row selected without one. The keys go on from there.
TEST(ListboxSelection, RemovingRowsMovesTheSelectionNowhere) {
    // Rows a, b, c, the folder f with f1 and f2 expanded, d.
    struct Case {
        const char* what;
        int selected;  // -1: none
        std::function<void(Listbox&)> remove;
        const char* stays;  // the row selected afterwards; nullptr: none
        std::vector<int> changes;
        const char* afterDown;  // the row selected by the key Down then
    };
    auto collapseInTheView = [](Listbox& lb) { lb.NativeView()->collapse(lb.NativeModel()->index(3, 0)); };
    const Case cases[] = {
        {"the selected row", 1, [](Listbox& lb) { lb.RemoveRow(1); }, nullptr, {-1}, "a"},
        {"a row above the selected row", 2, [](Listbox& lb) { lb.RemoveRow(0); }, "c", {}, "f"},
        {"a row below the selected row", 0, [](Listbox& lb) { lb.RemoveRow(2); }, "a", {}, "b"},
        {"a row with nothing selected", -1, [](Listbox& lb) { lb.RemoveRow(0); }, nullptr, {}, "b"},
        {"the last row, selected", 6, [](Listbox& lb) { lb.RemoveRow(6); }, nullptr, {-1}, "a"},
        {"the folder of the selected row", 5, [](Listbox& lb) { lb.SetExpanded(3, false); }, nullptr, {-1}, "a"},
        {"the folder of the selected row, in the view", 4, collapseInTheView, nullptr, {-1}, "a"},
        {"a folder above the selected row", 6, [](Listbox& lb) { lb.SetExpanded(3, false); }, "d", {}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto lb = NewHierarchicalList();
        lb->ExpandRow = [](Listbox& list, int) {
            list.AddRow("f1");
            list.AddRow("f2");
        };
        for (const char* name : {"a", "b", "c"}) lb->AddRow(name);
        lb->AddFolder("f");
        lb->SetExpanded(3, true);
        lb->AddRow("d");
        QTreeView* view = lb->NativeView();
        view->resize(300, 300);
        // The keyboard focus makes the first row current, selecting nothing.
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(view, &focus);
        lb->SetListIndex(c.selected);
        std::vector<int> changes;
        lb->Change = [&](Listbox& list) { changes.push_back(list.ListIndex()); };
        auto selectedInTheView = [&]() -> std::string {
            const QModelIndexList rows = view->selectionModel()->selectedRows();
            return rows.isEmpty() ? "" : rows.first().data().toString().toStdString();
        };

        c.remove(*lb);
        EXPECT_EQ(lb->Cell(lb->ListIndex(), 0).Bytes(), c.stays ? c.stays : "");
        EXPECT_EQ(lb->ListIndex() >= 0, c.stays != nullptr);
        EXPECT_EQ(changes, c.changes);
        EXPECT_EQ(selectedInTheView(), c.stays ? c.stays : "");

        if (c.afterDown == nullptr) continue;  // d is the last row
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(view, &down);
        EXPECT_EQ(lb->Cell(lb->ListIndex(), 0).Bytes(), c.afterDown);
        EXPECT_EQ(selectedInTheView(), c.afterDown);
        ASSERT_FALSE(changes.empty());
        EXPECT_EQ(changes.back(), lb->ListIndex());
    }
}

TEST(ListboxAccessibility, CellsShowTextCheckStateAndExpandedState) {
    auto window = NewWindow<ListWindow>();
    auto lb = window->Control<Listbox>("Listbox1");
    ASSERT_NE(lb, nullptr);
    lb->SetHierarchical(true);
    lb->SetColumnCount(2);
    lb->ExpandRow = [](Listbox& list, int) { list.AddRow("inner"); };
    lb->AddFolder("product");
    lb->SetCellType(0, 0, Listbox::TypeCheckBox);
    lb->SetCellCheck(0, 0, true);
    lb->SetCell(0, 1, "2024/01/02");
    lb->SetExpanded(0, true);

    QApplication::processEvents();
    QTreeView* view = lb->NativeView();
    QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(view);
    ASSERT_TRUE(tree != nullptr && tree->tableInterface() != nullptr);
    QAccessibleInterface* cell = tree->tableInterface()->cellAt(0, 0);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("product"));
    EXPECT_TRUE(cell->state().checkable && cell->state().checked);
    EXPECT_TRUE(cell->state().expandable && cell->state().expanded);
    QAccessibleInterface* date = tree->tableInterface()->cellAt(0, 1);
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(date->text(QAccessible::Name), QStringLiteral("2024/01/02"));

    lb->SetCellCheck(0, 0, false);
    EXPECT_FALSE(tree->tableInterface()->cellAt(0, 0)->state().checked);
    window->Close();
}

TEST(ListboxPainting, CellBackgroundPaintIsClippedToTheCell) {
    auto window = NewWindow<ListWindow>();
    auto lb = window->Control<Listbox>("Listbox1");
    ASSERT_NE(lb, nullptr);
    const Color stripe = RGB(237, 243, 254);
    std::vector<std::pair<int, int>> painted;
    lb->CellBackgroundPaint = [&](Listbox& list, Graphics& g, int row, int column) {
        painted.emplace_back(row, column);
        if (row % 2 == 0) {
            g.SetForeColor(stripe);
            g.FillRect(0, 0, list.Width(), list.Height());
        }
        return false;
    };
    for (const char* name : {"r0", "r1", "r2", "r3", "r4"}) lb->AddRow(name);
    QApplication::processEvents();

    QTreeView* view = lb->NativeView();
    const QImage image = view->viewport()->grab().toImage();
    const QColor expected(237, 243, 254);
    QRect row4;
    // Row 0 is left out: the pointer of the offscreen screen hovers over it.
    for (int row = 1; row <= 4; ++row) {
        const QRect cell = view->visualRect(lb->NativeModel()->index(row, 2));
        ASSERT_FALSE(cell.isEmpty());
        EXPECT_EQ(image.pixelColor(cell.right() - 2, cell.center().y()) == expected, row % 2 == 0) << row;
        row4 = cell;
    }
    const int x = row4.right() - 2;
    // Below the last row nothing is painted, although the handler filled the list's whole size.
    ASSERT_LT(row4.bottom() + 10, image.height());
    EXPECT_NE(image.pixelColor(x, row4.bottom() + 10), expected);
    EXPECT_FALSE(painted.empty());
    window->Close();
}

}  // namespace
}  // namespace runtime
