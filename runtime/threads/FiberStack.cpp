#include "runtime/threads/FiberStack.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define RUNTIME_THREADS_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define RUNTIME_THREADS_ASAN 1
#endif
#if defined(RUNTIME_THREADS_ASAN)
#include <sanitizer/common_interface_defs.h>
#endif

namespace runtime::detail {

#if defined(RUNTIME_THREADS_ASAN)

namespace {

// Learnt when a fiber first starts: fibers are resumed only from the main stack.
const void* gMainStackBottom = nullptr;
std::size_t gMainStackSize = 0;

}  // namespace

void BeginSwitchToFiber(const boost::context::stack_context& stack, void** fakeStack) {
    __sanitizer_start_switch_fiber(fakeStack, static_cast<char*>(stack.sp) - stack.size, stack.size);
}

void EndSwitchToMain(void* fakeStack) { __sanitizer_finish_switch_fiber(fakeStack, nullptr, nullptr); }

void BeginSwitchToMain(void** fakeStack) {
    __sanitizer_start_switch_fiber(fakeStack, gMainStackBottom, gMainStackSize);
}

void EndSwitchToFiber(void* fakeStack) {
    __sanitizer_finish_switch_fiber(fakeStack, &gMainStackBottom, &gMainStackSize);
}

#else

void BeginSwitchToFiber(const boost::context::stack_context&, void**) {}
void EndSwitchToMain(void*) {}
void BeginSwitchToMain(void**) {}
void EndSwitchToFiber(void*) {}

#endif

}  // namespace runtime::detail
