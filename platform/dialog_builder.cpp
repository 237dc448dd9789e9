#include "platform/dialog_builder.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QToolButton>
#include <QWhatsThis>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "platform/app_icons.h"
#include "platform/value_combo_box.h"
#include "platform/value_field.h"
#include "resources/string_table.h"

namespace kestrivane {

namespace {

QString Utf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Rounds value * numerator / denominator to the nearest integer (MulDiv).
int MulDiv(int value, int numerator, int denominator) {
  return static_cast<int>(
      std::lround(static_cast<double>(value) * numerator / static_cast<double>(denominator)));
}

Qt::FocusPolicy FocusOf(const ControlTemplate& control) {
  return (control.style & kTabStop) ? Qt::StrongFocus : Qt::ClickFocus;
}

// Template texts are messages of one context each for dialogs, menus and
// the string table; without a translation they stay as they are.
QString Translated(const char* context, const char* text) {
  return *text == '\0' ? QString() : QCoreApplication::translate(context, text);
}

// Right-to-left windows show the template mirrored: x -> width - x - w.
void MirrorChildren(QWidget* dialog, int width) {
  const QRect whole(0, 0, width, dialog->height());
  for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    child->setGeometry(QStyle::visualRect(Qt::RightToLeft, whole, child->geometry()));
  }
}

QWidget* CreateControl(QWidget* dialog, const ControlTemplate& control, QButtonGroup*& radioGroup) {
  // An icon's caption names the icon.
  const QString caption = control.kind == ControlKind::Icon ? QString::fromLatin1(control.caption)
                                                            : Translated("Dialog", control.caption);
  if (control.kind != ControlKind::RadioButton) radioGroup = nullptr;
  switch (control.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
      auto* button = new QPushButton(caption, dialog);
      button->setAutoDefault(false);
      if (control.kind == ControlKind::DefPushButton) button->setDefault(true);
      button->setFocusPolicy((control.style & kTabStop) ? Qt::StrongFocus : Qt::ClickFocus);
      return button;
    }
    case ControlKind::Label: {
      auto* label = new QLabel(caption, dialog);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case ControlKind::Edit: {
      if (control.style & kMultiline) {
        auto* view = new QPlainTextEdit(caption, dialog);
        view->setReadOnly((control.style & kReadOnly) != 0);
        view->setLineWrapMode(QPlainTextEdit::NoWrap);
        view->setFocusPolicy(FocusOf(control));
        return view;
      }
      if (control.style & kReadOnly) {
        auto* field = new ValueField((control.style & kNoBorder) == 0, dialog);
        field->SetValue(caption);
        if (control.style & kCenter) {
          field->setAlignment((field->alignment() & ~Qt::AlignHorizontal_Mask) | Qt::AlignHCenter);
        }
        field->setFocusPolicy(FocusOf(control));
        return field;
      }
      auto* edit = new QLineEdit(caption, dialog);
      if (control.style & kNumber) {
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
      }
      edit->setFrame((control.style & kNoBorder) == 0);
      if (control.style & kCenter) edit->setAlignment(Qt::AlignCenter);
      edit->setFocusPolicy(FocusOf(control));
      return edit;
    }
    case ControlKind::GroupBox: {
      // The platform's group box: the frame's top line runs through the
      // middle of the title, which sits on the line near the left end.
      auto* group = new QGroupBox(caption, dialog);
      const int half = QFontMetrics(dialog->font()).height() / 2;
      group->setStyleSheet(
          QStringLiteral("QGroupBox { border: 1px solid palette(mid); margin-top: %1px; }"
                         "QGroupBox::title { subcontrol-origin: margin; left: 6px;"
                         " background-color: palette(window); }")
              .arg(half));
      return group;
    }
    case ControlKind::Icon: {
      auto* label = new QLabel(dialog);
      label->setPixmap(LoadAppIcon(caption.toInt()).pixmap(32, 32));
      return label;
    }
    case ControlKind::CheckBox: {
      auto* box = new QCheckBox(caption, dialog);
      box->setFocusPolicy(FocusOf(control));
      return box;
    }
    case ControlKind::RadioButton: {
      // Consecutive radio buttons form one exclusive group until a kGroup.
      if (radioGroup == nullptr || (control.style & kGroup)) {
        radioGroup = new QButtonGroup(dialog);
        radioGroup->setExclusive(true);
      }
      auto* radio = new QRadioButton(caption, dialog);
      radio->setAutoExclusive(false);
      radioGroup->addButton(radio);
      radio->setFocusPolicy(FocusOf(control));
      return radio;
    }
    case ControlKind::ComboBox: {
      auto* combo = new ValueComboBox(dialog);
      combo->setEditable(false);
      combo->setFocusPolicy(FocusOf(control));
      return combo;
    }
    case ControlKind::ListBox: {
      auto* list = new QListWidget(dialog);
      list->setSortingEnabled((control.style & kSort) != 0);
      list->setSelectionMode((control.style & kMultiSelect) ? QAbstractItemView::ExtendedSelection
                                                            : QAbstractItemView::SingleSelection);
      list->setFocusPolicy(FocusOf(control));
      return list;
    }
  }
  return nullptr;
}

// Title bar as the template's style says: a caption, never minimize or
// maximize boxes (no template has them), and a close button, which Linux
// window managers give every window; WS_EX_APPWINDOW makes a top-level
// window with a taskbar entry.
void ApplyWindowStyle(QWidget* dialog, uint32_t style) {
  Qt::WindowFlags flags = (style & kDialogAppWindow) ? Qt::Window : Qt::Dialog;
  flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
  if (style & kDialogSystemMenu) flags |= Qt::WindowSystemMenuHint;
  dialog->setWindowFlags(flags);
  dialog->setWindowIcon(LoadAppIcon(IDR_MAINFRAME));
}

// Linux title bars have no help button: a small "?" in the dialog starts the
// what's-this mode, at the free place nearest the top right corner; a dialog
// without one grows by a column for it.
void AddContextHelpButton(QWidget* dialog, QSize& size, const DialogBaseUnits& units) {
  const int side = units.charHeight + 4;
  const int margin = 3;
  QList<QRect> taken;
  for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    taken.append(child->geometry().adjusted(-margin, -margin, margin, margin));
  }
  const auto isFree = [&](const QRect& place) {
    return std::none_of(taken.begin(), taken.end(),
                        [&](const QRect& r) { return r.intersects(place); });
  };
  QRect best;
  int bestDistance = std::numeric_limits<int>::max();
  for (int y = margin; y + side + margin <= size.height(); y += 2) {
    for (int x = size.width() - side - margin; x >= margin; x -= 2) {
      const QRect place(x, y, side, side);
      const int distance = (size.width() - place.right()) + y;
      if (distance < bestDistance && isFree(place)) {
        best = place;
        bestDistance = distance;
      }
    }
  }
  if (best.isNull()) {
    best = QRect(size.width(), margin, side, side);
    size.rwidth() += side + margin;
  }
  // Beside a row of buttons it sits on their middle line, as one of them.
  const QWidget* neighbour = nullptr;
  for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const QRect g = child->geometry();
    const bool sameRow = g.top() <= best.bottom() + margin && g.bottom() >= best.top() - margin;
    const auto gap = [&](const QRect& r) { return std::abs(r.center().x() - best.center().x()); };
    if (sameRow && (!neighbour || gap(g) < gap(neighbour->geometry()))) neighbour = child;
  }
  if (neighbour) {
    const QRect centred =
        best.translated(0, neighbour->geometry().center().y() - best.center().y());
    if (isFree(centred)) best = centred;
  }
  auto* button = new QToolButton(dialog);
  button->setObjectName(QLatin1String(kContextHelpButtonName));
  button->setText(QStringLiteral("?"));
  button->setToolTip(QCoreApplication::translate("Dialog", "What's This? (Shift+F1)"));
  button->setFocusPolicy(Qt::NoFocus);
  button->setGeometry(best);
  QObject::connect(button, &QToolButton::clicked, [] { QWhatsThis::enterWhatsThisMode(); });
}

