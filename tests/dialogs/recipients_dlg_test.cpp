// The Azan Recipients dialog: sorting, Add with its duplicate check, the
// default button, Remove with its selection, OK and Cancel.

#include "dialogs/recipients_dlg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>

#include "tests/app/qt_test_support.h"
#include "tests/dialogs/dialog_test_support.h"

namespace kestrivane {
namespace {

using testing::Click;
using ::testing::ElementsAre;
using testing::Enabled;

class RecipientsDlgTest : public ::testing::Test {
 protected:
  void Open(std::vector<std::string> names) {
    recipients = std::move(names);
    dialog = std::make_unique<CRecipientsDlg>(&recipients);
    dialog->show();
  }
  QListWidget* List() { return testing::Control<QListWidget>(*dialog, IDC_RECIPIENT_LIST); }
  QLineEdit* Name() { return testing::Control<QLineEdit>(*dialog, IDC_RECIPIENT_NAME); }
  std::vector<std::string> Items() {
    std::vector<std::string> items;
    for (int i = 0; i < List()->count(); ++i)
      items.push_back(List()->item(i)->text().toStdString());
    return items;
  }
  std::vector<int> SelectedRows() {
    std::vector<int> rows;
    for (int i = 0; i < List()->count(); ++i) {
      if (List()->item(i)->isSelected()) rows.push_back(i);
    }
    return rows;
  }
  bool IsDefault(int id) { return testing::Control<QPushButton>(*dialog, id)->isDefault(); }
  void Add(const char* name) {
    Name()->setText(QString::fromLatin1(name));
    Click(*dialog, IDC_ADD_RECIPIENT);
  }

  testing::TemporaryWorkingDirectory directory;
  testing::MessageBoxRecorder boxes;
  std::vector<std::string> recipients;
  std::unique_ptr<CRecipientsDlg> dialog;
};

TEST_F(RecipientsDlgTest, OpeningSortsWithoutRegardToCaseAndSelectsTheFirst) {
  Open({"zed", "Bilal", "adam", "ZAINAB"});
  EXPECT_THAT(Items(), ElementsAre("adam", "Bilal", "ZAINAB", "zed"));
  EXPECT_THAT(SelectedRows(), ElementsAre(0));
  EXPECT_TRUE(Enabled(*dialog, IDC_REMOVE_RECIPIENT));
  EXPECT_FALSE(Enabled(*dialog, IDC_ADD_RECIPIENT));
  EXPECT_EQ(dialog->focusWidget(), Name());
}

TEST_F(RecipientsDlgTest, AnEmptyListOpensWithRemoveDisabled) {
  Open({});
  EXPECT_FALSE(Enabled(*dialog, IDC_REMOVE_RECIPIENT));
  EXPECT_FALSE(Enabled(*dialog, IDC_ADD_RECIPIENT));
}

TEST_F(RecipientsDlgTest, TypingEnablesAddAsDefaultAndLettersBecomeCapitals) {
  Open({});
  Name()->insert(QStringLiteral("ahmed"));
  EXPECT_EQ(Name()->text(), QStringLiteral("AHMED"));
  EXPECT_TRUE(Enabled(*dialog, IDC_ADD_RECIPIENT));
  EXPECT_TRUE(IsDefault(IDC_ADD_RECIPIENT));
  EXPECT_FALSE(IsDefault(IDOK));
  Name()->clear();
  EXPECT_FALSE(Enabled(*dialog, IDC_ADD_RECIPIENT));
  EXPECT_TRUE(IsDefault(IDOK));
}

TEST_F(RecipientsDlgTest, AddInsertsInOrderSelectsItAndClearsTheField) {
  Open({"ADAM", "ZAID"});
  Add("MUSA");
  EXPECT_THAT(Items(), ElementsAre("ADAM", "MUSA", "ZAID"));
  EXPECT_THAT(SelectedRows(), ElementsAre(1));
  EXPECT_TRUE(Name()->text().isEmpty());
  EXPECT_FALSE(Enabled(*dialog, IDC_ADD_RECIPIENT));
  EXPECT_TRUE(IsDefault(IDOK));
  EXPECT_TRUE(dialog->m_bChanged);
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(RecipientsDlgTest, ANameDifferingOnlyInCaseIsADuplicate) {
  Open({"Musa"});
  Add("MUSA");
  EXPECT_THAT(boxes.Texts(), ElementsAre("This recipient is already in the list."));
  EXPECT_THAT(Items(), ElementsAre("Musa"));
  EXPECT_EQ(Name()->text(), QStringLiteral("MUSA")) << "the name stays in the field";
  EXPECT_EQ(dialog->focusWidget(), Name());
  EXPECT_FALSE(dialog->m_bChanged);
}

TEST_F(RecipientsDlgTest, RemoveDeletesTheSelectionAndSelectsTheNextItem) {
  struct Case {
    const char* name;
    std::vector<int> select;
    std::vector<std::string> left;
    std::vector<int> selected;
  };
  const Case cases[] = {
      {"items 1 and 3 of five", {1, 3}, {"A", "C", "E"}, {1}},
      {"the last item", {4}, {"A", "B", "C", "D"}, {3}},
      {"the first item", {0}, {"B", "C", "D", "E"}, {0}},
      {"nothing selected", {}, {"A", "B", "C", "D", "E"}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Open({"E", "D", "C", "B", "A"});
    List()->clearSelection();
    for (int row : c.select) List()->item(row)->setSelected(true);
    Click(*dialog, IDC_REMOVE_RECIPIENT);
    EXPECT_EQ(Items(), c.left);
    EXPECT_EQ(SelectedRows(), c.selected);
    EXPECT_TRUE(dialog->m_bChanged);
    EXPECT_TRUE(Enabled(*dialog, IDC_REMOVE_RECIPIENT));
  }
}

TEST_F(RecipientsDlgTest, RemovingEveryItemMakesAddTheDefaultAndDisablesRemove) {
  Open({"A", "B"});
  List()->selectAll();
  Click(*dialog, IDC_REMOVE_RECIPIENT);
  EXPECT_TRUE(Items().empty());
  EXPECT_FALSE(Enabled(*dialog, IDC_REMOVE_RECIPIENT));
  EXPECT_TRUE(IsDefault(IDC_ADD_RECIPIENT));
  EXPECT_EQ(dialog->focusWidget(), Name());
}

TEST_F(RecipientsDlgTest, OkStoresTheListInItsOrderAndDropsANameNotAdded) {
  Open({"zed", "Bilal"});
  Add("ADAM");
  Name()->setText(QStringLiteral("PENDING"));
  Click(*dialog, IDOK);
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_THAT(recipients, ElementsAre("ADAM", "Bilal", "zed"));
}

TEST_F(RecipientsDlgTest, CancelLeavesTheList) {
  Open({"zed", "Bilal"});
  Add("ADAM");
  Click(*dialog, IDCANCEL);
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_THAT(recipients, ElementsAre("zed", "Bilal"));
  EXPECT_TRUE(dialog->m_bChanged);
}

}  // namespace
}  // namespace kestrivane
