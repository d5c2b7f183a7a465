// An ordered collection of records: items in the order added, addressed by 1-based position or
// by an optional key; keys are unique without regard to letter case.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <variant>

#include "control/ImportError.h"
#include "registerxml/UnicodeCase.h"

namespace velloway::registerxml {

template <typename T>
class OrderedCollection {
 public:
  // A 1-based position or a key.
  using IndexOrKey = std::variant<std::int32_t, std::string>;

  // Adds a copy of obj, under sKey when that is not empty, and returns the copy: a caller may
  // fill one scratch record and add it again for every row.
  T& Add(const T& obj, const std::string& sKey = {}) {
    const std::string key = UnicodeUpper(sKey);
    if (!key.empty() && Find(key) != kNotFound) {
      throw ImportError("This key is already associated with an element of this collection", sKey);
    }
    items_.push_back(obj);
    keys_.push_back(key);
    return items_.back();
  }

  T& Item(const IndexOrKey& vntIndexKey) { return items_[Position(vntIndexKey)]; }
  const T& Item(const IndexOrKey& vntIndexKey) const { return items_[Position(vntIndexKey)]; }
  std::int32_t Count() const { return static_cast<std::int32_t>(items_.size()); }
  void Remove(const IndexOrKey& vntIndexKey) {
    const std::size_t at = Position(vntIndexKey);
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(at));
    keys_.erase(keys_.begin() + static_cast<std::ptrdiff_t>(at));
  }

  // Enumeration in collection order.
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  static constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

  std::size_t Find(const std::string& upperKey) const {
    for (std::size_t i = 0; i < keys_.size(); ++i) {
      if (keys_[i] == upperKey) return i;
    }
    return kNotFound;
  }

  std::size_t Position(const IndexOrKey& vntIndexKey) const {
    std::size_t at = kNotFound;
    if (const auto* index = std::get_if<std::int32_t>(&vntIndexKey)) {
      if (*index >= 1 && *index <= Count()) at = static_cast<std::size_t>(*index - 1);
    } else {
      const std::string key = UnicodeUpper(std::get<std::string>(vntIndexKey));
      if (!key.empty()) at = Find(key);
    }
    if (at == kNotFound) throw ImportError("Invalid procedure call or argument");
    return at;
  }

  std::deque<T> items_;
  std::deque<std::string> keys_;  // upper-cased; empty for an item added without a key
};

}  // namespace velloway::registerxml
