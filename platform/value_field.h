#pragma once
// A read-only edit that shows a value. It looks read-only (the dialog's own
// background, no focus frame, nothing selected when tabbed into); a value
// wider than the field shows elided, whole in the tool tip; blanks that pad
// a number show as figure spaces, so times in a column line up.

#include <QLineEdit>

namespace kestrivane {

class ValueField : public QLineEdit {
 public:
  ValueField(bool framed, QWidget* parent);

  void SetValue(const QString& value);
  const QString& Value() const { return m_value; }
  // Pixels the text may take.
  int TextRoom() const;

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ShowValue();

  QString m_value;
};

}  // namespace kestrivane
