// Keeping which bulkheads are computed and the messages each gave, between edits.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/geometry_cache.h"

#include <algorithm>

#include "geometry/compute_geometry.h"

namespace korain {

void GeometryCache::invalidateAll(int count) {
  entries_.assign(static_cast<std::size_t>(std::max(count, 0)), Entry{});
}

void GeometryCache::invalidate(const EditScope& scope, int count) {
  const bool lengthChanged = count != static_cast<int>(entries_.size());
  resize(count);
  for (int i = 1; i <= count; ++i) {
    if (scope.touches(i, lengthChanged)) entry(i) = Entry{};
  }
}

void GeometryCache::resize(int count) {
  entries_.resize(static_cast<std::size_t>(std::max(count, 0)));
}

bool GeometryCache::upToDate() const {
  return std::all_of(entries_.begin(), entries_.end(), [](const Entry& e) { return e.computed; });
}

void GeometryCache::compute(Arrangement& arrangement, Integer defaultMaterial) {
  for (int i = 1; i <= arrangement.Bulkheads.count(); ++i) {
    Entry& e = entry(i);
    if (e.computed) continue;
    e.messages = computeCheckedBulkhead(arrangement.Bulkheads.at(i), i, arrangement.SymFlag,
                                        defaultMaterial);
    e.computed = true;
  }
  chooseCurrentBulkhead(arrangement);
}

void GeometryCache::restore(int i, const std::vector<Message>& messages, bool computed) {
  entry(i) = {.computed = computed, .messages = messages};
}

std::vector<Message> GeometryCache::allMessages() const {
  std::vector<Message> all;
  for (const Entry& e : entries_) all.insert(all.end(), e.messages.begin(), e.messages.end());
  return all;
}

MessageCount GeometryCache::count() const {
  MessageCount count;
  for (const Entry& e : entries_) addTo(count, e.messages);
  return count;
}

void GeometryCache::listLatest(MessageList& list) const {
  // Only the newest messages stay in the list: gather them from the end.
  std::vector<const Message*> latest;
  for (auto e = entries_.rbegin(); e != entries_.rend() && latest.size() < MessageList::kCapacity;
       ++e) {
    for (auto m = e->messages.rbegin();
         m != e->messages.rend() && latest.size() < MessageList::kCapacity; ++m) {
      latest.push_back(&*m);
    }
  }
  list.clear();
  std::reverse(latest.begin(), latest.end());
  for (const Message* m : latest) list.add(*m);
}

}  // namespace korain
