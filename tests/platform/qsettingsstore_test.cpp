#include "platform/qt/qsettingsstore.h"

#include <gtest/gtest.h>

namespace melvane {
namespace {

TEST(QSettingsStore, MissingKeyReadsAsNothing)
{
    QSettingsStore store;
    EXPECT_FALSE(store.value("keys", "player1", "bank").has_value());
}

} // namespace
} // namespace melvane
