#include "AppIdentity.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace morlune {
namespace {

TEST(AppIdentity, NamesTheProgramForTheDesktop) {
  ApplyAppIdentity();
  EXPECT_EQ(QApplication::applicationName(), QStringLiteral("Morlune"));
  EXPECT_EQ(QApplication::applicationDisplayName(), QStringLiteral("Morlune"));
  EXPECT_EQ(QApplication::desktopFileName(), QStringLiteral("io.github.morlune.Morlune"));
  EXPECT_EQ(QApplication::applicationVersion(), QStringLiteral(MORLUNE_EXPECTED_VERSION));
}

}  // namespace
}  // namespace morlune
