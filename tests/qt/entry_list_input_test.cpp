// The Coordinates and Topology dialogs on real widgets, driven with real
// input: entries chosen with the mouse (press and release on the entry) or
// the keyboard, text typed into the edit box, APPLY clicked. Whatever the
// device, the edit box shows the chosen entry's values and APPLY stores
// into that entry.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <functional>
#include <string>

#include "modal_driver.h"
#include "ui/dialogs/coordinates_dialog.h"
#include "ui/dialogs/topology_dialog.h"
#include "ui/qt/qt_dialog_host.h"

namespace zentrix::ui::testing {
namespace {

using Coordinates = ui::CoordinatesControls;
using Topology = ui::TopologyControls;

// How the user moves to an entry.
enum class Device { MousePressAndRelease, MouseDrag, Keyboard };

void moveTo(QWidget& window, ControlId listId, int entry, Device device) {
  auto& list = *qobject_cast<QListWidget*>(controlOf(window, listId));
  switch (device) {
    case Device::MousePressAndRelease:
      clickEntry(list, entry);
      return;
    case Device::MouseDrag: {
      // Pressed on the first entry, dragged onto the chosen one.
      const QPoint from = list.visualItemRect(list.item(0)).center();
      const QPoint to = list.visualItemRect(list.item(entry - 1)).center();
      QTest::mousePress(list.viewport(), Qt::LeftButton, Qt::NoModifier, from);
      QMouseEvent move(QEvent::MouseMove, to, list.viewport()->mapToGlobal(to), Qt::NoButton,
                       Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(list.viewport(), &move);
      QTest::mouseRelease(list.viewport(), Qt::LeftButton, Qt::NoModifier, to);
      return;
    }
    case Device::Keyboard:
      // End first, so that Home moves (and selects) even from the first row.
      list.setFocus();
      QTest::keyClick(&list, Qt::Key_End);
      QTest::keyClick(&list, Qt::Key_Home);
      for (int step = 1; step < entry; ++step) QTest::keyClick(&list, Qt::Key_Down);
      return;
  }
}

QString shown(QWidget& window, ControlId edit) {
  return qobject_cast<QLineEdit*>(controlOf(window, edit))->text();
}

struct DeviceCase {
  std::string name;
  Device device;
};

class EntryListInput : public ::testing::TestWithParam<DeviceCase> {
 protected:
  EntryListInput() { host.setNativeFileDialogs(false); }

  // Runs `open` with the user's part played by `act` on the dialog `templateId`.
  void run(int templateId, const std::function<void(QWidget&)>& act,
           const std::function<void()>& open) {
    driver.onDialog(templateId, [act](QWidget& w) {
      act(w);
      clickControl(w, kOkButton);
    });
    driver.start();
    open();
    ASSERT_TRUE(driver.done()) << driver.failure();
  }

  ModalDriver driver;
  QtDialogHost host;
  model::Model model;
  Session session;
};

// The fault: the list's handler ran on a row change that comes before the
// selection, and read the entry chosen before: the clicked node showed the
// previous node's values and APPLY stored them into the clicked node.
TEST_P(EntryListInput, ClickedNodeShowsItsOwnCoordinatesAndApplyKeepsThem) {
  model.base.dofPerNode = 2;
  model.base.nodesInBase0 = 2;
  model.base.nodesInBase1 = 2;
  model.base.baseCoords.rebuild(4, 2);
  model.base.baseCoords(1, 1) = 1.5f;
  model.base.baseCoords(1, 2) = 2.0f;
  model.base.baseCoords(3, 1) = 7.0f;
  model.base.baseCoords(3, 2) = 8.0f;
  QStringList seen;
  run(
      Coordinates::kTemplate,
      [&](QWidget& w) {
        moveTo(w, Coordinates::kNodeList, 3, GetParam().device);
        seen << shown(w, Coordinates::kCoordinatesEdit);
        clickControl(w, Coordinates::kApplyButton);
        moveTo(w, Coordinates::kNodeList, 1, GetParam().device);
        seen << shown(w, Coordinates::kCoordinatesEdit);
        clickControl(w, Coordinates::kApplyButton);
      },
      [&] { ui::runCoordinatesDialog(model, session, host); });
  EXPECT_EQ(seen, (QStringList{"7.  8.", "1.5  2."}));
  EXPECT_EQ(model.base.baseCoords(3, 1), 7.0f);
  EXPECT_EQ(model.base.baseCoords(3, 2), 8.0f);
  EXPECT_EQ(model.base.baseCoords(1, 1), 1.5f);
  EXPECT_EQ(model.base.baseCoords(1, 2), 2.0f);
}

TEST_P(EntryListInput, ClickedElementShowsItsOwnEndNodesAndApplyKeepsThem) {
  model.base.nodesInBase0 = 6;
  model.base.nodesInBase1 = 6;
  model.base.baseElementCount = 3;
  model.base.baseElemStart.rebuild(3);
  model.base.baseElemEnd.rebuild(3);
  model.base.baseElemStart(1) = 1;
  model.base.baseElemEnd(1) = 2;
  model.base.baseElemStart(3) = 12;
  model.base.baseElemEnd(3) = 7;
  QStringList seen;
  run(
      Topology::kTemplate,
      [&](QWidget& w) {
        moveTo(w, Topology::kElementList, 3, GetParam().device);
        seen << shown(w, Topology::kEndNodesEdit);
        clickControl(w, Topology::kApplyButton);
        moveTo(w, Topology::kElementList, 1, GetParam().device);
        seen << shown(w, Topology::kEndNodesEdit);
        clickControl(w, Topology::kApplyButton);
      },
      [&] { ui::runTopologyDialog(model, session, host); });
  EXPECT_EQ(seen, (QStringList{"12    7", "1    2"}));
  EXPECT_EQ(model.base.baseElemStart(3), 12);
  EXPECT_EQ(model.base.baseElemEnd(3), 7);
  EXPECT_EQ(model.base.baseElemStart(1), 1);
  EXPECT_EQ(model.base.baseElemEnd(1), 2);
}

// Built from nothing with the mouse: every node chosen by a click gets the
// coordinates typed for it.
TEST_P(EntryListInput, NodesChosenOneAfterAnotherGetWhatWasTypedForThem) {
  model.base.dofPerNode = 2;
  model.base.nodesInBase0 = 2;
  model.base.nodesInBase1 = 2;
  const QStringList typed = {"0 0", "0 3", "4 0", "4 3"};
  run(
      Coordinates::kTemplate,
      [&](QWidget& w) {
        for (int node = 1; node <= 4; ++node) {
          moveTo(w, Coordinates::kNodeList, node, GetParam().device);
          typeInto(w, Coordinates::kCoordinatesEdit, typed[node - 1]);
          clickControl(w, Coordinates::kApplyButton);
        }
      },
      [&] { ui::runCoordinatesDialog(model, session, host); });
  const float expected[4][2] = {{0, 0}, {0, 3}, {4, 0}, {4, 3}};
  for (int node = 1; node <= 4; ++node)
    for (int axis = 1; axis <= 2; ++axis)
      EXPECT_EQ(model.base.baseCoords(node, axis), expected[node - 1][axis - 1])
          << "node " << node << " axis " << axis;
}

INSTANTIATE_TEST_SUITE_P(Devices, EntryListInput,
                         ::testing::Values(DeviceCase{"MousePressAndRelease",
                                                      Device::MousePressAndRelease},
                                           DeviceCase{"MouseDrag", Device::MouseDrag},
                                           DeviceCase{"Keyboard", Device::Keyboard}),
                         [](const auto& device) { return device.param.name; });

}  // namespace
}  // namespace zentrix::ui::testing
