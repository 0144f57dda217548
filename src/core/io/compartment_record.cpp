// The compartment part that ZEL blocks and hull-section blocks share.
#include "io/compartment_record.h"

#include <string>

#include "io/database_texts.h"
#include "io/zel_format.h"
#include "text/string_table.h"
#include "text/text_utils.h"

namespace korain {
namespace {

void readFillingLevels(FieldReader& fields, Compartment& c) {
  Long count = 0;
  fields.take(1, count);
  if (count > Long{kMaxFillingLevels}) {
    fields.report("the filling-level count " + std::to_string(count) + " exceeds the " +
                  std::to_string(kMaxFillingLevels) +
                  " that a line can hold; the levels are not read");
    return;
  }
  if (count < 1) return;
  c.Points.redim(count);
  for (int p = 1; p <= count; ++p) {
    FillingPoint& point = c.Points.at(p);
    fields.take(3 * p - 1, point.H);
    fields.take(3 * p, point.L);
    fields.take(3 * p + 1, point.B);
  }
}

template <int N>
void readTable(FieldReader& fields, int first, FixedList<Single, N>& table) {
  for (int i = 1; i <= N; ++i) fields.take(first + i - 1, table.at(i));
}

}  // namespace

void readCompartmentName(std::string_view line, Compartment& compartment) {
  compartment.Name = std::string(trimmed(line.substr(0, line.find('\t'))));
}

void readCompartmentLine(int line, FieldReader& fields, Compartment& c,
                         AlternateLoading alternate) {
  switch (line) {
    case 3:
      fields.take(1, c.A);
      fields.take(2, c.B);
      fields.take(3, c.UseComputedYZ);
      fields.take(4, c.UseRuleRoll);
      break;
    case 4:
      readTable(fields, 1, c.Table1);
      break;
    case 5:
      fields.take(1, c.N);
      break;
    case 6:
      readTable(fields, 1, c.Table2);
      if (alternate == AlternateLoading::Present) readTable(fields, 11, c.Table3);
      break;
    case 7:
      readFillingLevels(fields, c);
      break;
    case 8:
      fields.take(1, c.Flag3);
      fields.take(2, c.Flag4);
      fields.take(3, c.Flag5);
      fields.take(4, c.C);
      fields.take(5, c.D);
      if (alternate == AlternateLoading::Present) fields.take(6, c.Flag6);
      break;
    default:  // lines 1 and 2 depend on the block; lines beyond 8 carry nothing yet
      break;
  }
}

void writeCompartmentPartHeader(BlockTextWriter& w) {
  const DatabaseTexts& texts = DatabaseTexts::get();
  w.comment();
  w.line(texts.compartmentPartBanner);
  w.comment(korainString(text_id::kCompartmentLineCountTitle));
  w.number(Long{kCompartmentLineCount}).endLine();
  w.comment();
  w.line(texts.compartmentsBanner);
  w.comment(korainString(text_id::kNameColumnTitle));
  for (Long title = text_id::kCompartmentLine2Title; title <= text_id::kCompartmentLine8Title;
       ++title) {
    w.comment(korainString(title));
  }
}

void writeCompartmentRecord(BlockTextWriter& w, const Compartment& c,
                            std::string_view nodeListText) {
  w.text(singleLine(c.Name)).tab().endLine();
  w.text(nodeListText).tab().endLine();
  w.numberThenTab(c.A).numberThenTab(c.B);
  w.flag(c.UseComputedYZ).tab().flag(c.UseRuleRoll).tab().endLine();
  for (const Single value : c.Table1) w.formattedThenTab(value);
  w.endLine();
  w.numberThenTab(c.N).endLine();
  for (const Single value : c.Table2) w.formattedThenTab(value);
  for (const Single value : c.Table3) w.formattedThenTab(value);
  w.endLine();
  w.numberThenTab(Long{c.Points.count()});
  for (const FillingPoint& p : c.Points) {
    w.formattedThenTab(p.H).formattedThenTab(p.L).formattedThenTab(p.B);
  }
  w.endLine();
  for (const bool f : {c.Flag3, c.Flag4, c.Flag5, c.C, c.D, c.Flag6}) w.flag(f).tab();
  w.text(DatabaseTexts::get().commentMarker).endLine();
  w.comment();
}

}  // namespace korain
