// An arrangement read back from the JSON that the dump command writes.
#include "arrangement_json_reader.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <limits>
#include <nlohmann/json.hpp>

#include "io/zel_format.h"
#include "text/cp1252.h"
#include "text/line_values.h"
#include "text/text_utils.h"

namespace korain {
namespace {

using Json = nlohmann::json;

// Lists whose items the file addresses by an Integer index.
constexpr int kMostAddressed = std::numeric_limits<Integer>::max();
// A line holds at most 400 values: the count and three values a level.
constexpr int kMostFillingLevels = (kMaxValuesPerLine - 1) / 3;
// An arrangement nests 7 levels deep; anything deeper is no arrangement.
constexpr int kDeepest = 16;
constexpr std::size_t kMostProblems = 50;

// Texts that stand at the start of a line of the block.
enum class TextKind { Line, BulkheadName };

// A key as a step of a JSON Pointer.
std::string pointerStep(const std::string& key) {
  std::string step;
  for (const char c : key) {
    if (c == '~') {
      step += "~0";
    } else if (c == '/') {
      step += "~1";
    } else {
      step += c;
    }
  }
  return step;
}

std::string describe(const Json& value) {
  if (value.is_string()) return "the text " + value.dump();
  if (value.is_number()) return "the number " + value.dump();
  if (value.is_boolean()) return value.dump();
  return {value.is_null() ? "null" : value.type_name()};
}

class Reader {
 public:
  using ReadField = std::function<void(const Json&)>;
  struct Field {
    std::string_view name;
    ReadField read;
  };

  std::vector<JsonProblem> problems;

  void arrangement(const Json& j, Arrangement& a) {
    a.StateType = 1;
    a.StateIndex = 1;
    object(
        j,
        {text("Name", a.Name, TextKind::Line), text("ID", a.ID, TextKind::Line), field("X", a.X),
         field("SymFlag", a.SymFlag), field("StoolVolume", a.StoolVolume),
         field("ForeHopperBreadth", a.ForeHopperBreadth), field("ForeHopperZTop", a.ForeHopperZTop),
         field("AftHopperBreadth", a.AftHopperBreadth), field("AftHopperZTop", a.AftHopperZTop),
         atLeastOne("StateType", a.StateType), atLeastOne("StateIndex", a.StateIndex),
         list("Bulkheads", a.Bulkheads, kMostAddressed, &Reader::bulkhead)});
  }

 private:
  void problem(std::string text) {
    if (problems.size() < kMostProblems) problems.push_back({path_, std::move(text)});
  }

  // Runs read with the path extended by one step.
  void within(const std::string& step, const std::function<void()>& read) {
    const std::size_t length = path_.size();
    path_.append("/").append(step);
    read();
    path_.resize(length);
  }

  void object(const Json& j, std::initializer_list<Field> fields) {
    if (!j.is_object()) {
      problem("an object is expected here, not " + describe(j));
      return;
    }
    for (auto it = j.begin(); it != j.end(); ++it) {
      if (it.key() == "computed") continue;
      const Field* known = nullptr;
      for (const Field& f : fields) {
        if (f.name == it.key()) known = &f;
      }
      within(pointerStep(it.key()), [&] {
        if (known) {
          known->read(it.value());
        } else {
          problem("unknown field");
        }
      });
    }
  }

  // ---- Values ---------------------------------------------------------------

  bool isNumber(const Json& v) {
    if (v.is_number()) return true;
    problem("a number is expected, not " + describe(v));
    return false;
  }

  void take(const Json& v, Single& f) {
    if (!isNumber(v)) return;
    const double d = v.get<double>();
    if (std::abs(d) > static_cast<double>(std::numeric_limits<Single>::max())) {
      problem(v.dump() + " is beyond the range of the field");
      return;
    }
    f = static_cast<Single>(d);
  }

