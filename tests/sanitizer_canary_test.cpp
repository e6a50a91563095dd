// Fails in the sanitizer build unless both sanitizers really catch faults, so
// that job cannot silently stop sanitizing.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

#ifdef SANITIZED_BUILD
volatile int sink;  // keeps the optimizer from dropping the faulty operations

void read_past_end(volatile int n) {
    std::vector<int> v(4);
    sink = v.data()[n];
}

void overflow(volatile int x) { sink = x + 1; }
#endif

TEST(SanitizerCanary, CatchesHeapOverflowAndSignedOverflow) {
#ifdef SANITIZED_BUILD
    EXPECT_DEATH(read_past_end(4), "heap-buffer-overflow");
    EXPECT_DEATH(overflow(INT_MAX), "signed integer overflow");
#else
    GTEST_SKIP() << "not a sanitizer build";
#endif
}

}  // namespace
