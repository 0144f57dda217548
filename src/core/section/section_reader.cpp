// Reads a hull section from a block of a database file: a loop that dispatches
// on banners, and one small reader per part of the block, which takes each
// line's values where the section's field tables place them.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/section_reader.h"

#include "io/block_framing.h"
#include "io/block_part_reader.h"
#include "io/compartment_record.h"
#include "io/database_texts.h"
#include "io/field_reader.h"
#include "io/line_cursor.h"
#include "io/node_line.h"
#include "io/text_file.h"
#include "io/zel_columns.h"
#include "io/zel_reader.h"
#include "section/section_fields.h"
#include "section/section_format.h"
#include "section/section_from_arrangement.h"
#include "text/format_message.h"
#include "text/string_table.h"
#include "text/text_utils.h"

namespace korain {
namespace {

constexpr Single kNotRead = -1;

class SectionReader : public BlockPartReader<SectionReader> {
 public:
  SectionReader(LineCursor& cursor, std::string_view fileName, Integer blockNumber,
                Section& section, SectionReadResult& result)
      : BlockPartReader(cursor, fileName, result.messages, blockNumber),
        s_(section),
        result_(result),
        texts_(DatabaseTexts::get()),
        sectionTexts_(SectionTexts::get()) {}

  // The cursor stands on the block's banner.
  void read() {
    if (dispatch() == PartEnd::Error) result_.status = SectionReadStatus::Stopped;
  }

 private:
  friend class BlockPartReader<SectionReader>;

  PartReader partOf(std::string_view banner) const {
    if (banner == texts_.blockBanner) return &SectionReader::readBlockNumber;
    if (banner == texts_.versionBanner) return &SectionReader::readVersion;
    if (banner == texts_.generalBanner) return &SectionReader::readGeneralData;
    if (banner == sectionTexts_.panelsBanner) return &SectionReader::readPanels;
    if (banner == texts_.nodesBanner) return &SectionReader::readNodes;
    if (banner == sectionTexts_.stiffenersBanner) return &SectionReader::readStiffeners;
    if (banner == sectionTexts_.strakesBanner) return &SectionReader::readStrakes;
    if (banner == sectionTexts_.girdersBanner) return &SectionReader::readGirders;
    if (banner == sectionTexts_.bracketsBanner) return &SectionReader::readBrackets;
    if (banner == kCutOutBanner) return &SectionReader::readCutOuts;
    if (banner == texts_.compartmentPartBanner) return &SectionReader::readCompartmentLineCount;
    if (banner == texts_.compartmentsBanner) return &SectionReader::readCompartments;
    return nullptr;
  }

  // ---- Values ------------------------------------------------------------

  // The panel that value 1 selects; nothing, with the message that ends the
  // reading, when there is no such panel.
  SectionPanel* selectedPanel() {
    const std::optional<int> i = fields_.index(1);
    if (i && s_.Panels.inBounds(*i)) return &s_.Panels.at(*i);
    fail("the panel number " + fields_.valueText(1) + " does not name one of the " +
         std::to_string(s_.Panels.count()) + " panels; the reading of the block stopped");
    return nullptr;
  }

  // A new element at the end of a list, or nothing, with the message that ends
  // the reading, when the list is full.
  template <typename T>
  T* appended(List<T>& list, std::string_view what) {
    if (list.count() < kMaxSectionListLength) return &list.append();
    fail("more than " + std::to_string(kMaxSectionListLength) + " " + std::string(what) +
         "; the reading of the block stopped");
    return nullptr;
  }

  // How many elements of `size` values a count at value `at` gives, at most
  // `limit`: nothing, with a message, when the count is not a number or beyond
  // the limit; fewer than the count, with a message, when the line is short.
  std::optional<int> elementCount(int at, int size, int limit, std::string_view what) {
    Long count = 0;
    take(at, count);
    if (at > fields_.count()) return 0;
    if (!fields_.value(at)) return std::nullopt;
    if (count < 0 || count > limit) {
      fail("the " + std::string(what) + " count " + std::to_string(count) +
           " is not between 0 and " + std::to_string(limit) + "; none is read");
      return std::nullopt;
    }
    const int present = (fields_.count() - at) / size;
    if (present < count) {
      fail("the line holds " + std::to_string(present) + " of the " + std::to_string(count) + " " +
           std::string(what) + "s its count gives; only those are read");
      return present;
    }
    return count;
  }

