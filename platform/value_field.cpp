#include "platform/value_field.h"

#include <QFocusEvent>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionFrame>

namespace kestrivane {

namespace {

// QLineEdit keeps this many pixels free at each side of its text.
constexpr int kInnerMargin = 2;
constexpr QChar kFigureSpace(0x2007);

QString WithFigureSpaces(QString text) {
  qsizetype blanks = 0;
  while (blanks < text.size() && text[blanks] == QLatin1Char(' ')) ++blanks;
  if (blanks < text.size() && text[blanks].isDigit()) {
    for (qsizetype i = 0; i < blanks; ++i) text[i] = kFigureSpace;
  }
  return text;
}

}  // namespace

ValueField::ValueField(bool framed, QWidget* parent) : QLineEdit(parent) {
  setReadOnly(true);
  setFrame(framed);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Window));
  setPalette(palette);
  if (framed) {
    // The style's frame turns to the highlight colour with the focus, and
    // a style sheet's panel takes its background from the sheet alone.
    setStyleSheet(QStringLiteral(
        "QLineEdit { border: 1px solid palette(mid); background: palette(window); }"));
  } else {
    // Text at the top edge, as the labels beside it have theirs: their
    // baselines meet.
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextMargins(0, -1, 0, 0);
  }
}

void ValueField::SetValue(const QString& value) {
  m_value = value;
  ShowValue();
}

int ValueField::TextRoom() const {
  QStyleOptionFrame option;
  initStyleOption(&option);
  const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
  const QMargins margins = textMargins();
  return contents.width() - margins.left() - margins.right() - 2 * kInnerMargin;
}

void ValueField::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  deselect();
}

void ValueField::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  ShowValue();
}

void ValueField::ShowValue() {
  const QString shown = WithFigureSpaces(m_value);
  const int room = TextRoom();
  const bool fits = fontMetrics().horizontalAdvance(shown) <= room;
  const QString text = fits ? shown : fontMetrics().elidedText(shown, Qt::ElideRight, room);
  setToolTip(fits ? QString() : m_value);
  if (this->text() != text) {
    setText(text);
    setCursorPosition(0);
  }
}

}  // namespace kestrivane
