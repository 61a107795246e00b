#pragma once
// Whether the tests are built with AddressSanitizer, whose allocator copies on
// every reallocation and whose shadow memory counts in a process's size.

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define UNDER_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define UNDER_ADDRESS_SANITIZER 1
#endif

namespace testsupport {

#if defined(UNDER_ADDRESS_SANITIZER)
inline constexpr bool kUnderAddressSanitizer = true;
#else
inline constexpr bool kUnderAddressSanitizer = false;
#endif

}  // namespace testsupport
