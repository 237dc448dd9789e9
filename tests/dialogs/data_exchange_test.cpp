// The data exchange on a small dialog: parsing, ranges, the standard
// messages, focus and selection on the refused field, and the stop.

#include "platform/data_exchange.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>

#include "tests/app/qt_test_support.h"
#include "tests/dialogs/dialog_test_support.h"

namespace kestrivane {
namespace {

using testing::MessageBoxRecorder;

constexpr ControlTemplate kFields[] = {
    {10, ControlKind::Edit, "", 0, 0, 40, 12, kTabStop},
    {11, ControlKind::Edit, "", 0, 14, 40, 12, kTabStop},
    {12, ControlKind::Edit, "", 0, 28, 40, 12, kTabStop},
};
constexpr DialogTemplate kTemplate = {999, "Fields", 60, 50, "MS Sans Serif", 8, 0, 0, kFields};

class DataExchangeTest : public ::testing::Test {
 protected:
  DataExchangeTest() {
    BuildDialog(&dialog, kTemplate);
    dialog.show();
  }
  QDialog dialog;
  MessageBoxRecorder boxes;
};

struct IntCase {
  const char* text;
  bool ok;
  int32_t value;
  const char* message;
};

TEST_F(DataExchangeTest, IntegerRangeReadsOrRefusesWithTheStandardMessage) {
  const IntCase cases[] = {
      {"1900", true, 1900, nullptr},
      {"2100", true, 2100, nullptr},
      {"  2000 ", true, 2000, nullptr},
      {"+1999", true, 1999, nullptr},
      {"1899", false, 0, "Please enter an integer between 1900 and 2100."},
      {"2101", false, 0, "Please enter an integer between 1900 and 2100."},
      {"-2000", false, 0, "Please enter an integer between 1900 and 2100."},
      {"", false, 0, "Please enter an integer."},
      {"20x0", false, 0, "Please enter an integer."},
      {"2000.5", false, 0, "Please enter an integer."},
      {"99999999999999999999999", false, 0, "Please enter an integer."},
  };
  for (const IntCase& c : cases) {
    SCOPED_TRACE(c.text);
    boxes.boxes.clear();
    testing::Type(dialog, 10, c.text);
    int32_t value = -7;
    CDataExchange dx(&dialog, true);
    dx.IntRange(10, value, 1900, 2100);
    EXPECT_EQ(dx.Failed(), !c.ok);
    if (c.ok) {
      EXPECT_EQ(value, c.value);
      EXPECT_TRUE(boxes.boxes.empty());
    } else {
      EXPECT_EQ(value, -7) << "a refused field keeps its working value";
      EXPECT_THAT(boxes.Texts(), ::testing::ElementsAre(c.message));
    }
  }
}

TEST_F(DataExchangeTest, UnsignedFieldsTakeAMinusSignAsOutOfRange) {
  testing::Type(dialog, 10, "-5");
  uint32_t value = 3;
  CDataExchange dx(&dialog, true);
  dx.IntRange(10, value, 0u, 59u);
  EXPECT_TRUE(dx.Failed());
  EXPECT_EQ(value, 3u);
  EXPECT_THAT(boxes.Texts(), ::testing::ElementsAre("Please enter an integer between 0 and 59."));
}

struct NumberCase {
  const char* text;
  bool ok;
  double value;
  const char* message;
};

TEST_F(DataExchangeTest, NumbersIgnoreTheLocaleAndRefuseNonFiniteText) {
  const NumberCase cases[] = {
      {"5.5", true, 5.5, nullptr},
      {"-12", true, -12.0, nullptr},
      {"14", true, 14.0, nullptr},
      {" 1e1 ", true, 10.0, nullptr},
      {"14.01", false, 0, "Please enter a number between -12 and 14."},
      {"-12.5", false, 0, "Please enter a number between -12 and 14."},
      {"5,5", false, 0, "Please enter a number."},
      {"nan", false, 0, "Please enter a number."},
      {"inf", false, 0, "Please enter a number."},
      {"0x10", false, 0, "Please enter a number."},
      {"", false, 0, "Please enter a number."},
  };
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(c.text);
    boxes.boxes.clear();
    testing::Type(dialog, 11, c.text);
    double value = 99.0;
    CDataExchange dx(&dialog, true);
    dx.DoubleRange(11, value, -12.0, 14.0);
    EXPECT_EQ(dx.Failed(), !c.ok);
    EXPECT_EQ(value, c.ok ? c.value : 99.0);
    if (!c.ok) {
      EXPECT_THAT(boxes.Texts(), ::testing::ElementsAre(c.message));
    }
  }
}

TEST_F(DataExchangeTest, FirstBadFieldShowsOneMessageTakesFocusAndStopsTheRead) {
  testing::Type(dialog, 10, "7");
  testing::Type(dialog, 11, "abc");
  testing::Type(dialog, 12, "also bad");
  int32_t first = 0, second = 0, third = 0;
  CDataExchange dx(&dialog, true);
  dx.Int(10, first);
  dx.Int(11, second);
  dx.Int(12, third);
  EXPECT_TRUE(dx.Failed());
  EXPECT_EQ(first, 7) << "fields before the bad one are read";
  EXPECT_THAT(boxes.Texts(), ::testing::ElementsAre("Please enter an integer."));
  auto* bad = testing::Control<QLineEdit>(dialog, 11);
  EXPECT_EQ(dialog.focusWidget(), bad);
  EXPECT_EQ(bad->selectedText(), QStringLiteral("abc"));
}

TEST_F(DataExchangeTest, WritingFormatsNumbersWithoutTheLocale) {
  int32_t altitude = 550;
  uint32_t minutes = 7;
  double zone = 5.5;
  CDataExchange dx(&dialog, false);
  dx.Int(10, altitude);
  dx.IntRange(11, minutes, 0u, 59u);
  dx.Double(12, zone);
  EXPECT_EQ(testing::Text(dialog, 10), "550");
  EXPECT_EQ(testing::Text(dialog, 11), "7");
  EXPECT_EQ(testing::Text(dialog, 12), "5.5");
  EXPECT_EQ(FormatDouble(-12.0), "-12");
  EXPECT_EQ(FormatDouble(-11.9), "-11.9");
  EXPECT_TRUE(boxes.boxes.empty());
}

}  // namespace
}  // namespace kestrivane