  template <typename Whole>
  void takeWhole(const Json& v, Whole& f) {
    if (!isNumber(v)) return;
    const double d = v.get<double>();
    constexpr auto kLeast = std::numeric_limits<Whole>::min();
    constexpr auto kMost = std::numeric_limits<Whole>::max();
    if (d != std::floor(d)) {
      problem("a whole number is expected, not " + v.dump());
    } else if (d < kLeast || d > kMost) {
      problem(v.dump() + " is out of the range " + std::to_string(kLeast) + " to " +
              std::to_string(kMost) + " of the field");
    } else {
      f = static_cast<Whole>(d);
    }
  }
  void take(const Json& v, Integer& f) { takeWhole(v, f); }
  void take(const Json& v, Long& f) { takeWhole(v, f); }

  void take(const Json& v, bool& f) {
    if (v.is_boolean()) {
      f = v.get<bool>();
    } else {
      problem("true or false is expected, not " + describe(v));
    }
  }

  // A text as the file can hold it: in its code page, on one line, and read back the same.
  void takeText(const Json& v, std::string& f, TextKind kind) {
    if (!v.is_string()) {
      problem("a text is expected, not " + describe(v));
      return;
    }
    const auto& s = v.get_ref<const std::string&>();
    int unmappable = 0;
    const std::string bytes = cp1252FromUtf8(s, &unmappable);
    const bool control = std::any_of(bytes.begin(), bytes.end(), [](char c) {
      return static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
    });
    if (unmappable > 0) {
      problem("holds a character that the file's code page, Windows-1252, cannot hold");
    } else if (control) {
      problem("holds a control character (a TAB or a line end), which the file cannot hold");
    } else if (trimmed(s) != s) {
      problem("begins or ends with blanks, which the file does not keep");
    } else if (s.starts_with('*')) {
      problem("begins with \"*\", which would make its line a comment");
    } else if (s.starts_with("------")) {
      problem("begins with \"------\", which would make its line a banner");
    } else if (kind == TextKind::BulkheadName && bytes.size() > kBulkheadNameWidth) {
      problem("is longer than the " + std::to_string(kBulkheadNameWidth) +
              " characters the file keeps of a bulkhead name");
    } else {
      f = s;
    }
  }

  template <typename T, typename ReadItem>
  void takeList(const Json& v, List<T>& items, int most, ReadItem readItem) {
    if (!v.is_array()) {
      problem("a list is expected, not " + describe(v));
      return;
    }
    if (v.size() > static_cast<std::size_t>(most)) {
      problem("holds " + std::to_string(v.size()) + " items; the file keeps at most " +
              std::to_string(most));
      return;
    }
    items.redim(0);
    for (std::size_t i = 0; i < v.size(); ++i) {
      T& item = items.append();
      within(std::to_string(i), [&] { readItem(v[i], item); });
    }
  }

  template <typename T, int N, typename ReadItem>
  void takeFixed(const Json& v, FixedList<T, N>& items, ReadItem readItem) {
    if (!v.is_array()) {
      problem("a list is expected, not " + describe(v));
      return;
    }
    if (v.size() != static_cast<std::size_t>(N)) {
      problem("holds " + std::to_string(v.size()) + " items; the file keeps exactly " +
              std::to_string(N));
      return;
    }
    for (int i = 1; i <= N; ++i) {
      within(std::to_string(i - 1),
             [&] { readItem(v[static_cast<std::size_t>(i - 1)], items.at(i)); });
    }
  }

  // ---- Fields ---------------------------------------------------------------

  template <typename T>
  Field field(std::string_view name, T& f) {
    return {name, [this, &f](const Json& v) { take(v, f); }};
  }
  Field text(std::string_view name, std::string& f, TextKind kind) {
    return {name, [this, &f, kind](const Json& v) { takeText(v, f, kind); }};
  }
  template <typename T>
  Field atLeastOne(std::string_view name, T& f) {
    return {name, [this, &f](const Json& v) {
              T value = 1;
              take(v, value);
              if (value < 1) {
                problem(v.dump() + " is below 1; the file keeps it from 1 on");
              } else {
                f = value;
              }
            }};
  }
  template <typename T>
  Field record(std::string_view name, T& f, void (Reader::*read)(const Json&, T&)) {
    return {name, [this, &f, read](const Json& v) { (this->*read)(v, f); }};
  }
  template <typename T>
  Field list(std::string_view name, List<T>& f, int most, void (Reader::*read)(const Json&, T&)) {
    return {name, [this, &f, most, read](const Json& v) {
              takeList(v, f, most,
                       [this, read](const Json& item, T& to) { (this->*read)(item, to); });
            }};
  }
  template <typename T, int N>
  Field fixed(std::string_view name, FixedList<T, N>& f, void (Reader::*read)(const Json&, T&)) {
    return {name, [this, &f, read](const Json& v) {
              takeFixed(v, f, [this, read](const Json& item, T& to) { (this->*read)(item, to); });
            }};
  }
  template <int N>
  Field singles(std::string_view name, FixedList<Single, N>& f) {
    return {name, [this, &f](const Json& v) {
              takeFixed(v, f, [this](const Json& item, Single& to) { take(item, to); });
            }};
  }

