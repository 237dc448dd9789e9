#pragma once
// A drop-down list whose shown item takes its own text's direction: in a
// right-to-left window a time such as "5:45 A.M." still reads left to right,
// while the list keeps the window's side for its arrow and alignment.

#include <QComboBox>

namespace kestrivane {

class ValueComboBox : public QComboBox {
 public:
  using QComboBox::QComboBox;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace kestrivane