// The label just above `field` that starts where it does (within `slack`
// pixels): the field's column heading.
QLabel* HeadingOf(const QWidget* dialog, const QWidget* field, int slack) {
  QLabel* heading = nullptr;
  for (QLabel* label : dialog->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    const QRect place = label->geometry();
    if (std::abs(place.x() - field->x()) > slack || place.bottom() >= field->y()) continue;
    if (heading == nullptr || place.bottom() > heading->geometry().bottom()) heading = label;
  }
  return heading;
}

}  // namespace

// The templates' face, for the translators: see DialogFont.
[[maybe_unused]] constexpr const char* kTemplateFace = QT_TRANSLATE_NOOP("Font", "MS Sans Serif");

QFont DialogFont(const DialogTemplate& dialogTemplate) {
  QFont font(QString::fromLatin1(dialogTemplate.fontName));
  font.setStyleHint(QFont::SansSerif);
  // A translation names the face its script needs first: the faces that
  // stand in for the template's may lack letters (Urdu's heh goal), and a
  // letter taken from another face breaks the word's joins.
  const QString scriptFace = QCoreApplication::translate("Font", dialogTemplate.fontName);
  if (scriptFace != font.family()) font.setFamilies({scriptFace, font.family()});
  font.setPointSize(dialogTemplate.pointSize);
  return font;
}

