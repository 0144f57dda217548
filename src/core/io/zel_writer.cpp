// Writes an arrangement as the ZEL block of a database file, one small function per part.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/zel_writer.h"

#include "io/block_text_writer.h"
#include "io/compartment_record.h"
#include "io/database_texts.h"
#include "io/node_line.h"
#include "io/zel_columns.h"
#include "io/zel_format.h"
#include "model/arrangement_queries.h"
#include "text/string_table.h"
#include "text/utf8.h"

namespace korain {
namespace {

class ZelWriter {
 public:
  ZelWriter(std::string& out, const Arrangement& arrangement)
      : w_(out), a_(arrangement), texts_(DatabaseTexts::get()) {}

  int write(Integer blockNumber, const ZelWriteContext& context) {
    writeFraming(blockNumber);
    writeVersion(context);
    writeGeneralData();
    writeBulkheads();
    if (anyNode(a_)) writeNodes();
    if (anyPrimaryMember(a_)) writePrimaryMembers();
    if (anyOrdinaryStiffener(a_)) writeSecondary();
    writeCorrugations();
    writeStrakes();
    writeCompartments();
    return w_.unmappableCharacters();
  }

 private:
  void writeFraming(Integer blockNumber) {
    w_.line(texts_.blockBanner);
    w_.comment();
    w_.number(Long{blockNumber}).endLine();
    w_.line(kZelKeyword);
    w_.comment();
  }

  void writeVersion(const ZelWriteContext& context) {
    w_.line(texts_.versionBanner);
    w_.number(kZelVersion).endLine();
    const ProgramVersion& v = context.program;
    w_.text(texts_.commentMarker)
        .text(korainString(text_id::kProgramComment))
        .text(std::to_string(v.major) + "." + std::to_string(v.minor) + " R" +
              std::to_string(v.revision) + " 32bit")
        .endLine();
    w_.text(texts_.commentMarker).text(korainString(text_id::kBlockVersionComment));
    w_.number(kZelVersion).endLine();
    w_.text(texts_.commentMarker)
        .text(" ")
        .text(korainString(text_id::kSavedBy))
        .text(" : ")
        .text(singleLine(context.user))
        .text(", ")
        .text(singleLine(context.site))
        .text(", ")
        .text(singleLine(context.date))
        .text(" ")
        .text(singleLine(context.time))
        .endLine();
    if (!context.identification.empty()) {
      w_.comment(korainString(text_id::kIdentificationComment) +
                 singleLine(context.identification));
    }
  }

  void writeGeneralData() {
    w_.comment();
    w_.line(texts_.generalBanner);
    w_.comment();
    for (int line = 1; line <= kGeneralDataLines; ++line)
      w_.titles(titlesOf<Arrangement>({}, line));
    for (int line = 1; line <= kGeneralDataLines; ++line) {
      ColumnWriter(w_, Tabs::Between).write(a_, line);
      w_.endLine();
    }
  }

  void writeBulkheads() {
    w_.comment();
    w_.line(texts_.panelsBanner);
    w_.comment(" In bulkhead arrangement, PANELS are BULKHEADS");
    w_.text(texts_.commentMarker)
        .text(paddedToWidth(korainString(text_id::kNameColumnTitle), kBulkheadNameWidth));
    for (const std::string_view title : titlesOf<Bulkhead>({}, 1, 1)) w_.text(title).tab();
    w_.text("stools end for info").endLine();
    for (const Bulkhead& b : itemsOf<Bulkhead>(a_)) {
      ColumnWriter(w_, Tabs::Between).write(b, 1);
      w_.tab().number(b.Stool1End1).tab().number(b.Stool1End2).tab();
      w_.number(b.Stool2End1).tab().number(b.Stool2End2).endLine();
    }
  }

  void writeNodes() {
    w_.comment();
    w_.line(texts_.nodesBanner);
    w_.comment();
    w_.titles(titlesOf<Node>({"Bh"}, 1));
    forEachBulkhead([&](Long i, const Bulkhead& b) {
      for (const Node& n : itemsOf<Node>(b)) writeNodeLine(w_, i, n);
    });
  }

  void writePrimaryMembers() {
    w_.comment();
    w_.line(kPrimaryBanner);
    w_.comment();
    std::vector<std::string_view> titles = titlesOf<PrimaryMember>({"Bh"}, 1);
    titles.emplace_back("extremities z or y for info");
    w_.titles(titles);
    forEachBulkhead([&](Long i, const Bulkhead& b) {
      for (const PrimaryMember& m : itemsOf<PrimaryMember>(b)) {
        w_.number(i);
        ColumnWriter(w_, Tabs::Before).write(m, 1);
        if (m.Extremities.isDimensioned()) {
          w_.tab().formatted(m.Extremities.first(), extremityPattern_);
          w_.tab().formatted(m.Extremities.last(), extremityPattern_);
        }
        w_.endLine();
      }
    });
  }

  void writeSecondary() {
    w_.comment();
    w_.line(kSecondaryBanner);
    w_.comment();
    w_.titles(titlesOf<OrdinaryStiffener>({"Bh"}, 1));
    forEachBulkhead([&](Long i, const Bulkhead& b) {
      for (const OrdinaryStiffener& s : itemsOf<OrdinaryStiffener>(b)) writeStiffener(i, s);
    });
    writeBrackets();
    if (anySpanWithScantling(a_)) writeSpanScantlings();
    if (anySpanWithBrackets(a_)) writeSpanBrackets();
  }

