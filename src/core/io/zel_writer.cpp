// Writes an arrangement as the ZEL block of a database file, one small function per part.
#include "io/zel_writer.h"

#include "io/block_text_writer.h"
#include "io/compartment_record.h"
#include "io/database_texts.h"
#include "io/node_line.h"
#include "io/zel_format.h"
#include "model/arrangement_queries.h"
#include "text/string_table.h"

namespace korain {
namespace {

// Pads with blanks or cuts to exactly width characters (not bytes: names are UTF-8
// in memory and one byte a character on file).
std::string fixedWidth(std::string_view text, int width) {
  std::string result;
  int characters = 0;
  for (std::size_t i = 0; i < text.size() && characters < width; ++characters) {
    std::size_t length = 1;
    while (i + length < text.size() &&
           (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80) {
      ++length;
    }
    result.append(text.substr(i, length));
    i += length;
  }
  result.append(static_cast<std::size_t>(width - characters), ' ');
  return result;
}

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
    w_.comment(" Name");
    w_.titles({" x", "stoolvol", "symflag"});
    w_.titles({" AftHop Breadth,Ztop", "ForeHop breadth,Ztop"});
    w_.titles({" State Type", "State Index"});
    w_.comment(" ID");
    w_.line(singleLine(a_.Name));
    w_.number(a_.X).tab().number(a_.StoolVolume).tab().number(a_.SymFlag).endLine();
    w_.number(a_.AftHopperBreadth).tab().number(a_.AftHopperZTop).tab();
    w_.number(a_.ForeHopperBreadth).tab().number(a_.ForeHopperZTop).endLine();
    w_.number(a_.StateType).tab().number(Long{a_.StateIndex}).endLine();
    w_.line(singleLine(a_.ID));
  }

  void writeBulkheads() {
    w_.comment();
    w_.line(texts_.panelsBanner);
    w_.comment(" In bulkhead arrangement, PANELS are BULKHEADS");
    w_.text(texts_.commentMarker)
        .text(fixedWidth(korainString(text_id::kNameColumnTitle), kBulkheadNameWidth))
        .text("Typ\tiMat\tstfHV\tstfside\tstool1 enab,z\tstool2 enab,z\tstools end for info")
        .endLine();
    for (const Bulkhead& b : a_.Bulkheads) {
      w_.text(singleLine(fixedWidth(b.Name, kBulkheadNameWidth))).tab();
      w_.number(b.Typ).tab().number(Long{b.iMat}).tab().number(b.stfHV).tab();
      w_.number(b.stfside).tab().flag(b.Stool1Enabled).tab().number(b.Stool1Z).tab();
      w_.flag(b.Stool2Enabled).tab().number(b.Stool2Z).tab().flag(b.UpperStoolSloped).tab();
      w_.number(b.Stool1End1).tab().number(b.Stool1End2).tab();
      w_.number(b.Stool2End1).tab().number(b.Stool2End2).endLine();
    }
  }

  void writeNodes() {
    w_.comment();
    w_.line(texts_.nodesBanner);
    w_.comment();
    w_.titles({" Bh", "y", "z", "Abs°", "Inter", "Ipan", "Inod", "Sh.Cur", "Sh.yT", "Sh.zT", "Sh.R",
               "PCod", "knu"});
    forEachBulkhead([&](Long i, const Bulkhead& b) {
      for (const Node& n : b.Nodes) writeNodeLine(w_, i, n);
    });
  }

  void writePrimaryMembers() {
    w_.comment();
    w_.line(kPrimaryBanner);
    w_.comment();
    w_.titles({" Bh", "H/V", "y or z", "extremities z or y for info"});
    forEachBulkhead([&](Long i, const Bulkhead& b) {
      for (const PrimaryMember& m : b.PrimaryMembers) {
        w_.number(i).tab().number(m.HV).tab().number(m.Position);
        if (m.Extremities.isDimensioned()) {
          w_.tab().formatted(m.Extremities.first(), kExtremityFormat);
          w_.tab().formatted(m.Extremities.last(), kExtremityFormat);
        }
        w_.endLine();
      }
    });
  }

  void writeSecondary() {
    w_.comment();
    w_.line(kSecondaryBanner);
    w_.comment();
    w_.titles(
        {" Bh", "y/z", "typ", "h1", "e1", "h2", "e2", "iMat", "Nspan", "Span red", "Type Conn"});
    forEachBulkhead([&](Long i, const Bulkhead& b) {
      for (const OrdinaryStiffener& s : b.Stiffeners) writeStiffener(i, s);
    });
    writeBrackets();
    if (anySpanWithScantling(a_)) writeSpanScantlings();
    if (anySpanWithBrackets(a_)) writeSpanBrackets();
  }

