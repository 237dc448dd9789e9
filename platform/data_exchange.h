#pragma once
// Data exchange between a dialog's working values and its controls, found by
// numeric id (platform/dialog_builder.h). One call per field, in the order
// the dialog reads its fields:
//
//   CDataExchange dx(this, /*saveAndValidate=*/true);
//   dx.Text(1034, m_strCity);
//   dx.IntRange(1083, m_nLatMinutes, 0u, 59u);
//   dx.DoubleRange(1015, m_dTimeZone, -12.0, 14.0);
//   if (dx.Failed()) return;  // message shown, field focused
//
// With saveAndValidate false the values are written to the controls and
// nothing can fail. With true the controls are read back: the first bad
// field shows its standard message once ("Please enter an integer.",
// "Please enter an integer between 1900 and 2100.", "Please enter a number.",
// "Please enter a number between -12 and 14."), gets the focus with its text
// selected, and every later call does nothing. Values read before the bad
// field keep what was read; the bad field's value and later ones are left
// alone.
//
// Numbers are parsed and formatted independently of the locale: decimal
// point '.' (a single decimal comma, "5,5", is read as the point), blanks
// around the number allowed, nothing else after it.

#include <cstdint>
#include <string>

#include "resources/translate_noop.h"

class QWidget;

namespace kestrivane {

class CDataExchange {
 public:
  // `quiet`: a refused field only ends the read, with no message and no
  // focus moved (a dialog checking its fields as the user types).
  CDataExchange(QWidget* dialog, bool saveAndValidate, bool quiet = false);

  bool SaveAndValidate() const { return m_bSaveAndValidate; }
  // True once a field was refused; the read is over.
  bool Failed() const { return m_bFailed; }

  // Edit, label or button text, unchecked.
  void Text(int id, std::string& value);

  // Signed integer, any value of the type.
  void Int(int id, int32_t& value);
  // Integer from min to max, both included.
  void IntRange(int id, int32_t& value, int32_t min, int32_t max);
  void IntRange(int id, uint32_t& value, uint32_t min, uint32_t max);

  // Decimal number; written with up to 15 significant digits.
  void Double(int id, double& value);
  void DoubleRange(int id, double& value, double min, double max);

  // Check box: 1 checked, 0 not.
  void Check(int id, int32_t& value);
  // Radio group starting at `firstId` (its exclusive group): index of the
  // checked button, -1 when none; writing -1 or an unknown index unchecks all.
  void Radio(int firstId, int32_t& value);
  // Drop-down or list box: the selected index, -1 when none.
  void ListIndex(int id, int32_t& value);

  // Refuses the field `id` with `message`: shown once, focus and selection
  // moved there, the read stopped.
  void Fail(int id, const std::string& message);

 private:
  bool Skip() const { return m_bFailed; }
  // Reads a whole number; false (with the message shown) when malformed.
  bool ReadInteger(int id, int64_t& out);
  // Both directions of an integer field; a value read outside min..max
  // fails with `outOfRange`.
  template <typename T>
  void ExchangeInteger(int id, T& value, int64_t min, int64_t max, const std::string& outOfRange);
  bool ReadNumber(int id, double& out);

  QWidget* m_pDialog;
  bool m_bSaveAndValidate;
  bool m_bQuiet;
  bool m_bFailed = false;
};

// The texts the exchange shows and writes, for tests and for callers that
// validate on their own.
std::string IntRangeMessage(int64_t min, int64_t max);
std::string DoubleRangeMessage(double min, double max);
inline constexpr const char* kParseIntMessage =
    KV_TRANSLATE_NOOP("Message", "Please enter an integer.");
inline constexpr const char* kParseNumberMessage =
    KV_TRANSLATE_NOOP("Message", "Please enter a number.");
// "%.15g" without the locale: 5.5 -> "5.5", -12 -> "-12".
std::string FormatDouble(double value);

}  // namespace kestrivane
