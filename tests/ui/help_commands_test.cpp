// Help > Korain Manual: the first page found handed to the browser, or a message saying why not.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/manual_browser.h"
#include "ui_test_support.h"

namespace korain::testing {
namespace {

class HelpManual : public MainWindowTest {
 protected:
  // Presses F1 with a browser that records the page and answers `opens`.
  void pressF1(const QStringList& pages, bool opens) {
    window_.setManualBrowser({.pages = pages, .open = [this, opens](const QUrl& url) {
                                opened.push_back(url);
                                return opens;
                              }});
    QTest::keyClick(&window_, Qt::Key_F1);
  }
  QString page() { return QString::fromStdString(scratch_.file("index.html")); }
  void writePage() { writeFile(page().toStdString(), "<html></html>"); }

  std::vector<QUrl> opened;
};

// The Help menu's item, on F1.
TEST_F(HelpManual, OpensTheFirstPageThatExists) {
  EXPECT_EQ(action("ME_Manual").text(), "Korain &Manual");
  writePage();
  pressF1({page() + ".none", page()}, true);
  ASSERT_EQ(opened.size(), 1U);
  EXPECT_EQ(opened.front(), QUrl::fromLocalFile(page()));
  EXPECT_TRUE(prompt_.messages.empty());
}

TEST_F(HelpManual, SaysWhyWhenNothingOpens) {
  const struct {
    bool installed;
    bool opens;
    const char* said;
  } kCases[] = {{false, true, "is not installed"}, {true, false, "could not be opened"}};
  for (const auto& c : kCases) {
    if (c.installed) writePage();
    prompt_.messages.clear();
    pressF1({page()}, c.opens);
    ASSERT_EQ(prompt_.messages.size(), 1U) << c.said;
    EXPECT_NE(prompt_.messages.front().find(c.said), std::string::npos) << prompt_.messages.front();
  }
}

}  // namespace
}  // namespace korain::testing
