#include "QtEnvironment.h"

namespace {
[[maybe_unused]] ::testing::Environment *const qtEnvironment =
    ::testing::AddGlobalTestEnvironment(new quarn::testing_support::QtEnvironment);
}