DialogBaseUnits BaseUnitsOf(const QFont& font) {
  // The platform's own measure: the mean width of the 52 letters, rounded.
  const QFontMetrics metrics(font);
  const int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return DialogBaseUnits{(letters / 26 + 1) / 2, metrics.height()};
}

QRect MapDialogRect(const QRect& dialogUnits, const DialogBaseUnits& units) {
  const int left = MulDiv(dialogUnits.left(), units.averageCharWidth, 4);
  const int top = MulDiv(dialogUnits.top(), units.charHeight, 8);
  const int right = MulDiv(dialogUnits.left() + dialogUnits.width(), units.averageCharWidth, 4);
  const int bottom = MulDiv(dialogUnits.top() + dialogUnits.height(), units.charHeight, 8);
  return QRect(left, top, right - left, bottom - top);
}

void BuildDialog(QWidget* dialog, const DialogTemplate& dialogTemplate, int topOffset) {
  const QFont font = DialogFont(dialogTemplate);
  dialog->setFont(font);
  dialog->setWindowTitle(Translated("Dialog", dialogTemplate.caption));
  ApplyWindowStyle(dialog, dialogTemplate.style);
  const DialogBaseUnits units = BaseUnitsOf(font);
  QButtonGroup* radioGroup = nullptr;
  for (const ControlTemplate& control : dialogTemplate.controls) {
    QWidget* widget = CreateControl(dialog, control, radioGroup);
    if (widget == nullptr) continue;
    widget->setProperty(kControlIdProperty, control.id);
    if (control.style & kDisabled) widget->setEnabled(false);
    QRect rect = MapDialogRect(QRect(control.x, control.y, control.width, control.height), units);
    if (control.kind == ControlKind::Icon) rect.setSize(QSize(32, 32));
    rect.translate(0, topOffset);
    widget->setGeometry(rect);
  }
  const QRect client =
      MapDialogRect(QRect(0, 0, dialogTemplate.width, dialogTemplate.height), units);
  QSize size(client.width(), client.height() + topOffset);
  if (dialogTemplate.style & kDialogContextHelp) AddContextHelpButton(dialog, size, units);
  if (dialog->isRightToLeft()) MirrorChildren(dialog, size.width());
  dialog->setFixedSize(size);
}

namespace {

// FitRow on a row laid out left to right.
void FitRowLeftToRight(QWidget* dialog, const std::vector<RowField>& row) {
  struct Column {
    ValueField* field;
    QLabel* heading;
    int need;         // the field's width
    int headingNeed;  // the heading's text and a gap after it
    bool elides;
  };
  const QFontMetrics metrics(dialog->font());
  const int gap = BaseUnitsOf(dialog->font()).averageCharWidth;
  std::vector<Column> columns;
  for (const RowField& rowField : row) {
    auto* field = dynamic_cast<ValueField*>(FindControl(dialog, rowField.id));
    if (field == nullptr) return;
    Column column{field, HeadingOf(dialog, field, gap), field->width(), 0,
                  rowField.widest.isEmpty()};
    for (const QString& value : rowField.widest) {
      column.need = std::max(column.need,
                             metrics.horizontalAdvance(value) + field->width() - field->TextRoom());
    }
    if (column.heading != nullptr) {
      column.headingNeed = metrics.horizontalAdvance(column.heading->text()) + gap;
    }
    columns.push_back(column);
  }
  if (columns.empty()) return;
  std::sort(columns.begin(), columns.end(),
            [](const Column& a, const Column& b) { return a.field->x() < b.field->x(); });
  // The row ends as far from its group box's right edge as it starts from the left.
  const QRect first = columns.front().field->geometry();
  int right = dialog->width();
  for (QGroupBox* group : dialog->findChildren<QGroupBox*>()) {
    if (group->geometry().contains(first))
      right = group->geometry().right() + 1 - (first.x() - group->x());
  }
  const size_t count = columns.size();
  std::vector<int> lefts(count);
  const auto layOut = [&](bool keepPlaces) {
    lefts[0] = first.x();
    for (size_t i = 1; i < count; ++i) {
      const Column& before = columns[i - 1];
      const int templateGap = columns[i].field->x() - before.field->geometry().right() - 1;
      const int after = lefts[i - 1] + std::max(before.need + templateGap, before.headingNeed);
      lefts[i] = keepPlaces ? std::max(columns[i].field->x(), after) : after;
    }
    return lefts.back() + std::max(columns.back().need, columns.back().headingNeed - gap);
  };
  const int overrun = layOut(true) - right;
  const auto eliding =
      std::count_if(columns.begin(), columns.end(), [](const Column& c) { return c.elides; });
  if (overrun > 0 && eliding > 0) {
    // Fields whose values elide anyway give the room up.
    const int share = static_cast<int>((overrun + eliding - 1) / eliding);
    for (Column& column : columns) {
      if (column.elides) column.need = std::max(column.headingNeed, column.need - share);
    }
    layOut(false);
  }
  for (size_t i = 0; i < count; ++i) {
    Column& column = columns[i];
    const int shift = lefts[i] - column.field->x();
    // The heading holds its whole text: mirrored, the text starts at the
    // label's far edge, which must then be where the field's is.
    if (column.heading != nullptr) {
      const QRect place = column.heading->geometry();
      column.heading->setGeometry(place.x() + shift, place.y(),
                                  std::max(place.width(), column.headingNeed - gap),
                                  place.height());
    }
    column.field->setGeometry(lefts[i], column.field->y(), column.need, column.field->height());
    column.field->SetValue(column.field->Value());
  }
}

}  // namespace