  // ---- Records --------------------------------------------------------------

  void scantling(const Json& j, Scantling& s) {
    object(j, {field("Typ", s.Typ), field("H1", s.H1), field("E1", s.E1), field("H2", s.H2),
               field("E2", s.E2)});
  }

  void node(const Json& j, Node& n) {
    // The file numbers nodes by their place (see bulkhead); the number given is only checked.
    Integer number = 0;
    object(j, {field("Y", n.Y), field("Z", n.Z), field("Abs", number), field("Inter", n.Inter),
               field("Ipan", n.Ipan), field("Inod", n.Inod), field("ShCur", n.ShCur),
               field("ShYT", n.ShYT), field("ShZT", n.ShZT), field("ShR", n.ShR),
               field("PCod", n.PCod), field("knu", n.knu)});
  }

  void primaryMember(const Json& j, PrimaryMember& m) {
    object(j, {field("Position", m.Position), field("HV", m.HV)});
  }

  void bracket(const Json& j, Bracket& b) {
    object(j, {field("Fixed", b.Fixed), field("Enabled", b.Enabled), field("Length", b.Length),
               record("Scantling", b.Scant, &Reader::scantling)});
    if (!b.Enabled && (b.Length != 0 || b.Scant != Scantling{})) {
      problem("the length and scantling of a bracket that is not enabled are not kept by the file");
    }
  }

  void span(const Json& j, StiffenerSpan& s) {
    object(j, {field("HasScantling", s.HasScantling), field("Mat", s.Mat),
               record("Scantling", s.Scant, &Reader::scantling),
               field("LowerBracketLength", s.LowerBracketLength),
               field("UpperBracketLength", s.UpperBracketLength)});
    if (!s.HasScantling && (s.Mat != 0 || s.Scant != Scantling{})) {
      problem("the material and scantling of a span without HasScantling are not kept by the file");
    }
    const bool kept = s.LowerBracketLength + s.UpperBracketLength > 0;
    if (!kept && (s.LowerBracketLength != 0 || s.UpperBracketLength != 0)) {
      problem("bracket lengths whose sum is not above 0 are not kept by the file");
    }
  }

  void stiffener(const Json& j, OrdinaryStiffener& s) {
    object(j, {field("Position", s.Position), field("iMat", s.iMat),
               record("Scantling", s.Scant, &Reader::scantling),
               fixed("Brackets", s.Brackets, &Reader::bracket),
               list("Spans", s.Spans, kMaxIndexedListLength, &Reader::span),
               field("SpanReduction", s.SpanReduction), field("TypeConn", s.TypeConn)});
  }

  void strake(const Json& j, Strake& s) {
    object(j, {field("Y", s.Y), field("Th", s.Th), field("iMat", s.iMat)});
  }

  void strakeBand(const Json& j, StrakeBand& b) {
    object(j,
           {field("Z", b.Z), list("Strakes", b.Strakes, kMaxIndexedListLength, &Reader::strake)});
    if (!b.Strakes.isDimensioned())
      problem("a strake band without strakes is not kept by the file");
  }

  void fillingPoint(const Json& j, FillingPoint& p) {
    object(j, {field("H", p.H), field("L", p.L), field("B", p.B)});
  }

