// SPDX-License-Identifier: MIT
#pragma once

#include <cassert>
#include <vector>

namespace cinta {

// Controls of one kind and role, indexed from 0 and written Name(Index). The members are
// widgets created with the window and owned by their Qt parent; the array only names them.
template <class T>
class ControlArray {
 public:
  void Add(T* member) { members_.push_back(member); }

  T& operator()(int index) const {
    assert(index >= 0 && index < Count());
    return *members_[static_cast<std::size_t>(index)];
  }
  int Count() const { return static_cast<int>(members_.size()); }

 private:
  std::vector<T*> members_;
};

}  // namespace cinta
