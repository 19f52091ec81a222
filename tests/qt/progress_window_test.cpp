// The Qt progress window: quiet for short work, shown for long work, and
// its Cancel stops the work.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressDialog>
#include <QTest>

#include "ui/qt/qt_dialog_host.h"

namespace zentrix::ui::testing {
namespace {

QProgressDialog* progressDialog() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* dialog = qobject_cast<QProgressDialog*>(widget)) return dialog;
  return nullptr;
}

TEST(QtProgressWindow, ShortWorkShowsNothing) {
  QtDialogHost host;
  const auto progress = host.startProgress("Generating the structure...");
  for (double fraction = 0; fraction <= 1.0; fraction += 0.25)
    EXPECT_TRUE(progress->advance(fraction));
  ASSERT_NE(progressDialog(), nullptr);
  EXPECT_FALSE(progressDialog()->isVisible());
  EXPECT_TRUE(progress->advance(1.0));
}

TEST(QtProgressWindow, LongWorkShowsTheWindowAndCancelStopsIt) {
  QtDialogHost host;
  const auto progress = host.startProgress("Writing the Geometry File...");
  EXPECT_TRUE(progress->advance(0.1));
  QTest::qWait(700);  // longer than the half second before the window shows
  EXPECT_TRUE(progress->advance(0.2));
  QProgressDialog* dialog = progressDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->labelText(), "Writing the Geometry File...");
  dialog->cancel();
  EXPECT_FALSE(progress->advance(0.3));
  EXPECT_FALSE(progress->advance(0.4));  // a cancel stays
}

TEST(QtProgressWindow, ClosesWhenReleased) {
  QtDialogHost host;
  { const auto progress = host.startProgress("Saving the Zentrix File..."); }
  EXPECT_EQ(progressDialog(), nullptr);
}

}  // namespace
}  // namespace zentrix::ui::testing
