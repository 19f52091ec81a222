#include "ui/qt/form_loader.h"

#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <algorithm>
#include <cmath>

#include "ui/qt/forms/ui_dialog102.h"
#include "ui/qt/forms/ui_dialog103.h"
#include "ui/qt/forms/ui_dialog104.h"
#include "ui/qt/forms/ui_dialog105.h"
#include "ui/qt/forms/ui_dialog106.h"
#include "ui/qt/forms/ui_dialog107.h"
#include "ui/qt/forms/ui_dialog108.h"
#include "ui/qt/forms/ui_dialog109.h"

namespace zentrix::ui {

namespace {

int inPixels(int units, double pixelsPerUnit) {
  return static_cast<int>(std::lround(units * pixelsPerUnit));
}

void layOutInPixels(QDialog& dialog) {
  const DialogUnitScale scale = dialogUnitScale(dialog.font());
  const QSize client = dialog.size();
  for (QWidget* child : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    const QRect units = child->geometry();
    QRect pixels(inPixels(units.x(), scale.x), inPixels(units.y(), scale.y),
                 inPixels(units.width(), scale.x), inPixels(units.height(), scale.y));
    // A drop-down list's template height is that of its open list; closed,
    // it is as tall as its font needs. Edits get at least their text's height.
    if (qobject_cast<QComboBox*>(child) != nullptr) {
      pixels.setHeight(child->sizeHint().height());
    } else if (qobject_cast<QLineEdit*>(child) != nullptr) {
      pixels.setHeight(std::max(pixels.height(), child->sizeHint().height()));
    }
    child->setGeometry(pixels);
  }
  dialog.setFixedSize(inPixels(client.width(), scale.x), inPixels(client.height(), scale.y));
}

// The rendering at twice the drawing's size beside the one at its own.
QString twiceAsLarge(QString path) {
  return path.replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
}

// Draws an illustration whenever its label is shown or resized, at the
// label's size and the pixel ratio of its screen, so it stays crisp.
class IllustrationPainter final : public QObject {
 public:
  IllustrationPainter(QObject* parent, bool romanian) : QObject(parent), romanian_(romanian) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show || event->type() == QEvent::Resize) {
      if (auto* label = qobject_cast<QLabel*>(watched)) paint(*label);
    }
    return false;
  }

 private:
  void paint(QLabel& label) {
    const QSize area = label.contentsRect().size();
    const qreal ratio = label.devicePixelRatioF();
    if (area.isEmpty() || (area == paintedSize_ && ratio == paintedRatio_)) return;
    const QString path = illustrationResourcePath(label.property("bitmapId").toInt(), romanian_);
    QImage image(path);
    if (image.isNull()) return;
    const QSizeF target = QSizeF(image.size()).scaled(QSizeF(area), Qt::KeepAspectRatio);
    const QSize pixels = (target * ratio).toSize();
    // The larger rendering whenever the smaller one would be enlarged.
    if (image.width() < pixels.width() || image.height() < pixels.height()) {
      const QImage large(twiceAsLarge(path));
      if (!large.isNull()) image = large;
    }
    QPixmap pixmap =
        QPixmap::fromImage(image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(ratio);
    label.setAlignment(Qt::AlignCenter);
    label.setPixmap(pixmap);
    paintedSize_ = area;
    paintedRatio_ = ratio;
  }

  bool romanian_;
  QSize paintedSize_;
  qreal paintedRatio_ = 0;
};

void prepareControls(QDialog& dialog, bool romanian) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
    // Enter presses the default button only, as in every dialog.
    if (!button->isDefault()) button->setAutoDefault(false);
  }
  for (QLineEdit* edit : dialog.findChildren<QLineEdit*>()) {
    if (edit->property("digitsOnly").toBool())
      edit->setValidator(
          new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
  }
  for (QLabel* label : dialog.findChildren<QLabel*>()) {
    if (label->property("bitmapId").isValid())
      label->installEventFilter(new IllustrationPainter(label, romanian));
  }
}

// The form as uic compiled it, still in dialog units.
template <class Form>
std::unique_ptr<QDialog> built() {
  auto dialog = std::make_unique<QDialog>();
  Form().setupUi(dialog.get());
  return dialog;
}

std::unique_ptr<QDialog> builtForm(int templateId) {
  switch (templateId) {
    case 102:
      return built<Ui::Dialog102>();
    case 103:
      return built<Ui::Dialog103>();
    case 104:
      return built<Ui::Dialog104>();
    case 105:
      return built<Ui::Dialog105>();
    case 106:
      return built<Ui::Dialog106>();
    case 107:
      return built<Ui::Dialog107>();
    case 108:
      return built<Ui::Dialog108>();
    case 109:
      return built<Ui::Dialog109>();
    default:
      return nullptr;
  }
}

}  // namespace

DialogUnitScale dialogUnitScale(const QFont& font) {
  const QFontMetricsF metrics(font);
  // The average width of the 52 letters, as dialog units have always used.
  const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
  const double averageWidth = metrics.horizontalAdvance(letters) / 52.0;
  return DialogUnitScale{averageWidth / 4.0, metrics.height() / 8.0};
}

QString illustrationName(int bitmapId) {
  switch (bitmapId) {
    case 105:
      return QStringLiteral("element-kinds");
    case 106:
      return QStringLiteral("pyramid-frustum");
    case 107:
      return QStringLiteral("one-direction-shrink");
    case 112:
      return QStringLiteral("arch");
    default:
      return {};
  }
}

QString illustrationResourcePath(int bitmapId, bool romanian) {
  const QString name = illustrationName(bitmapId);
  if (name.isEmpty()) return {};
  const QString folder = QStringLiteral(":/illustrations/");
  const QString inRomanian = folder + name + QStringLiteral("-ro.png");
  if (romanian && QFile::exists(inRomanian)) return inRomanian;
  return folder + name + QStringLiteral(".png");
}

std::unique_ptr<QDialog> loadForm(int templateId, bool romanian) {
  std::unique_ptr<QDialog> dialog = builtForm(templateId);
  if (!dialog) return nullptr;
  layOutInPixels(*dialog);
  prepareControls(*dialog, romanian);
  return dialog;
}

}  // namespace zentrix::ui
