// The computed geometry an editor keeps between edits: which bulkheads are
// computed and the messages each one gave. An edit then recomputes only the
// bulkheads it can change, and the message list reads as after a full run.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "messages/message_count.h"
#include "messages/message_list.h"
#include "model/arrangement.h"
#include "model/edit_scope.h"

namespace korain {

class GeometryCache {
 public:
  // `count` bulkheads, none computed (a new or opened arrangement, F9).
  void invalidateAll(int count);
  // Follows the bulkhead list to `count` entries; the bulkheads of `scope`
  // are to compute again.
  void invalidate(const EditScope& scope, int count);
  // Follows the bulkhead list to `count` entries; new ones are to compute.
  void resize(int count);

  bool upToDate() const;
  bool isComputed(int i) const { return entry(i).computed; }

  // Computes the bulkheads that are not computed, then settles the current
  // bulkhead as a full computation does. The bulkhead list must have as many
  // entries as the cache.
  void compute(Arrangement& arrangement, Integer defaultMaterial);

  // The messages of bulkhead i, as its last computation gave them.
  const std::vector<Message>& messagesOf(int i) const { return entry(i).messages; }
  // Takes what an undo copy of bulkhead i kept.
  void restore(int i, const std::vector<Message>& messages, bool computed);

  // Every bulkhead's messages in order, as a computation of every bulkhead
  // would give them now.
  std::vector<Message> allMessages() const;
  // How many errors and warnings they are, counted in place.
  MessageCount count() const;
  // The latest `MessageList::kCapacity` of them, as such a computation leaves
  // the list.
  void listLatest(MessageList& list) const;

 private:
  struct Entry {
    bool computed = false;
    std::vector<Message> messages;
  };

  const Entry& entry(int i) const { return entries_.at(static_cast<std::size_t>(i - 1)); }
  Entry& entry(int i) { return entries_.at(static_cast<std::size_t>(i - 1)); }

  std::vector<Entry> entries_;
};

}  // namespace korain