void FitRow(QWidget* dialog, const std::vector<RowField>& row) {
  // A right-to-left window's row is fitted in the template's own places,
  // where each heading starts where its field does, and mirrored back.
  const bool mirrored = dialog->isRightToLeft();
  if (mirrored) MirrorChildren(dialog, dialog->width());
  FitRowLeftToRight(dialog, row);
  if (mirrored) MirrorChildren(dialog, dialog->width());
}

QMenuBar* BuildMenuBar(QWidget* parent, const MenuTemplate& menu,
                       const std::function<void(int commandId)>& onCommand) {
  auto* bar = new QMenuBar(parent);
  for (const MenuPopupTemplate& popup : menu.popups) {
    QMenu* qmenu = bar->addMenu(Translated("Menu", popup.text));
    for (const MenuItemTemplate& item : popup.items) {
      if (item.text == nullptr) {
        qmenu->addSeparator();
        continue;
      }
      QAction* action = qmenu->addAction(Translated("Menu", item.text));
      action->setProperty(kCommandIdProperty, item.commandId);
      action->setCheckable(item.checkable);
      const QString prompt = Translated("Strings", LoadString(item.commandId));
      if (!prompt.isEmpty()) action->setStatusTip(prompt.section('\n', 0, 0));
      const int id = item.commandId;
      QObject::connect(action, &QAction::triggered, parent, [onCommand, id] { onCommand(id); });
    }
  }
  return bar;
}

QWidget* FindControl(const QWidget* dialog, int id) {
  for (QWidget* child : dialog->findChildren<QWidget*>()) {
    const QVariant value = child->property(kControlIdProperty);
    if (value.isValid() && value.toInt() == id) return child;
  }
  return nullptr;
}

void SetControlText(const QWidget* dialog, int id, const std::string& text) {
  QWidget* control = FindControl(dialog, id);
  if (auto* field = dynamic_cast<ValueField*>(control)) {
    field->SetValue(Utf8(text));
  } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    if (edit->text() != Utf8(text)) {
      edit->setText(Utf8(text));
      edit->setCursorPosition(0);
    }
  } else if (auto* view = qobject_cast<QPlainTextEdit*>(control)) {
    view->setPlainText(Utf8(text));
  } else if (auto* label = qobject_cast<QLabel*>(control)) {
    label->setText(Utf8(text));
  } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    button->setText(Utf8(text));
  }
}

std::string GetControlText(const QWidget* dialog, int id) {
  QWidget* control = FindControl(dialog, id);
  QString text;
  if (auto* field = dynamic_cast<ValueField*>(control)) {
    text = field->Value();
  } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    text = edit->text();
  } else if (auto* view = qobject_cast<QPlainTextEdit*>(control)) {
    text = view->toPlainText();
  } else if (auto* label = qobject_cast<QLabel*>(control)) {
    text = label->text();
  } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    text = button->text();
  }
  return text.toStdString();
}

}  // namespace kestrivane
