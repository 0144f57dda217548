// An arrangement read back from the JSON that the dump command writes.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arrangement_json_reader.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <nlohmann/json.hpp>
#include <type_traits>

#include "model/record_fields.h"
#include "text/cp1252.h"
#include "text/text_utils.h"

namespace korain {
namespace {

using Json = nlohmann::json;

// An arrangement nests 7 levels deep; anything deeper is no arrangement.
constexpr int kDeepest = 16;
constexpr std::size_t kMostProblems = 50;

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
  std::vector<JsonProblem> problems;

  // The fields a record's table names, each checked as the file would keep it.
  template <Described Record>
  void take(const Json& j, Record& r) {
    if (!j.is_object()) {
      problem("an object is expected here, not " + describe(j));
      return;
    }
    for (auto it = j.begin(); it != j.end(); ++it) {
      if (it.key() == "computed") continue;
      within(pointerStep(it.key()), [&] {
        const bool known =
            visitFieldNamed<Record>(it.key(), [&](const auto& f) { takeField(it.value(), f, r); });
        if (!known) problem("unknown field");
      });
    }
    reportUnkept(r);
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

  template <typename Record, typename T>
  void takeField(const Json& v, const Field<Record, T>& f, Record& r) {
    if constexpr (std::is_same_v<T, std::string>) {
      takeText(v, f.of(r), f.most);
    } else if constexpr (requires { f.of(r).redim(0); }) {
      takeList(v, f.of(r), f.most);
    } else if constexpr (std::is_arithmetic_v<T>) {
      if (f.role == FieldRole::Place) {
        T checkedOnly{};  // the file numbers items by their place (see takeList)
        take(v, checkedOnly);
      } else if (f.role == FieldRole::FromOne) {
        takeFromOne(v, f.of(r));
      } else {
        take(v, f.of(r));
      }
    } else {
      take(v, f.of(r));
    }
  }

  // Fields given although the file would not keep them, one problem for each rule.
  template <Described Record>
  void reportUnkept(const Record& r) {
    const Condition<Record>* reported = nullptr;
    forEachField<Record>([&](const auto& f) {
      using T = typename std::decay_t<decltype(f)>::Type;
      if (f.kept(r) || f.of(r) == T{} || f.keptWhen == reported) return;
      reported = f.keptWhen;
      problem(std::string(f.keptWhen->otherwise));
    });
    if constexpr (requires { Fields<Record>::keptWhen; }) {
      if (!Fields<Record>::keptWhen->holds(r))
        problem(std::string(Fields<Record>::keptWhen->otherwise));
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

  template <typename T>
  void takeFromOne(const Json& v, T& f) {
    T value = 1;
    take(v, value);
    if (value < 1) {
      problem(v.dump() + " is below 1; the file keeps it from 1 on");
    } else {
      f = value;
    }
  }

  // A text as the file can hold it: in its code page, on one line, read back
  // the same, and within the characters the file keeps of it (most; 0: any).
  void takeText(const Json& v, std::string& f, int most) {
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
    } else if (most > 0 && bytes.size() > static_cast<std::size_t>(most)) {
      problem("is longer than the " + std::to_string(most) + " characters the file keeps of it");
    } else {
      f = s;
    }
  }

  template <typename T>
  void takeList(const Json& v, List<T>& items, int most) {
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
      within(std::to_string(i), [&] { take(v[i], item); });
      numberByPlace(item, items.count());
    }
  }

  template <typename T, int N>
  void take(const Json& v, FixedList<T, N>& items) {
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
      within(std::to_string(i - 1), [&] { take(v[static_cast<std::size_t>(i - 1)], items.at(i)); });
    }
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
  reader.take(document, arrangement);
  if (!reader.problems.empty()) return {std::nullopt, std::move(reader.problems)};
  return {std::move(arrangement), {}};
}

}  // namespace korain
