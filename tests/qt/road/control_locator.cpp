// Tells the road test where a control of a dialog template sits, in pixels
// from the dialog's top left corner, so that it can click it with real X
// input. It lays the form out exactly as the program does, on the same
// display and fonts.
//
//   zentrix_control_locator TEMPLATE CONTROL_ID [ENTRY COUNT]
//
// prints "X Y", the centre of the control, or with ENTRY and COUNT the
// centre of entry ENTRY (1-based) of a list box holding COUNT entries.
#include <QApplication>
#include <QListWidget>
#include <cstdio>
#include <cstdlib>

#include "ui/qt/form_loader.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 3 && argc != 5) {
    std::fprintf(stderr, "usage: %s TEMPLATE CONTROL_ID [ENTRY COUNT]\n", argv[0]);
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
