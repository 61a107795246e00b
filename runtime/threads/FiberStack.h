#pragma once
// Internal: the fibers' stacks, and the address sanitizer's notes on every
// switch between a fiber's stack and the main stack.

#include <cstddef>

#include <boost/context/protected_fixedsize_stack.hpp>
#include <boost/context/stack_context.hpp>

namespace runtime::detail {

// Each fiber's stack holds the nested loop of any dialog it shows; a guard
// page below it turns an overflow into a fault instead of silent corruption.
inline constexpr std::size_t kFiberStackSize = 512 * 1024;

// The guarded stack allocator, telling its owner where the stack is.
class RecordedStack {
public:
    explicit RecordedStack(boost::context::stack_context& record) : record_(&record) {}
    boost::context::stack_context allocate() {
        *record_ = stack_.allocate();
        return *record_;
    }
    void deallocate(boost::context::stack_context& sctx) noexcept { stack_.deallocate(sctx); }

private:
    boost::context::protected_fixedsize_stack stack_{kFiberStackSize};
    boost::context::stack_context* record_;
};

// Called around each switch; they do nothing unless the address sanitizer is
// on. A fiber that ends passes no fake stack: its stack is about to go.
void BeginSwitchToFiber(const boost::context::stack_context& stack, void** fakeStack);
void EndSwitchToMain(void* fakeStack);
void BeginSwitchToMain(void** fakeStack);
void EndSwitchToFiber(void* fakeStack);

}  // namespace runtime::detail
