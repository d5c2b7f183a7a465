// The ordered collection the register records live in: items in insertion order, addressed by a
// 1-based index or by an optional text key. Keys are unique and compare without regard to
// letter case; adding an existing key is an error.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <unordered_map>

#include "core/ImportError.h"

namespace velloway {

// The key as the collection compares it: full Unicode case folding of UTF-8 text.
std::string FoldKey(const std::string& key);

template <typename T>
class OrderedCollection {
 public:
  // Appends an item; a non-empty key must not be in use yet.
  T& Add(T item, const std::string& key = {}) {
    if (!key.empty()) {
      const auto [it, inserted] = indexByKey_.try_emplace(FoldKey(key), items_.size());
      if (!inserted)
        throw ImportError("This key is already associated with an element of this collection", key);
    }
    items_.push_back(std::move(item));
    return items_.back();
  }

  std::int32_t Count() const { return static_cast<std::int32_t>(items_.size()); }

  // The item at a 1-based position; throws for a position outside the collection.
  T& Item(std::int32_t index) {
    if (index < 1 || index > Count()) throw ImportError("Subscript out of range");
    return items_[static_cast<std::size_t>(index - 1)];
  }
  const T& Item(std::int32_t index) const {
    return const_cast<OrderedCollection*>(this)->Item(index);
  }

  bool Contains(const std::string& key) const { return indexByKey_.count(FoldKey(key)) > 0; }
  // The item of a key; throws when no item has it.
  T& Item(const std::string& key) {
    const auto it = indexByKey_.find(FoldKey(key));
    if (it == indexByKey_.end()) throw ImportError("Invalid procedure call or argument", key);
    return items_[it->second];
  }

  // Removes the item at a 1-based position, or the item of a key; throws when there is none.
  void Remove(std::int32_t index) {
    if (index < 1 || index > Count()) throw ImportError("Subscript out of range");
    RemoveAt(static_cast<std::size_t>(index - 1));
  }
  void Remove(const std::string& key) {
    const auto it = indexByKey_.find(FoldKey(key));
    if (it == indexByKey_.end()) throw ImportError("Invalid procedure call or argument", key);
    RemoveAt(it->second);
  }

  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  void RemoveAt(std::size_t at) {
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(at));
    for (auto it = indexByKey_.begin(); it != indexByKey_.end();) {
      if (it->second == at) {
        it = indexByKey_.erase(it);
        continue;
      }
      if (it->second > at) --it->second;
      ++it;
    }
  }

  // A deque: a large collection grows without moving what it holds, so it never needs its old
  // and its new storage at once.
  std::deque<T> items_;
  std::unordered_map<std::string, std::size_t> indexByKey_;
};

}  // namespace velloway