  void writeStiffener(Long i, const OrdinaryStiffener& s) {
    const bool known = s.Extremities.isDimensioned();
    w_.number(i);
    ColumnWriter(w_, Tabs::Before).write(s, 1, 1, kFirstExtremityValue - 1);
    w_.tab().formatted(known ? s.Extremities.first() : 0.0F, extremityPattern_);
    w_.tab().formatted(known ? s.Extremities.last() : 0.0F, extremityPattern_);
    ColumnWriter(w_, Tabs::Before).write(s, 1, kFirstExtremityValue + 2);
    w_.endLine();
  }

  void writeBrackets() {
    w_.comment();
    w_.line(kBracketBanner);
    // The file gives an empty title between the bracket's flags and its scantling.
    std::vector<std::string_view> titles = titlesOf<Bracket>({"Bh", "iSnd", "iBrk"}, 1, 0, 5);
    titles.emplace_back("");
    appendColumnTitles<Bracket>(titles, 1, 6);
    w_.titles(titles);
    forEachStiffener([&](Long i, Long j, const OrdinaryStiffener& s) {
      for (Long k = 1; k <= 2; ++k) {
        w_.number(i).tab().number(j).tab().number(k);
        // The line of a bracket whose dimensions are not kept ends with a TAB.
        if (!ColumnWriter(w_, Tabs::Before).write(itemsOf<Bracket>(s).at(k), 1).complete())
          w_.tab();
        w_.endLine();
      }
    });
  }

  void writeSpanScantlings() {
    w_.comment();
    w_.line(kSpanScantlingBanner);
    w_.titles(titlesOf<StiffenerSpan>({"Bh", "iSnd", "iSpan"}, kSpanScantlingLine));
    writeSpanLines(kSpanScantlingLine);
  }

  void writeSpanBrackets() {
    w_.comment();
    w_.line(kSpanBracketBanner);
    w_.titles(titlesOf<StiffenerSpan>({"Bh", "iSnd", "iSpan"}, kSpanBracketLine));
    writeSpanLines(kSpanBracketLine);
  }

  // The spans whose values of that line the file keeps, one line each.
  void writeSpanLines(int line) {
    forEachSpan([&](Long i, Long j, Long k, const StiffenerSpan& span) {
      if (!keptOnLine(span, line)) return;
      w_.number(i).tab().number(j).tab().number(k);
      ColumnWriter(w_, Tabs::Before).write(span, line);
      w_.endLine();
    });
  }

  void writeCorrugations() {
    w_.comment();
    w_.line(kCorrugationBanner);
    w_.comment();
    w_.titles(titlesOf<Corrugation>({"Bh"}, 1));
    forEachBulkhead([&](Long i, const Bulkhead& b) {
      w_.number(i);
      ColumnWriter(w_, Tabs::Before).write(itemsOf<Corrugation>(b), 1);
      w_.endLine();
    });
  }

  void writeStrakes() {
    w_.comment();
    w_.line(kStrakeBanner);
    w_.comment();
    std::vector<std::string_view> titles = titlesOf<StrakeBand>({"Bh", "Band", "Strk"}, 1);
    appendColumnTitles<Strake>(titles, 1);
    w_.titles(titles);
    forEachBulkhead([&](Long i, const Bulkhead& b) {
      const List<StrakeBand>& bands = itemsOf<StrakeBand>(b);
      for (Long band = 1; band <= bands.count(); ++band) {
        const StrakeBand& strakeBand = bands.at(band);
        const List<Strake>& strakes = itemsOf<Strake>(strakeBand);
        for (Long s = 1; s <= strakes.count(); ++s) {
          w_.number(i).tab().number(band).tab().number(s);
          ColumnWriter(w_, Tabs::Before).write(strakeBand, 1).write(strakes.at(s), 1);
          w_.endLine();
        }
      }
    });
  }

  void writeCompartments() {
    writeCompartmentPartHeader(w_);
    for (const Bulkhead& b : itemsOf<Bulkhead>(a_)) {
      for (const Compartment& c : itemsOf<Compartment>(b))
        writeCompartmentRecord(w_, c, kNoNodeList);
    }
  }

  // The titles given, followed by those of the record's columns on the line from first on.
  template <typename Record>
  static std::vector<std::string_view> titlesOf(std::vector<std::string_view> leading, int line,
                                                int first = 0, int last = 1 << 20) {
    appendColumnTitles<Record>(leading, line, first, last);
    return leading;
  }

  template <typename Visit>
  void forEachBulkhead(Visit visit) {
    const List<Bulkhead>& bulkheads = itemsOf<Bulkhead>(a_);
    for (Long i = 1; i <= bulkheads.count(); ++i) visit(i, bulkheads.at(i));
  }

  template <typename Visit>
  void forEachStiffener(Visit visit) {
    forEachBulkhead([&](Long i, const Bulkhead& b) {
      const List<OrdinaryStiffener>& stiffeners = itemsOf<OrdinaryStiffener>(b);
      for (Long j = 1; j <= stiffeners.count(); ++j) visit(i, j, stiffeners.at(j));
    });
  }

  template <typename Visit>
  void forEachSpan(Visit visit) {
    forEachStiffener([&](Long i, Long j, const OrdinaryStiffener& s) {
      const List<StiffenerSpan>& spans = itemsOf<StiffenerSpan>(s);
      for (Long k = 1; k <= spans.count(); ++k) visit(i, j, k, spans.at(k));
    });
  }

  BlockTextWriter w_;
  const NumberPattern extremityPattern_ = numberPattern(kExtremityFormat);
  const Arrangement& a_;
  const DatabaseTexts& texts_;
};

}  // namespace

ZelWriteResult writeZelBlock(std::string& out, Arrangement& arrangement, Integer blockNumber,
                             const ZelWriteContext& context) {
  if (arrangement.ID.empty()) arrangement.ID = generateId();
  return {ZelWriter(out, arrangement).write(blockNumber, context)};
}

}  // namespace korain
