// Reads the ship data block: the banner search, then a fixed sequence of items in
// free-format input, with the conversions that older format versions need.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ship/ship_data_reader.h"

#include <algorithm>
#include <optional>
#include <type_traits>

#include "io/block_framing.h"
#include "io/database_texts.h"
#include "io/line_cursor.h"
#include "io/text_file.h"
#include "ship/ship_queries.h"
#include "ship/ship_string_table.h"
#include "text/line_values.h"
#include "text/string_table.h"
#include "text/text_utils.h"
#include "text/utf8.h"

namespace korain {
namespace {

constexpr std::size_t kVersionLength = 8;
constexpr std::size_t kTitleLength = 30;
constexpr std::size_t kGroup13Length = 50;
constexpr std::size_t kQuotedPieceLength = 40;  // of a bad item, in a message
constexpr Single kGroup14Default = 0.85F;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The items of the block in free-format input. Numbers end at a comma, a blank,
// a TAB or the line end; texts at a comma or the line end (a text in double
// quotes at its closing quote); titles take the rest of their line. After an
// item, blanks and one comma, or the line end, are passed over. The block has
// no end line of its own: it ends with the file, or at the first block banner,
// since it lives in the preamble and the numbers of the blocks after it must
// never pass for ship data.
class ItemStream {
 public:
  explicit ItemStream(std::string_view bytes) : cursor_(bytes) {}

  // Looks for the banner among the lines that are not comments, then passes
  // over the comment lines after it; false when there is no banner.
  bool findBlock() {
    std::string_view line;
    while (cursor_.next(line)) {
      if (!isCommentLine(line) && isLine(line, kShipDataBanner)) {
        do {
          advance();
        } while (!ended_ && isCommentLine(line_));
        return true;
      }
    }
    return false;
  }

  bool ended() const { return ended_; }
  bool endedAtBanner() const { return endedAtBanner_; }
  // The line the last item began on.
  int itemLine() const { return itemLine_; }
  // The line where the block ended: the block banner, or the file's last line.
  int endLine() const { return endLine_; }

  // The next number item, as written (empty between two commas); false at the end.
  bool nextPiece(std::string_view& piece) {
    if (!skipToItem()) return false;
    const std::size_t begin = col_;
    while (col_ < line_.size() && !isBlank(line_[col_]) && line_[col_] != ',') ++col_;
    piece = line_.substr(begin, col_ - begin);
    held_.assign(piece);  // finishItem may move to the next line
    piece = held_;
    finishItem();
    return true;
  }

  // The next text item; false at the end.
  bool nextText(std::string& text) {
    if (!skipToItem()) return false;
    if (line_[col_] == '"') {
      const std::size_t close = std::min(line_.find('"', col_ + 1), line_.size());
      text.assign(line_.substr(col_ + 1, close - col_ - 1));
      col_ = std::min(line_.find(',', close), line_.size());
    } else {
      const std::size_t end = std::min(line_.find(',', col_), line_.size());
      std::string_view value = line_.substr(col_, end - col_);
      while (!value.empty() && isBlank(value.back())) value.remove_suffix(1);
      text.assign(value);
      col_ = end;
    }
    finishItem();
    return true;
  }

  // The rest of the current line, which is a whole line unless an item ended
  // on it with a comma; false at the end.
  bool nextLine(std::string& text) {
    if (ended_) return false;
    itemLine_ = cursor_.lineNumber();
    text.assign(line_.substr(col_));
    advance();
    return true;
  }

 private:
  void advance() {
    col_ = 0;
    line_ = {};
    if (!cursor_.next(line_)) {
      ended_ = true;
    } else if (isLine(line_, DatabaseTexts::get().blockBanner)) {
      ended_ = true;
      endedAtBanner_ = true;
    }
    if (ended_) endLine_ = cursor_.lineNumber();
  }

  bool skipToItem() {
    for (;;) {
      if (ended_) return false;
      while (col_ < line_.size() && isBlank(line_[col_])) ++col_;
      if (col_ < line_.size()) break;
      advance();
    }
    itemLine_ = cursor_.lineNumber();
    return true;
  }

  void finishItem() {
    while (col_ < line_.size() && isBlank(line_[col_])) ++col_;
    if (col_ == line_.size()) {
      advance();
    } else if (line_[col_] == ',') {
      ++col_;
    }
  }

  LineCursor cursor_;
  std::string_view line_;  // valid until the cursor moves on
  std::size_t col_ = 0;
  std::string held_;
  int itemLine_ = 0;
  int endLine_ = 0;
  bool ended_ = false;
  bool endedAtBanner_ = false;
};

class ShipDataReader {
 public:
  ShipDataReader(std::string_view fileName, ShipData& ship, ShipDataReadResult& result)
      : fileName_(fileName), s_(ship), result_(result) {}