  // ---- Framing and general data -----------------------------------------

  PartEnd readVersion() { return readOneValue(result_.version); }

  PartEnd readGeneralData() {
    PartEnd end = PartEnd::EndOfFile;
    if (!nextLine(end)) return end;
    s_.Name = std::string(trimmed(line_));
    if (!nextLine(end)) return end;
    takeLine(fields_, s_, 2);
    return skipToBanner();
  }

  // ---- Panels and their lists --------------------------------------------

  PartEnd readPanels() {
    return eachLine([&] {
      SectionPanel* panel = appended(s_.Panels, "panels");
      if (!panel) return false;
      panel->Name = takeNameAndValues();
      takeLine(fields_, *panel, 1);
      return true;
    });
  }

  PartEnd readNodes() {
    return eachLine([&] {
      SectionPanel* panel = selectedPanel();
      if (!panel) return false;
      Node* n = appended(panel->Nodes, "nodes on a panel");
      if (!n) return false;
      n->Abs = static_cast<Integer>(panel->Nodes.count());
      readNodeLine(fields_, *n);
      return true;
    });
  }

  PartEnd readStiffeners() {
    return eachLine([&] {
      SectionPanel* panel = selectedPanel();
      if (!panel) return false;
      SectionStiffener* s = appended(panel->Stiffeners, "stiffeners on a panel");
      if (!s) return false;
      const std::optional<int> ends = elementCount(2, 3, kMaxStiffenerEnds, "end");
      if (!ends) return true;
      s->Ends.redim(*ends);
      for (int k = 1; k <= *ends; ++k) takeLine(fields_, s->Ends.at(k), 1, {}, 3 * k);
      return true;
    });
  }

  PartEnd readStrakes() {
    return eachLine([&] {
      SectionPanel* panel = selectedPanel();
      if (!panel) return false;
      SectionStrake* strake = appended(panel->Strakes, "strakes on a panel");
      if (!strake) return false;
      takeLine(fields_, *strake, 1);
      return true;
    });
  }

  PartEnd readGirders() { return readTwoEnded(&SectionPanel::Girders, "girders on a panel"); }
  PartEnd readBrackets() { return readTwoEnded(&SectionPanel::Brackets, "brackets on a panel"); }
  PartEnd readCutOuts() { return readTwoEnded(&SectionPanel::CutOuts, "cut-outs on a panel"); }

  PartEnd readTwoEnded(List<TwoEndedObject> SectionPanel::*list, std::string_view what) {
    return eachLine([&] {
      SectionPanel* panel = selectedPanel();
      if (!panel) return false;
      TwoEndedObject* object = appended(panel->*list, what);
      if (!object) return false;
      takeLine(fields_, *object, 1);
      return true;
    });
  }

  // ---- Compartments ------------------------------------------------------

  PartEnd readCompartmentLineCount() { return readOneValue(compartmentLines_); }

  // Each record adds one compartment, as long as the line count says. An empty
  // line where a record would begin is passed over, as editors leave them at the
  // end of a file; a compartment without a name still has its TAB.
  PartEnd readCompartments() {
    const AlternateLoading alternate = result_.version >= kSectionVersionWithAlternateLoading
                                           ? AlternateLoading::Present
                                           : AlternateLoading::Absent;
    PartEnd end = PartEnd::EndOfFile;
    for (;;) {
      if (!nextLine(end)) return end;
      if (line_.empty()) continue;
      SectionCompartment* c = appended(s_.Compartments, "compartments");
      if (!c) return PartEnd::Error;
      readCompartmentName(line_, *c);
      for (int line = 2; line <= compartmentLines_; ++line) {
        if (!nextLine(end)) return end;
        if (line == 2) {
          readNodeRefs(*c);
        } else {
          readCompartmentLine(line, fields_, *c, alternate);
        }
      }
    }
  }