  void compartment(const Json& j, Compartment& c) {
    object(j, {text("Name", c.Name, TextKind::Line), field("A", c.A), field("B", c.B),
               field("UseComputedYZ", c.UseComputedYZ), field("UseRuleRoll", c.UseRuleRoll),
               singles("Table1", c.Table1), field("N", c.N), singles("Table2", c.Table2),
               singles("Table3", c.Table3),
               list("Points", c.Points, kMostFillingLevels, &Reader::fillingPoint),
               field("Flag3", c.Flag3), field("Flag4", c.Flag4), field("Flag5", c.Flag5),
               field("C", c.C), field("D", c.D), field("Flag6", c.Flag6)});
  }

  void corrugation(const Json& j, Corrugation& c) {
    object(j, {field("Start", c.Start), field("S1", c.S1), field("A", c.A), field("D", c.D),
               field("FixedUpper", c.FixedUpper), field("FixedLower", c.FixedLower)});
  }

  void bulkhead(const Json& j, Bulkhead& b) {
    object(j, {text("Name", b.Name, TextKind::BulkheadName), field("Typ", b.Typ),
               field("iMat", b.iMat), field("stfside", b.stfside), field("stfHV", b.stfHV),
               field("Stool1Enabled", b.Stool1Enabled), field("Stool1Z", b.Stool1Z),
               field("Stool2Enabled", b.Stool2Enabled), field("Stool2Z", b.Stool2Z),
               field("UpperStoolSloped", b.UpperStoolSloped),
               list("Nodes", b.Nodes, kMostAddressed, &Reader::node),
               list("PrimaryMembers", b.PrimaryMembers, kMostAddressed, &Reader::primaryMember),
               list("Stiffeners", b.Stiffeners, kMostAddressed, &Reader::stiffener),
               list("StrakeBands", b.StrakeBands, kMaxIndexedListLength, &Reader::strakeBand),
               fixed("Compartments", b.Compartments, &Reader::compartment),
               record("Corrugation", b.Corr, &Reader::corrugation)});
    for (int i = 1; i <= b.Nodes.count(); ++i) b.Nodes.at(i).Abs = static_cast<Integer>(i);
  }

  std::string path_;
};

// The parser's own words, without its prefix, and "ends early" said plainly.
std::string parseProblem(const Json::parse_error& error, std::size_t size) {
  std::string text = error.what();
  const std::size_t at = text.find("parse error");
  if (at != std::string::npos) text.erase(0, at);
  if (error.byte > size) return "the document ends early: " + text;
  return "not valid JSON: " + text;
}

// A number too large for any value stops the JSON library with an exception of
// its own that names the number but not its place: the line is that of the
// number's first appearance in the document.
std::string numberProblem(const Json::out_of_range& error, std::string_view document) {
  const std::string text = error.what();
  const std::size_t open = text.find('\'');
  const std::size_t close = text.rfind('\'');
  if (open == std::string::npos || close <= open) return "a number beyond any range";
  const std::string number = text.substr(open + 1, close - open - 1);
  const std::size_t at = document.find(number);
  if (at == std::string_view::npos) return "the number " + number + " is beyond any range";
  const auto line =
      1 + std::count(document.begin(), document.begin() + static_cast<std::ptrdiff_t>(at), '\n');
  return "line " + std::to_string(line) + ": the number " + number + " is beyond any range";
}

}  // namespace

ArrangementJsonResult readArrangementJson(std::string_view text) {
  bool tooDeep = false;
  const auto depthLimit = [&tooDeep](int depth, Json::parse_event_t /*event*/, Json& /*value*/) {
    if (depth > kDeepest) tooDeep = true;
    return depth <= kDeepest;
  };
  Json document;
  // The JSON library tells a malformed document or a number too large only by an
  // exception; it is turned into a problem here and goes no further.
  try {
    document = Json::parse(text, depthLimit);
  } catch (const Json::parse_error& error) {
    return {std::nullopt, {{"", parseProblem(error, text.size())}}};
  } catch (const Json::out_of_range& error) {
    return {std::nullopt, {{"", numberProblem(error, text)}}};
  }
  if (tooDeep) return {std::nullopt, {{"", "nested deeper than any arrangement"}}};
  Reader reader;
  Arrangement arrangement;
  reader.arrangement(document, arrangement);
  if (!reader.problems.empty()) return {std::nullopt, std::move(reader.problems)};
  return {std::move(arrangement), {}};
}

}  // namespace korain