  // Reads the items group by group; false when the block ended before its last one.
  bool readItems(ItemStream& items) {
    items_ = &items;
    return readIdentification() && readCodes() && readMainData() && readTables() &&
           readGroups9To13() && readGroup14() && readGroup15();
  }

  // Reports where the block ended before the item that was to come next.
  void reportCut() {
    const std::string where = items_->endedAtBanner() ? "the first block begins" : "the file ends";
    report(items_->endLine(), where + " before " + describeNext() +
                                  " of the ship data block; the fields from there on keep "
                                  "their values");
  }

  // What holds whether or not the block was read to its end.
  void finish() {
    if (s_.MaterialCount > 0) {
      for (Integer& index : s_.DefaultMaterial) {
        if (index == 0) index = 1;
      }
    }
    std::string& name = s_.Titles.at(1);
    name = std::string(trimmed(name));
    if (name.empty()) name = shipText(ship_text_id::kDefaultShipName);
    s_.Materials = shipMaterials(s_);
  }

 private:
  // ---- Items -------------------------------------------------------------

  void group(int number) {
    group_ = number;
    item_ = 0;
  }

  // Names the next item of the current group, with its field name when it has one.
  std::string describeNext() const {
    std::string text = "item " + std::to_string(item_ + 1) + " of group " + std::to_string(group_);
    if (!nextName_.empty()) text = std::string(nextName_) + " (" + text + ")";
    return text;
  }

  void report(int line, std::string text) {
    result_.messages.push_back({std::string(fileName_), line, std::move(text)});
  }

  void reportBadItem(std::string_view piece, std::string_view problem, std::string_view outcome) {
    report(items_->itemLine(), describeNext() + ": '" +
                                   std::string(firstCharacters(piece, kQuotedPieceLength)) + "' " +
                                   std::string(problem) + "; " + std::string(outcome));
  }

  // Reads one number item into a field of the stored type. A piece that is not
  // a number, or does not fit, leaves the field alone and the reading goes on.
  template <typename T>
  bool take(T& field, std::string_view name = {}) {
    nextName_ = name;
    std::string_view piece;
    if (!items_->nextPiece(piece)) return false;
    const std::optional<double> value = numberOf(piece);
    std::optional<T> converted;
    if (value) {
      if constexpr (std::is_same_v<T, Integer>) {
        converted = toInteger(*value);
      } else {
        converted = toSingle(*value);
      }
    }
    if (converted) {
      field = *converted;
    } else {
      reportBadItem(piece, value ? "is out of range" : "is not a number",
                    "the field keeps its value");
    }
    ++item_;
    return true;
  }

  template <typename T, int N>
  bool takeAll(FixedList<T, N>& list) {
    for (T& field : list) {
      if (!take(field)) return false;
    }
    return true;
  }

  bool takeText(std::string& field, std::size_t length, std::string_view name = {}) {
    nextName_ = name;
    std::string text;
    if (!items_->nextText(text)) return false;
    field = std::string(firstCharacters(text, length));
    ++item_;
    return true;
  }

  std::optional<double> numberOf(std::string_view piece) {
    if (piece.empty()) return std::nullopt;
    values_.parse(piece);
    return values_.value(1);
  }

  // ---- Groups ------------------------------------------------------------

  bool readIdentification() {
    group(1);
    if (!takeText(s_.FormatVersion, kVersionLength, "FormatVersion")) return false;
    version_ = formatVersionNumber(s_);
    group(2);
    for (int i = 1; i <= s_.Titles.count(); ++i) {
      nextName_ = "Titles(" + std::to_string(i) + ")";
      std::string line;
      if (!items_->nextLine(line)) return false;
      s_.Titles.at(i) = paddedToWidth(line, kTitleLength);
      ++item_;
    }
    return true;
  }

  bool readCodes() {
    group(3);
    if (!(take(s_.ShipType, "ShipType") && take(s_.NavigationNotation, "NavigationNotation") &&
          takeAll(s_.Group3Items3To7) && take(s_.MaterialCode, "MaterialCode") &&
          take(s_.MaterialCount, "MaterialCount") && take(s_.Group3Item10))) {
      return false;
    }
    // Older blocks numbered the navigation notations differently.
    if (version_ < 3) {
      Integer& notation = s_.NavigationNotation;
      if (notation == 2 || notation == 4 || notation == 5) {
        notation = 4;
      } else if (notation == 3 || notation == 6) {
        notation = 5;
      }
    }
    return true;
  }

