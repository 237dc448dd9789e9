#include "platform/dialog_builder.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
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
#include <QWidget>
#include <cmath>
#include <string_view>

#include "platform/app_icons.h"
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

QWidget* CreateControl(QWidget* dialog, const ControlTemplate& control, QButtonGroup*& radioGroup) {
  const QString caption = QString::fromLatin1(control.caption);
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
      auto* edit = new QLineEdit(caption, dialog);
      if (control.style & kNumber) {
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
      }
      edit->setReadOnly((control.style & kReadOnly) != 0);
      edit->setFrame((control.style & kNoBorder) == 0);
      if (control.style & kCenter) edit->setAlignment(Qt::AlignCenter);
      if (control.style & kNoBorder) {
        // A borderless read-only edit shows the dialog's own background.
        edit->setTextMargins(0, 0, 0, 0);
        edit->setContentsMargins(0, 0, 0, 0);
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        edit->setPalette(palette);
      }
      edit->setFocusPolicy((control.style & kTabStop) ? Qt::StrongFocus : Qt::ClickFocus);
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
      auto* combo = new QComboBox(dialog);
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

}  // namespace

QFont DialogFont(const DialogTemplate& dialogTemplate) {
  QFont font(QString::fromLatin1(dialogTemplate.fontName));
  font.setStyleHint(QFont::SansSerif);
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
  dialog->setWindowTitle(QString::fromLatin1(dialogTemplate.caption));
  if (dialogTemplate.style & kDialogContextHelp) {
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, true);
  }
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
  dialog->setFixedSize(client.width(), client.height() + topOffset);
}

QMenuBar* BuildMenuBar(QWidget* parent, const MenuTemplate& menu,
                       const std::function<void(int commandId)>& onCommand) {
  auto* bar = new QMenuBar(parent);
  for (const MenuPopupTemplate& popup : menu.popups) {
    QMenu* qmenu = bar->addMenu(QString::fromLatin1(popup.text));
    for (const MenuItemTemplate& item : popup.items) {
      if (item.text == nullptr) {
        qmenu->addSeparator();
        continue;
      }
      QAction* action = qmenu->addAction(QString::fromLatin1(item.text));
      action->setProperty(kCommandIdProperty, item.commandId);
      action->setCheckable(item.checkable);
      const std::string_view prompt = LoadString(item.commandId);
      if (!prompt.empty()) {
        const std::string_view status = prompt.substr(0, prompt.find('\n'));
        action->setStatusTip(
            QString::fromLatin1(status.data(), static_cast<qsizetype>(status.size())));
      }
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
  if (auto* edit = qobject_cast<QLineEdit*>(control)) {
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
  if (auto* edit = qobject_cast<QLineEdit*>(control)) {
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