  void writeStiffener(Long i, const OrdinaryStiffener& s) {
    const bool known = s.Extremities.isDimensioned();
    w_.number(i).tab().number(s.Position).tab();
    writeScantling(s.Scant);
    w_.tab().number(Long{s.iMat}).tab().number(Long{s.Spans.count()}).tab();
    w_.formatted(known ? s.Extremities.first() : 0.0F, kExtremityFormat).tab();
    w_.formatted(known ? s.Extremities.last() : 0.0F, kExtremityFormat).tab();
    w_.number(s.SpanReduction).tab().number(s.TypeConn).endLine();
  }

  void writeScantling(const Scantling& s) {
    w_.number(s.Typ).tab().number(s.H1).tab().number(s.E1).tab();
    w_.number(s.H2).tab().number(s.E2);
  }

  void writeBrackets() {
    w_.comment();
    w_.line(kBracketBanner);
    w_.titles(
        {" Bh", "iSnd", "iBrk", "enab", "Fixed", "", "typ", "h1", "e1", "h2", "e2", "Length"});
    forEachStiffener([&](Long i, Long j, const OrdinaryStiffener& s) {
      for (Long k = 1; k <= 2; ++k) {
        const Bracket& bracket = s.Brackets.at(k);
        w_.number(i).tab().number(j).tab().number(k).tab();
        w_.flag(bracket.Enabled).tab().flag(bracket.Fixed).tab();
        if (bracket.Enabled) {
          writeScantling(bracket.Scant);
          w_.tab().number(bracket.Length);
        }
        w_.endLine();
      }
    });
  }

  void writeSpanScantlings() {
    w_.comment();
    w_.line(kSpanScantlingBanner);
    w_.titles({" Bh", "iSnd", "iSpan", "typ", "h1", "e1", "h2", "e2", "Mat"});
    forEachSpan([&](Long i, Long j, Long k, const StiffenerSpan& span) {
      if (!span.HasScantling) return;
      w_.number(i).tab().number(j).tab().number(k).tab();
      writeScantling(span.Scant);
      w_.tab().number(Long{span.Mat}).endLine();
    });
  }

  void writeSpanBrackets() {
    w_.comment();
    w_.line(kSpanBracketBanner);
    w_.titles({" Bh", "iSnd", "iSpan", "Lower brack len", "Upper brack len"});
    forEachSpan([&](Long i, Long j, Long k, const StiffenerSpan& span) {
      if (!spanHasBrackets(span)) return;
      w_.number(i).tab().number(j).tab().number(k).tab();
      w_.number(span.LowerBracketLength).tab().number(span.UpperBracketLength).endLine();
    });
  }

  void writeCorrugations() {
    w_.comment();
    w_.line(kCorrugationBanner);
    w_.comment();
    w_.titles({" Bh", "Start", "S1", "a", "d", "Fixed upper and lower support"});
    forEachBulkhead([&](Long i, const Bulkhead& b) {
      const Corrugation& c = b.Corr;
      w_.number(i).tab().number(c.Start).tab().number(c.S1).tab().number(c.A).tab();
      w_.number(c.D).tab().flag(c.FixedUpper).tab().flag(c.FixedLower).endLine();
    });
  }

  void writeStrakes() {
    w_.comment();
    w_.line(kStrakeBanner);
    w_.comment();
    w_.titles({" Bh", "Band", "Strk", "z", "y", "Th", "iMat"});
    forEachBulkhead([&](Long i, const Bulkhead& b) {
      for (Long band = 1; band <= b.StrakeBands.count(); ++band) {
        const StrakeBand& strakeBand = b.StrakeBands.at(band);
        for (Long s = 1; s <= strakeBand.Strakes.count(); ++s) {
          const Strake& strake = strakeBand.Strakes.at(s);
          w_.number(i).tab().number(band).tab().number(s).tab().number(strakeBand.Z).tab();
          w_.number(strake.Y).tab().number(strake.Th).tab().number(Long{strake.iMat}).endLine();
        }
      }
    });
  }

  void writeCompartments() {
    writeCompartmentPartHeader(w_);
    for (const Bulkhead& b : a_.Bulkheads) {
      for (const Compartment& c : b.Compartments) writeCompartmentRecord(w_, c, kNoNodeList);
    }
  }

  template <typename Visit>
  void forEachBulkhead(Visit visit) {
    for (Long i = 1; i <= a_.Bulkheads.count(); ++i) visit(i, a_.Bulkheads.at(i));
  }

  template <typename Visit>
  void forEachStiffener(Visit visit) {
    forEachBulkhead([&](Long i, const Bulkhead& b) {
      for (Long j = 1; j <= b.Stiffeners.count(); ++j) visit(i, j, b.Stiffeners.at(j));
    });
  }

  template <typename Visit>
  void forEachSpan(Visit visit) {
    forEachStiffener([&](Long i, Long j, const OrdinaryStiffener& s) {
      for (Long k = 1; k <= s.Spans.count(); ++k) visit(i, j, k, s.Spans.at(k));
    });
  }

  BlockTextWriter w_;
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
