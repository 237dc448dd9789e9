#include "platform/data_exchange.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>
#include <utility>

#include "platform/dialog_builder.h"
#include "platform/message_box.h"
#include "platform/translations.h"
#include "resources/shown_text.h"

namespace kestrivane {

namespace {

std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n\v\f";
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

bool ParseInteger(std::string_view text, int64_t& out) {
  text = Trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, out);
  return ec == std::errc() && ptr == end;
}

bool ParseNumber(std::string_view text, double& out) {
  text = Trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  // from_chars also takes "inf", "nan" and hex digits; only plain decimals here.
  for (char c : text) {
    if (!((c >= '0' && c <= '9') || c == '.' || c == ',' || c == '-' || c == 'e' || c == 'E')) {
      return false;
    }
  }
  // Where the decimal mark is a comma, users type "5,5": the first comma
  // reads as the point when there is none; any other comma stays malformed.
  std::string decimal(text);
  const size_t comma = decimal.find(',');
  if (comma != std::string::npos && decimal.find('.') == std::string::npos) decimal[comma] = '.';
  const char* end = decimal.data() + decimal.size();
  const auto [ptr, ec] = std::from_chars(decimal.data(), end, out);
  return ec == std::errc() && ptr == end && std::isfinite(out);
}

QAbstractButton* ButtonAt(const QWidget* dialog, int id) {
  return qobject_cast<QAbstractButton*>(FindControl(dialog, id));
}

// `between` ("... between %1 and %2.") in the user's language.
std::string RangeMessage(const char* between, std::string min, std::string max) {
  return FillShown(between, TranslatedText("Message", between), {std::move(min), std::move(max)});
}

}  // namespace

std::string FormatDouble(double value) {
  char buffer[64];
  const auto [ptr, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  if (ec != std::errc()) return "0";
  return std::string(buffer, ptr);
}

std::string IntRangeMessage(int64_t min, int64_t max) {
  return RangeMessage(KV_TRANSLATE_NOOP("Message", "Please enter an integer between %1 and %2."),
                      std::to_string(min), std::to_string(max));
}

std::string DoubleRangeMessage(double min, double max) {
  return RangeMessage(KV_TRANSLATE_NOOP("Message", "Please enter a number between %1 and %2."),
                      FormatDouble(min), FormatDouble(max));
}

CDataExchange::CDataExchange(QWidget* dialog, bool saveAndValidate, bool quiet)
    : m_pDialog(dialog), m_bSaveAndValidate(saveAndValidate), m_bQuiet(quiet) {}

void CDataExchange::Fail(int id, const std::string& message) {
  if (m_bFailed) return;
  m_bFailed = true;
  if (m_bQuiet) return;
  ShowMessageBox(m_pDialog, message);
  QWidget* control = FindControl(m_pDialog, id);
  if (control == nullptr) return;
  control->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
}

void CDataExchange::Text(int id, std::string& value) {
  if (Skip()) return;
  if (m_bSaveAndValidate) {
    value = GetControlText(m_pDialog, id);
  } else {
    SetControlText(m_pDialog, id, value);
  }
}

bool CDataExchange::ReadInteger(int id, int64_t& out) {
  if (!ParseInteger(GetControlText(m_pDialog, id), out)) {
    Fail(id, kParseIntMessage);
    return false;
  }
  return true;
}

bool CDataExchange::ReadNumber(int id, double& out) {
  if (!ParseNumber(GetControlText(m_pDialog, id), out)) {
    Fail(id, kParseNumberMessage);
    return false;
  }
  return true;
}

template <typename T>
void CDataExchange::ExchangeInteger(int id, T& value, int64_t min, int64_t max,
                                    const std::string& outOfRange) {
  if (Skip()) return;
  if (!m_bSaveAndValidate) {
    SetControlText(m_pDialog, id, std::to_string(value));
    return;
  }
  // A minus sign in an unsigned field is a number out of range, not a
  // malformed one.
  int64_t read = 0;
  if (!ReadInteger(id, read)) return;
  if (read < min || read > max) {
    Fail(id, outOfRange);
    return;
  }
  value = static_cast<T>(read);
}

void CDataExchange::Int(int id, int32_t& value) {
  ExchangeInteger(id, value, INT32_MIN, INT32_MAX, kParseIntMessage);
}

void CDataExchange::IntRange(int id, int32_t& value, int32_t min, int32_t max) {
  ExchangeInteger(id, value, min, max, IntRangeMessage(min, max));
}

void CDataExchange::IntRange(int id, uint32_t& value, uint32_t min, uint32_t max) {
  ExchangeInteger(id, value, min, max, IntRangeMessage(min, max));
}

void CDataExchange::Double(int id, double& value) {
  if (Skip()) return;
  if (!m_bSaveAndValidate) {
    SetControlText(m_pDialog, id, FormatDouble(value));
    return;
  }
  double read = 0.0;
  if (ReadNumber(id, read)) value = read;
}

void CDataExchange::DoubleRange(int id, double& value, double min, double max) {
  if (Skip()) return;
  if (!m_bSaveAndValidate) {
    SetControlText(m_pDialog, id, FormatDouble(value));
    return;
  }
  double read = 0.0;
  if (!ReadNumber(id, read)) return;
  if (read < min || read > max) {
    Fail(id, DoubleRangeMessage(min, max));
    return;
  }
  value = read;
}

void CDataExchange::Check(int id, int32_t& value) {
  if (Skip()) return;
  QAbstractButton* button = ButtonAt(m_pDialog, id);
  if (button == nullptr) return;
  if (m_bSaveAndValidate) {
    value = button->isChecked() ? 1 : 0;
  } else {
    button->setChecked(value != 0);
  }
}

void CDataExchange::Radio(int firstId, int32_t& value) {
  if (Skip()) return;
  QAbstractButton* first = ButtonAt(m_pDialog, firstId);
  if (first == nullptr) return;
  QButtonGroup* group = first->group();
  const QList<QAbstractButton*> buttons =
      group != nullptr ? group->buttons() : QList<QAbstractButton*>{first};
  if (m_bSaveAndValidate) {
    value = -1;
    for (qsizetype i = 0; i < buttons.size(); ++i) {
      if (buttons[i]->isChecked()) {
        value = static_cast<int32_t>(i);
        break;
      }
    }
    return;
  }
  // An exclusive group refuses to uncheck its last button; lift that briefly.
  const bool exclusive = group != nullptr && group->exclusive();
  if (exclusive) group->setExclusive(false);
  for (qsizetype i = 0; i < buttons.size(); ++i) buttons[i]->setChecked(i == value);
  if (exclusive) group->setExclusive(true);
}

void CDataExchange::ListIndex(int id, int32_t& value) {
  if (Skip()) return;
  QWidget* control = FindControl(m_pDialog, id);
  if (auto* combo = qobject_cast<QComboBox*>(control)) {
    if (m_bSaveAndValidate) {
      value = combo->currentIndex();
    } else {
      combo->setCurrentIndex(value >= 0 && value < combo->count() ? value : -1);
    }
  } else if (auto* list = qobject_cast<QListWidget*>(control)) {
    if (m_bSaveAndValidate) {
      const QList<QListWidgetItem*> selected = list->selectedItems();
      value = selected.isEmpty() ? -1 : list->row(selected.front());
    } else {
      list->clearSelection();
      if (value >= 0 && value < list->count()) list->setCurrentRow(value);
    }
  }
}

}  // namespace kestrivane