  bool readMainData() {
    group(4);
    for (int k = 1; k <= kMaxMaterials; ++k) {
      if (!take(s_.MaterialKind.at(k), "MaterialKind")) return false;
    }
    group(5);
    if (!(take(s_.L, "L") && take(s_.B, "B") && take(s_.D, "D") && takeAll(s_.Group5Items4To5) &&
          take(s_.T, "T") && take(s_.BallastDraught, "BallastDraught") && take(s_.Group5Item8) &&
          take(s_.CB, "CB") && take(s_.V, "V") && take(s_.GM1, "GM1") &&
          take(s_.RollRadius1, "RollRadius1") && take(s_.GM2, "GM2") &&
          take(s_.RollRadius2, "RollRadius2") && takeAll(s_.Group5Items15To30))) {
      return false;
    }
    // Blocks before version 2 had no loading conditions: whatever stands there
    // is not a GM or a roll radius, and the resonance defaults must take over.
    if (version_ < 2) {
      s_.GM1 = s_.RollRadius1 = s_.GM2 = s_.RollRadius2 = 0;
      s_.Group5Items15To30.at(1) = s_.Group5Items15To30.at(2) = 0;
    }
    return true;
  }

  bool readTables() {
    group(6);
    for (FixedList<Single, 2>& pair : s_.Group6Pairs) {
      if (!takeAll(pair)) return false;
    }
    group(7);
    for (FixedList<Single, kMaxMaterials>& row : s_.MaterialTable) {
      for (Single& value : row) {
        if (!take(value, "MaterialTable")) return false;
      }
    }
    group(8);
    for (Integer& index : s_.DefaultMaterial) {
      if (!take(index, "DefaultMaterial")) return false;
    }
    return true;
  }

  bool readGroups9To13() {
    group(9);
    if (!(takeAll(s_.Group9Integers1) && takeAll(s_.Group9Singles1) &&
          takeAll(s_.Group9Triples.at(1)) && takeAll(s_.Group9Triples.at(2)) &&
          takeAll(s_.Group9Singles2) && takeAll(s_.Group9Integers2))) {
      return false;
    }
    group(10);
    if (!(takeAll(s_.Group10Integers1) && take(s_.Group10Single) && takeAll(s_.Group10Singles) &&
          takeAll(s_.Group10Integers2) && takeAll(s_.Group10Integers3))) {
      return false;
    }
    group(11);
    for (int i = 1; i <= 10; ++i) {
      if (!(take(s_.Group11List1.at(i)) && take(s_.Group11List2.at(i)) &&
            take(s_.Group11List3.at(i)))) {
        return false;
      }
    }
    group(12);
    if (!(takeAll(s_.Group12Singles1) && take(s_.Group12Single) && takeAll(s_.Group12Singles2) &&
          takeAll(s_.Group12Singles3))) {
      return false;
    }
    group(13);
    return takeText(s_.Group13Text, kGroup13Length);
  }

  bool readGroup14() {
    group(14);
    nextName_ = {};
    std::string_view piece;
    if (!items_->nextPiece(piece)) return false;
    const std::optional<double> number = numberOf(piece);
    const std::optional<Single> value = number ? toSingle(*number) : std::nullopt;
    if (value) {
      s_.Group14Single = *value;
    } else {
      s_.Group14Single = kGroup14Default;
      reportBadItem(piece, "is not a valid number", "0.85 is taken");
    }
    ++item_;
    return true;
  }

  bool readGroup15() {
    if (version_ < 4) return true;
    group(15);
    return takeAll(s_.Group15Singles);
  }

  std::string_view fileName_;
  ShipData& s_;
  ShipDataReadResult& result_;
  ItemStream* items_ = nullptr;
  LineValues values_;
  double version_ = 0;
  int group_ = 0;
  int item_ = 0;          // items of the current group read so far
  std::string nextName_;  // field name of the next item, when it has one
};

}  // namespace

std::string notValidFileText(std::string_view fileName) {
  return std::string(fileName) + " : not a valid Tessaly file";
}

ShipDataReadResult readShipDataFromBytes(std::string_view bytes, std::string_view fileName,
                                         ShipData& ship) {
  ShipDataReadResult result;
  ItemStream items(bytes);
  if (!items.findBlock()) {
    result.status = ShipDataReadStatus::NotValid;
    result.messages.push_back({std::string(fileName), 0, notValidFileText(fileName)});
    return result;
  }
  ShipDataReader reader(fileName, ship, result);
  result.complete = reader.readItems(items);
  if (!result.complete) reader.reportCut();
  reader.finish();
  return result;
}

ShipDataReadResult readShipData(const std::string& path, ShipData& ship) {
  std::string error;
  const std::optional<std::string> bytes = readFileBytes(path, error);
  if (!bytes) {
    ShipDataReadResult result;
    result.status = ShipDataReadStatus::FileMissing;
    result.messages.push_back(
        {path, 0, korainString(text_id::kDatabaseMissing) + " (" + error + ")"});
    return result;
  }
  return readShipDataFromBytes(*bytes, path, ship);
}

}  // namespace korain
