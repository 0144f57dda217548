// The JSON Schema of the arrangement, made by walking the records' field tables.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arrangement_schema.h"

#include <limits>
#include <string>
#include <type_traits>

#include "computed_json.h"
#include "model/program_version.h"
#include "model/record_fields.h"
#include "schema_notes.h"

namespace korain {
namespace {

using Json = nlohmann::ordered_json;
using schema_notes::Notes;

// A list that the file keeps its record only with must hold an item.
template <typename Record, typename Item>
bool keepsItsRecord(const Field<Record, List<Item>>& f) {
  if constexpr (requires { Fields<Record>::keptWhen; }) {
    Record holding{};
    f.of(holding).append();
    return Fields<Record>::keptWhen->holds(holding) && !Fields<Record>::keptWhen->holds(Record{});
  } else {
    return false;
  }
}

template <typename Whole>
Json whole(FieldRole role) {
  return {{"type", "integer"},
          {"minimum", role == FieldRole::FromOne ? Whole{1} : std::numeric_limits<Whole>::min()},
          {"maximum", std::numeric_limits<Whole>::max()}};
}

Json number() {
  constexpr double kMost = std::numeric_limits<Single>::max();
  return {{"type", "number"}, {"minimum", -kMost}, {"maximum", kMost}};
}

// Each record becomes a definition, made the first time a field refers to it.
class SchemaWriter {
 public:
  Json definitions = Json::object();

  SchemaWriter() {
    definitions["text"] = {
        {"type", "string"},
        {"pattern", R"(^(?![ *])(?!------)[^\u0000-\u001f\u007f]*(?<! )$)"},
        {"description",
         "A text of one line of the file, in Windows-1252: no control characters, no blanks "
         "around it, not beginning with \"*\" (a comment) or \"------\" (a banner)."}};
  }

  template <Described Record>
  Json reference() {
    const std::string name(Notes<Record>::name);
    if (!definitions.contains(name)) define<Record>(name);
    return {{"$ref", "#/$defs/" + name}};
  }

 private:
  template <Described Record>
  void define(const std::string& name) {
    Json properties = Json::object();
    forEachField<Record>([&](const auto& f) {
      Json property = value(f);
      if (!f.description.empty()) property["description"] = f.description;
      properties[std::string(f.name)] = property;
    });
    if constexpr (requires(const Record& r) { computed_json::of(r); }) {
      properties["computed"] = {
          {"description", "Computed geometry written by dump; ignored by load."}};
    }
    definitions[name] = {{"type", "object"},
                         {"description", Notes<Record>::text},
                         {"properties", properties},
                         {"additionalProperties", false}};
  }

  template <typename Record, typename T>
  Json value(const Field<Record, T>& f) {
    if constexpr (std::is_same_v<T, bool>) {
      return {{"type", "boolean"}};
    } else if constexpr (std::is_same_v<T, std::string>) {
      Json text = {{"$ref", "#/$defs/text"}};
      if (f.most > 0) text["maxLength"] = f.most;
      return text;
    } else if constexpr (std::is_same_v<T, Single>) {
      return number();
    } else if constexpr (std::is_integral_v<T>) {
      if (f.codes.empty()) return whole<T>(f.role);
      return {{"enum", Json(std::vector<Long>(f.codes.begin(), f.codes.end()))}};
    } else {
      return reference<T>();
    }
  }

  template <typename Record, typename Item, int N>
  Json value(const Field<Record, FixedList<Item, N>>& /*f*/) {
    return {{"type", "array"}, {"items", item<Item>()}, {"minItems", N}, {"maxItems", N}};
  }

  template <typename Record, typename Item>
  Json value(const Field<Record, List<Item>>& f) {
    Json list = {{"type", "array"}, {"items", item<Item>()}};
    if (keepsItsRecord(f)) list["minItems"] = 1;
    list["maxItems"] = f.most;
    return list;
  }

  template <typename Item>
  Json item() {
    if constexpr (Described<Item>) {
      return reference<Item>();
    } else {
      static_assert(std::is_same_v<Item, Single>, "a list of values holds Singles");
      return number();
    }
  }
};

}  // namespace

Json arrangementSchema() {
  SchemaWriter writer;
  Json top = writer.reference<Arrangement>();
  return {{"$schema", "https://json-schema.org/draft/2020-12/schema"},
          {"$id", "https://korain.org/schema/" + std::string(kReleaseVersion) +
                      "/arrangement.schema.json"},
          {"title", "Korain bulkhead arrangement"},
          {"description",
           "A bulkhead arrangement as korain-cli dump writes it and korain-cli load reads it. "
           "Field names are those of the model; lists are JSON arrays (JSON Pointers in messages "
           "count from 0). Every field may be left out: it then keeps its cleared value (0, "
           "false, empty; StateType and StateIndex 1). Texts are UTF-8 here and Windows-1252 in "
           "the file."},
          {"$ref", top["$ref"]},
          {"$defs", writer.definitions}};
}

}  // namespace korain