  // The count, then the panel and the node of each reference.
  void readNodeRefs(SectionCompartment& c) {
    const std::optional<int> refs = elementCount(1, 2, kMaxNodeRefs, "node reference");
    if (!refs) return;
    c.NodeRefs.redim(*refs);
    for (int k = 1; k <= *refs; ++k) takeLine(fields_, c.NodeRefs.at(k), 1, {}, 2 * k);
  }

  Section& s_;
  SectionReadResult& result_;
  const DatabaseTexts& texts_;
  const SectionTexts& sectionTexts_;

  Integer compartmentLines_ = 0;
};

void notRead(SectionReadResult& result, SectionReadStatus status, std::string_view fileName,
             std::string text) {
  result.status = status;
  result.version = kNotRead;
  result.messages.push_back({std::string(fileName), 0, std::move(text)});
}

// A bulkhead arrangement read whole, then seen as the section its bulkheads outline.
void readZelAsSection(std::string_view bytes, std::string_view fileName, Integer blockNumber,
                      Section& section, SectionReadResult& result) {
  Arrangement arrangement;
  ZelReadResult zel = readZelBlockFromBytes(bytes, fileName, blockNumber, arrangement);
  result.messages = std::move(zel.messages);
  if (!zel.found()) {
    result.status = SectionReadStatus::BlockNotFound;
    result.version = kNotRead;
    return;
  }
  result.status =
      zel.status == ZelReadStatus::Read ? SectionReadStatus::Read : SectionReadStatus::Stopped;
  result.version = zel.version;
  if (arrangement.Bulkheads.count() > kMaxSectionListLength) {
    result.messages.push_back({std::string(fileName), 0,
                               "the bulkheads beyond the " + std::to_string(kMaxSectionListLength) +
                                   "th have no panel in the section"});
  }
  section = sectionFromArrangement(arrangement);
}

}  // namespace

SectionReadResult readSectionFromBytes(std::string_view bytes, std::string_view fileName,
                                       Integer blockNumber, Section& section,
                                       Arrangements arrangements) {
  section.clear();
  SectionReadResult result;
  LineCursor cursor(bytes);
  const std::optional<std::string> keyword = findBlock(cursor, blockNumber, {});
  if (!keyword) {
    notRead(result, SectionReadStatus::BlockNotFound, fileName,
            formatMessage("Can not find block ¤ in file '¤'", {blockNumber, fileName}));
    return result;
  }
  switch (blockKindOf(*keyword)) {
    case BlockKind::Torsion:
      notRead(result, SectionReadStatus::TorsionBlock, fileName,
              formatMessage("Block ¤ of file '¤' holds torsion data, not a section",
                            {blockNumber, fileName}));
      return result;
    case BlockKind::Zel:
      if (arrangements == Arrangements::Refuse) {
        notRead(result, SectionReadStatus::ZelRefused, fileName,
                "Can not read BulkHead Arrangement");
      } else {
        readZelAsSection(bytes, fileName, blockNumber, section, result);
      }
      return result;
    case BlockKind::Section:
      break;
  }
  SectionReader(cursor, fileName, blockNumber, section, result).read();
  return result;
}

SectionReadResult readSection(const std::string& path, Integer blockNumber, Section& section,
                              Arrangements arrangements) {
  section.clear();
  std::string error;
  const std::optional<std::string> bytes = readFileBytes(path, error);
  if (!bytes) {
    SectionReadResult result;
    notRead(result, SectionReadStatus::FileMissing, path,
            korainString(text_id::kDatabaseMissing) + " (" + error + ")");
    return result;
  }
  return readSectionFromBytes(*bytes, path, blockNumber, section, arrangements);
}

}  // namespace korain
