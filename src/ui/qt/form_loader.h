// Dialog templates as Qt Designer forms (resources/forms/dialogNNN.ui),
// compiled into the program by uic at build time.
//
// Templates are drawn in dialog units, as dialog templates always were:
// every geometry in a form is in units of a quarter of the dialog font's
// average character width (x) and an eighth of its height (y). Loading turns
// them into pixels for the font actually in use, so a form keeps its
// arrangement and stays readable whatever the font and the display scaling.
//
// Controls carry an int property "controlId" and are named "control" and
// their id; the build checks that every id the dialog logic names is in its
// form (form_controls_check.cpp). Illustrations are labels with
// an int property "bitmapId", drawn at the label's size and the screen's
// pixel ratio from their drawings in ":/illustrations/", rendered from the
// SVG sources at build time at their own size (NAME.png) and twice that
// (NAME@2x.png), the larger one used whenever the smaller would be enlarged.
// An illustration with words has a Romanian drawing beside it (NAME-ro.svg,
// rendered the same way), shown in a Romanian session.
#pragma once

#include <QDialog>
#include <QFont>
#include <QString>
#include <memory>

namespace zentrix::ui {

// Pixels per dialog unit for a font.
struct DialogUnitScale {
  double x = 1.0;
  double y = 1.0;
};
DialogUnitScale dialogUnitScale(const QFont& font);

// The drawing (its 1x rendering) of an illustration bitmap id (105, 106,
// 107, 112) in the language asked for (the English one when it has no
// words of its own in Romanian); empty for an unknown id.
QString illustrationResourcePath(int bitmapId, bool romanian = false);

// The form of a template, laid out in pixels, its illustrations in the
// language asked for; null when the program holds no such template.
std::unique_ptr<QDialog> loadForm(int templateId, bool romanian = false);

}  // namespace zentrix::ui
