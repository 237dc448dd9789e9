#include "platform/value_combo_box.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace kestrivane {

void ValueComboBox::paintEvent(QPaintEvent* /*event*/) {
  QStylePainter painter(this);
  painter.setPen(palette().color(QPalette::Text));
  QStyleOptionComboBox option;
  initStyleOption(&option);
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  if (currentIndex() < 0 && !placeholderText().isEmpty()) {
    option.palette.setBrush(QPalette::ButtonText, option.palette.placeholderText());
    option.currentText = placeholderText();
  }
  // The painter follows the widget's direction; the text's own is wanted.
  painter.setLayoutDirection(Qt::LayoutDirectionAuto);
  painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace kestrivane
