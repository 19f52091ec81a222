// Tells the road test where a control of a dialog template sits, in pixels
// from the dialog's top left corner, so that it can click it with real X
// input. It lays the form out exactly as the program does, on the same
// display and fonts.
//
//   zentrix_control_locator TEMPLATE CONTROL_ID [ENTRY COUNT]
//
// prints "X Y", the centre of the control, or with ENTRY and COUNT the
// centre of entry ENTRY (1-based) of a list box holding COUNT entries.
//
//   zentrix_control_locator view BUTTON [R]
//
// prints the centre of the structure view's button named BUTTON (its
// object name), in the Romanian window with R.
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "model/model.h"
#include "ui/qt/form_loader.h"
#include "ui/qt/structure_view.h"

namespace {

int locateViewButton(const char* name, bool romanian) {
  const zentrix::model::Model model;
  zentrix::ui::StructureViewWindow window(model, zentrix::ui::ViewSubject::Structure, romanian);
  window.show();
  QApplication::processEvents();
  auto* button = window.findChild<QPushButton*>(name);
  if (button == nullptr) return 1;
  const QPoint at = button->mapTo(&window, button->rect().center());
  std::printf("%d %d\n", at.x(), at.y());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc >= 3 && std::strcmp(argv[1], "view") == 0)
    return locateViewButton(argv[2], argc > 3 && std::strcmp(argv[3], "R") == 0);
  if (argc != 3 && argc != 5) {
    std::fprintf(stderr, "usage: %s TEMPLATE CONTROL_ID [ENTRY COUNT] | view BUTTON [R]\n",
                 argv[0]);
    return 2;
  }
  std::unique_ptr<QDialog> form = zentrix::ui::loadForm(std::atoi(argv[1]));
  if (!form) return 1;
  QWidget* control = nullptr;
  for (QWidget* child : form->findChildren<QWidget*>())
    if (child->property("controlId").toInt() == std::atoi(argv[2])) control = child;
  if (control == nullptr) return 1;
  QPoint centre = control->rect().center();
  if (argc == 5) {
    auto* list = qobject_cast<QListWidget*>(control);
    if (list == nullptr) return 1;
    for (int entry = 1; entry <= std::atoi(argv[4]); ++entry) list->addItem(QString::number(entry));
    form->show();
    QApplication::processEvents();
    QListWidgetItem* item = list->item(std::atoi(argv[3]) - 1);
    if (item == nullptr) return 1;
    centre = list->viewport()->mapTo(control, list->visualItemRect(item).center());
  }
  const QPoint at = control->mapTo(form.get(), centre);
  std::printf("%d %d\n", at.x(), at.y());
  return 0;
}
