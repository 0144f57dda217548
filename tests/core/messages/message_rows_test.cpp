// The messages window's rows, filters, order and count, and every message of
// the latest computation gathered from the bulkheads and the message list.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages/message_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "messages/message_count.h"
#include "messages/message_list.h"

namespace korain {
namespace {

Message message(Severity severity, int bulkhead, std::string text) {
  return {.severity = severity, .bulkhead = bulkhead, .text = std::move(text)};
}

TEST(MessageRows, FilterAndOrderChooseAndArrangeTheMessages) {
  using enum Severity;
  const std::vector<Message> messages = {message(Warning, 1, "w0"), message(Error, 1, "e1"),
                                         message(Warning, 2, "c2"), message(Warning, 2, "w3"),
                                         message(Error, 3, "e4"),   message(Warning, 0, "told5")};
  struct Case {
    SeverityFilter filter;
    MessageOrder order;
    std::vector<std::size_t> places;
  };
  const Case cases[] = {
      {SeverityFilter::All, MessageOrder::ListOrder, {0, 1, 2, 3, 4, 5}},
      {SeverityFilter::All, MessageOrder::ErrorsFirst, {1, 4, 0, 2, 3, 5}},
      {SeverityFilter::Errors, MessageOrder::ErrorsFirst, {1, 4}},
      {SeverityFilter::Warnings, MessageOrder::ErrorsFirst, {0, 2, 3, 5}},
  };
  for (const Case& c : cases) {
    std::vector<std::size_t> places;
    for (const MessageRow& row : messageRows(messages, c.filter, c.order)) {
      places.push_back(row.message);
      const Message& shown = messages.at(row.message);
      EXPECT_EQ(row.text, shown.text);
      EXPECT_EQ(row.severity, severityText(shown.severity));
      EXPECT_EQ(row.bulkhead, shown.bulkhead > 0 ? std::to_string(shown.bulkhead) : "");
    }
    EXPECT_EQ(places, c.places) << static_cast<int>(c.filter) << static_cast<int>(c.order);
  }
}

TEST(MessageRows, TheObjectIsNamedByItsKindAndNumbers) {
  struct Case {
    int bulkhead;
    PanelCode kind;
    int index;
    int subIndex;
    const char* text;
  };
  const Case cases[] = {
      {1, PanelCode::Bulkhead, 0, 0, "Bulkhead"},
      {1, PanelCode::Nodes, 3, 0, "Node 3"},
      {1, PanelCode::PrimaryMembers, 2, 0, "Primary member 2"},
      {1, PanelCode::OrdinaryStiffeners, 14, 2, "Ordinary stiffener 14, span 2"},
      {1, PanelCode::Corrugation, 0, 0, "Corrugation"},
      {1, PanelCode::StrakeBands, 2, 0, "Strake band 2"},
      {1, PanelCode::StrakeBands, 2, 4, "Strake 4 of band 2"},
      {1, PanelCode::Compartments, 2, 0, "Aftward compartment"},
      {1, PanelCode::Compartments, 3, 0, "Compartment 3"},
      {0, PanelCode::Nodes, 3, 0, ""},  // about no bulkhead: no object either
  };
  for (const Case& c : cases) {
    const Message about{
        .bulkhead = c.bulkhead, .kind = c.kind, .index = c.index, .subIndex = c.subIndex};
    EXPECT_EQ(subjectText(about), c.text) << c.text;
  }
}

TEST(MessageCount, CountsEachSeverityAndSaysSoInWords) {
  using enum Severity;
  EXPECT_EQ(countMessages({message(Error, 1, "a"), message(Warning, 1, "b"),
                           message(Warning, 2, "c"), message(Error, 0, "d")}),
            (MessageCount{.errors = 2, .warnings = 2}));
  struct Case {
    MessageCount count;
    std::size_t leftOut;
    const char* text;
  };
  const Case cases[] = {
      {{}, 0, "0 errors, 0 warnings"},
      {{.errors = 1, .warnings = 1}, 0, "1 error, 1 warning"},
      {{.errors = 2, .warnings = 14}, 0, "2 errors, 14 warnings"},
      {{.errors = 1, .warnings = 44}, 5, "1 error, 44 warnings (5 not in the list)"},
  };
  for (const Case& c : cases) EXPECT_EQ(countText(c.count, c.leftOut), c.text);
}

// The list is filled as the editor fills it: the computation's messages, then
// what it was told after; the gathered messages must give back both, each on
// one line, however many the list had to drop.
TEST(LatestMessages, GivesEveryComputedMessageThenWhatTheListWasToldSince) {
  for (const int computedCount : {0, 1, 39, 41, 75}) {
    for (const int toldCount : {0, 3, 39, 45}) {
      std::vector<Message> computed;
      std::vector<Message> expected;
      MessageList list;
      for (int i = 0; i < computedCount; ++i) {
        computed.push_back(message(i % 7 == 0 ? Severity::Error : Severity::Warning, i % 5 + 1,
                                   "Bad\r" + std::to_string(i)));
        list.add(computed.back());
        expected.push_back(list.messages().back());
        EXPECT_EQ(expected.back().text, "Bad " + std::to_string(i));
      }
      for (int i = 0; i < toldCount; ++i) {
        list.add("Told ¤", {i});
        if (toldCount - i <= 40) expected.push_back(list.messages().back());
      }
      EXPECT_EQ(latestMessages(computed, list), expected) << computedCount << " " << toldCount;
    }
  }
}

}  // namespace
}  // namespace korain
