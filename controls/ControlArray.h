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

  // The index of a member, or -1: lets one handler serve every member of the array.
  int IndexOf(const T* member) const {
    for (std::size_t i = 0; i < members_.size(); ++i)
      if (members_[i] == member) return static_cast<int>(i);
    return -1;
  }

 private:
  std::vector<T*> members_;
};

}  // namespace cinta
