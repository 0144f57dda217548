// The arrangement as JSON, for the dump command and for comparing files by content.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arrangement_json.h"

#include <string>

#include "computed_json.h"
#include "json_numbers.h"
#include "model/record_fields.h"

namespace korain {
namespace {

using Json = nlohmann::ordered_json;

// The stored fields of every record, in the order of its field table, and with
// `computed` its computed fields under the key "computed".
class ArrangementJson {
 public:
  explicit ArrangementJson(bool computed) : computed_(computed) {}

  template <Described Record>
  Json value(const Record& record) const {
    Json result = Json::object();
    forEachField<Record>([&](const auto& f) { result[std::string(f.name)] = value(f.of(record)); });
    if constexpr (requires { computed_json::of(record); }) {
      const Json computed = computed_json::of(record);
      if (computed_ && !computed.is_null()) result["computed"] = computed;
    }
    return result;
  }

  Json value(Single v) const { return single(v); }
  Json value(Long v) const { return v; }
  Json value(Integer v) const { return v; }
  Json value(bool v) const { return v; }
  Json value(const std::string& v) const { return v; }

  template <typename Items>
  requires requires(const Items& items) { items.begin(); }
  Json value(const Items& items) const {
    Json result = Json::array();
    for (const auto& item : items) result.push_back(value(item));
    return result;
  }

 private:
  bool computed_;
};

}  // namespace

Json arrangementJson(const Arrangement& arrangement, ComputedFields computed) {
  return ArrangementJson(computed == ComputedFields::Included).value(arrangement);
}

}  // namespace korain
