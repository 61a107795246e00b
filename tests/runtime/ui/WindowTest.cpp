// Windows: building order, controls by name, implicit instances, the window
// list, locked edges and modal display.

#include "runtime/ui/Window.h"

#include <QApplication>
#include <QMainWindow>
#include <QMouseEvent>
#include <QTimer>
#include <gtest/gtest.h>

#include "runtime/threads/Thread.h"
#include "runtime/ui/Label.h"
#include "runtime/ui/Listbox.h"
#include "runtime/ui/ProgressWheel.h"
#include "runtime/ui/Toolbar.h"

namespace runtime {
namespace {

std::vector<std::string> gLog;

// Runs the event loop until done() holds or two seconds have passed.
void SpinUntil(const std::function<bool()>& done) {
    QEventLoop loop;
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    poll.start(5);
    loop.exec();
}

class LoggedWindow : public Window {
public:
    void Layout() override {
        gLog.push_back("Layout");
        SetWidth(640);
        SetHeight(400);
        SetTitle("KELDO Uninstaller");
    }
    void CreateControls() override {
        gLog.push_back("CreateControls");
        auto toolbar = std::make_shared<Toolbar>();
        _AddControl("Toolbar11", toolbar);
        toolbar->Open = [this](Toolbar&) {
            // The controls created after the toolbar exist by now.
            gLog.push_back(_ControlByName("StaticText1") ? "Toolbar Open, controls exist" : "Toolbar Open too early");
        };
        auto list = Add<Listbox>("Listbox1", -1, -1);
        list->SetWidth(642);
        list->SetHeight(380);
        list->SetLockTop(true);
        list->SetLockRight(true);
        Add<ProgressWheel>("ProgressWheel1", 10, 382);
        auto label = Add<Label>("StaticText1", 30, 382);
        label->SetWidth(440);
        label->SetHeight(20);
    }
    // A control locked to the left and bottom edges.
    template <class C>
    std::shared_ptr<C> Add(const char* name, int left, int top) {
        auto control = std::make_shared<C>();
        _AddControl(name, control);
        control->SetLeft(left);
        control->SetTop(top);
        control->SetLockLeft(true);
        control->SetLockBottom(true);
        return control;
    }
    void Event_Open() override {
        gLog.push_back(Visible() ? "Open, visible" : "Open, hidden");
        SetTitle("KELDO アンインストーラ");
    }
    void Event_Close() override { gLog.push_back("Close"); }
};

TEST(WindowBuilding, LayoutThenControlsInOrderThenOpen) {
    gLog.clear();
    auto window = NewWindow<LoggedWindow>();
    EXPECT_EQ(gLog,
              (std::vector<std::string>{"Layout", "CreateControls", "Toolbar Open, controls exist", "Open, visible"}));
    ASSERT_EQ(window->ControlCount(), 4);
    EXPECT_EQ(window->ControlAt(3)->Name().ToUTF8(), "StaticText1");
    EXPECT_EQ(window->ControlAt(4), nullptr);

    EXPECT_EQ(window->_ControlByName("listbox1"), window->ControlAt(1));
    EXPECT_EQ(window->Control<Label>("Listbox1"), nullptr);
    EXPECT_EQ(window->_ControlByName("Missing"), nullptr);
    EXPECT_EQ(window->Control<Label>("StaticText1")->Window(), window);

    EXPECT_TRUE(window->NativeWidget()->isVisible());
    EXPECT_EQ(window->NativeWidget()->windowTitle(), QStringLiteral("KELDO アンインストーラ"));
    window->Close();
    EXPECT_EQ(gLog.back(), "Close");
}

TEST(WindowBuilding, LockedEdgesFollowTheWindowSize) {
    auto window = NewWindow<LoggedWindow>();
    QApplication::processEvents();
    auto list = window->Control<Listbox>("Listbox1");
    auto label = window->Control<Label>("StaticText1");
    const int listWidth = list->Width(), listHeight = list->Height();
    const int labelTop = label->Top(), labelLeft = label->Left();

    window->SetWidth(window->Width() + 100);
    window->SetHeight(window->Height() + 50);
    QApplication::processEvents();
    EXPECT_EQ(list->Width(), listWidth + 100);
    EXPECT_EQ(list->Height(), listHeight + 50);
    EXPECT_EQ(list->Left(), -1);
    EXPECT_EQ(label->Top(), labelTop + 50);
    EXPECT_EQ(label->Left(), labelLeft);
    EXPECT_EQ(label->NativeWidget()->geometry(), QRect(label->Left(), label->Top(), 440, 20));
    // The list ends 21 pixels above the content's bottom, as designed.
    EXPECT_EQ(window->Height() - (list->Top() + list->Height()), 21);
    window->Close();
}

int gImplicitMade = 0;
std::shared_ptr<Window> gSeenInOpen;

class ImplicitWindow : public Window {
public:
    ImplicitWindow() { ++gImplicitMade; }
    void Event_Open() override;
};

void ImplicitWindow::Event_Open() { gSeenInOpen = ImplicitInstance<ImplicitWindow>(); }

TEST(WindowInstances, TheImplicitInstanceIsMadeOnceWhileOpen) {
    gImplicitMade = 0;
    auto first = ImplicitInstance<ImplicitWindow>();
    EXPECT_EQ(gImplicitMade, 1);
    EXPECT_EQ(gSeenInOpen, first);  // its own Open event found it, no second window
    EXPECT_EQ(ImplicitInstance<ImplicitWindow>(), first);
    EXPECT_EQ(gImplicitMade, 1);

    first->Close();
    auto second = ImplicitInstance<ImplicitWindow>();
    EXPECT_EQ(gImplicitMade, 2);
    EXPECT_NE(second, first);
    second->Close();
    gSeenInOpen.reset();
}

TEST(WindowInstances, OpenWindowsStayListedUntilClosed) {
    std::vector<Window*> closed;
    SetWindowClosedHandler([&](Window& w) { closed.push_back(&w); });
    std::weak_ptr<Window> weak;
    {
        auto window = NewWindow<Window>();
        weak = window;
        const auto open = OpenWindows();
        EXPECT_NE(std::find(open.begin(), open.end(), window), open.end());
    }
    ASSERT_FALSE(weak.expired());  // the list keeps it alive

    // The window system's close button closes it like Close does.
    weak.lock()->NativeWidget()->close();
    ASSERT_EQ(closed.size(), 1u);
    EXPECT_TRUE(weak.expired());
    SetWindowClosedHandler(nullptr);
}

class Panel : public Window {
public:
    void Layout() override {
        SetWidth(420);
        SetHeight(260);
        SetResizeable(false);
        SetFrame(11);
        SetPlacement(3);
    }
    bool Event_MouseDown(int, int) override {
        Hide();
        return false;
    }
};

TEST(WindowModal, ShowModalReturnsWhenTheWindowIsHidden) {
    auto panel = NewWindow<Panel>();
    bool hiddenByTimer = false;
    QTimer::singleShot(20, [&] {
        hiddenByTimer = true;
        panel->Hide();
    });
    panel->ShowModal();
    EXPECT_TRUE(hiddenByTimer);
    EXPECT_FALSE(panel->Visible());
    EXPECT_TRUE(panel->IsOpen());
    EXPECT_EQ(panel->NativeWidget()->windowModality(), Qt::NonModal);

    // A click in the panel hides it through its MouseDown event.
    QTimer::singleShot(20, [&] {
        QWidget* content = static_cast<QMainWindow*>(panel->NativeWidget())->centralWidget();
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), content->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(content, &press);
    });
    panel->ShowModal();
    EXPECT_FALSE(panel->Visible());
    panel->Close();
    EXPECT_FALSE(panel->IsOpen());
}

TEST(WindowModal, ShowModalFromAThreadBlocksOnlyThatThread) {
    auto panel = NewWindow<Panel>();
    panel->Hide();

    class Worker : public Thread {
    public:
        std::shared_ptr<Window> panel;
        bool returned = false;
        void Event_Run() override {
            panel->ShowModal();
            returned = true;
        }
    };
    auto worker = std::make_shared<Worker>();
    worker->panel = panel;
    worker->Run();
    bool sawShown = false;
    QTimer::singleShot(30, [&] {
        sawShown = panel->Visible() && !worker->returned;
        panel->Close();
    });
    SpinUntil([&] { return worker->returned; });
    EXPECT_TRUE(sawShown);
    EXPECT_TRUE(worker->returned);
}

TEST(WindowControls, ListExpansionFromAThreadRunsWithinTheCall) {
    auto list = std::make_shared<Listbox>();
    list->SetHierarchical(true);
    list->ExpandRow = [](Listbox& lb, int) { lb.AddRow("child"); };
    list->AddFolder("product");

    class Expander : public Thread {
    public:
        std::shared_ptr<Listbox> list;
        int countAfter = -1;
        void Event_Run() override {
            list->SetExpanded(0, true);
            countAfter = list->ListCount();
        }
    };
    auto worker = std::make_shared<Expander>();
    worker->list = list;
    worker->Run();
    SpinUntil([&] { return worker->countAfter >= 0; });
    EXPECT_EQ(worker->countAfter, 2);
    EXPECT_EQ(list->Cell(1, 0).ToUTF8(), "child");
}

TEST(WindowControls, LabelShowsItsTextAndALineBreakForCarriageReturn) {
    auto label = std::make_shared<Label>();
    label->SetText("first\r\rsecond");
    label->SetEnabled(false);
    auto* native = static_cast<QLabel*>(label->NativeWidget());
    EXPECT_EQ(native->text(), QStringLiteral("first\n\nsecond"));
    EXPECT_EQ(label->Text().ToUTF8(), "first\r\rsecond");
    EXPECT_FALSE(native->isEnabled());
    // A size counts pixels, as the designs drawn at 72 dots per inch mean it.
    const struct {
        double size;
        int unit, pixels;
    } sizes[] = {{12, 0, 12}, {12, 1, 12}, {10, 2, 10}, {1, 3, 72}, {25.4, 4, 72}};
    for (const auto& s : sizes) {
        label->SetTextUnit(s.unit);
        label->SetTextSize(s.size);
        EXPECT_EQ(native->font().pixelSize(), s.pixels) << "unit " << s.unit;
    }
    // A label that is in no window is never shown as a window of its own.
    label->SetVisible(true);
    EXPECT_FALSE(native->isVisible());
}

TEST(WindowControls, ProgressWheelTurnsOnlyWhileShown) {
    auto window = NewWindow<LoggedWindow>();
    auto wheel = window->Control<ProgressWheel>("ProgressWheel1");
    ASSERT_NE(wheel, nullptr);
    EXPECT_TRUE(wheel->Animating());
    wheel->SetVisible(false);
    EXPECT_FALSE(wheel->Animating());
    window->Close();
}

}  // namespace
}  // namespace runtime
