// SPDX-License-Identifier: MIT
#pragma once

#include <cassert>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "controls/WindowlessControl.h"

namespace cinta {

class WindowlessContainer;

// The members of one control array of windowless controls, as their container paints and
// hit-tests them. Layers are painted in the order they joined the container.
class WindowlessLayer {
 public:
  WindowlessLayer() = default;
  virtual ~WindowlessLayer() = default;
  WindowlessLayer(const WindowlessLayer&) = delete;
  WindowlessLayer& operator=(const WindowlessLayer&) = delete;

  virtual int Count() const = 0;
  virtual const WindowlessControl& Member(int index) const = 0;
  virtual WindowlessControl& Member(int index) = 0;

  // The members [first, last) whose vertical extent meets [top, bottom), in container twips.
  // Found by binary search, never by a walk over every member: the members lie top to bottom in
  // index order and share one size, as the rows of a tape do.
  std::pair<int, int> MembersBetween(int top, int bottom) const;

  // One handler for every member that takes clicks, told the member's index.
  void SetClickHandler(std::function<void(int)> handler) { clickHandler_ = std::move(handler); }
  void Click(int index) const {
    if (clickHandler_) clickHandler_(index);
  }
  // One handler for what the user types into a member, told the member's index and the text it
  // is to hold; it writes that text. Returns false when the layer has none.
  void SetEditHandler(std::function<void(int, std::string_view)> handler) {
    editHandler_ = std::move(handler);
  }
  bool Edit(int index, std::string_view text) const {
    if (!editHandler_) return false;
    editHandler_(index, text);
    return true;
  }

  WindowlessContainer* Container() const { return container_; }

 protected:
  // Makes `member` one of this layer's, with the given visibility and without a repaint.
  void Adopt(WindowlessControl& member, bool visible) const {
    member.layer_ = this;
    member.visible_ = visible;
  }
  // Called before the members from `first` to the end are removed.
  void Removing(int first) const;

 private:
  friend class WindowlessContainer;

  WindowlessContainer* container_ = nullptr;
  std::function<void(int)> clickHandler_;
  std::function<void(int, std::string_view)> editHandler_;
};

// A control array of windowless controls, indexed from 0 and written Name(Index). Run-time
// members are copies of member 0 that start hidden; they are added at the end and removed from
// the end, each in constant time, and removing a run of k members costs O(k). The members keep
// their addresses while they exist. They are stored in contiguous chunks: the core reads every
// row on every key press, and on a long tape that walk is bound by memory, not by arithmetic.
template <class T>
class WindowlessArray : public WindowlessLayer {
 public:
  // The member the array is designed with; it becomes member 0.
  void Add(T member) {
    assert(count_ == 0);
    const bool visible = member.Visible();
    Adopt(Append(std::move(member)), visible);
  }

  int Count() const override { return count_; }
  T& operator()(int index) {
    assert(index >= 0 && index < count_);
    return chunks_[static_cast<std::size_t>(index >> kChunkBits)]
                  [static_cast<std::size_t>(index & (kChunkSize - 1))];
  }
  const T& operator()(int index) const { return const_cast<WindowlessArray&>(*this)(index); }
  const WindowlessControl& Member(int index) const override { return (*this)(index); }
  WindowlessControl& Member(int index) override { return (*this)(index); }

  // Creates the next member as a hidden copy of member 0 and returns it.
  T& Append() {
    assert(count_ > 0);
    T& member = Append(T((*this)(0)));
    Adopt(member, false);
    return member;
  }

  // Removes the last member; member 0 stays.
  void RemoveLast() { RemoveFrom(count_ - 1); }

  // Removes the members from `first` (at least 1) to the end.
  void RemoveFrom(int first) {
    assert(first >= 1);
    if (first >= count_) return;
    Removing(first);
    const auto firstChunk = static_cast<std::size_t>(first >> kChunkBits);
    // Emptied chunks are kept for the members that come back: C removes a long tape's rows and
    // its undo makes them again, and fresh memory costs a page fault for each of its pages.
    for (std::size_t chunk = firstChunk + 1; chunk < chunks_.size(); ++chunk) {
      chunks_[chunk].clear();
      spareChunks_.push_back(std::move(chunks_[chunk]));
    }
    chunks_.resize(firstChunk + 1);
    std::vector<T>& chunk = chunks_.back();
    chunk.erase(chunk.begin() + (first & (kChunkSize - 1)), chunk.end());
    count_ = first;
  }

 private:
  static constexpr int kChunkBits = 10;
  static constexpr int kChunkSize = 1 << kChunkBits;

  T& Append(T member) {
    if (chunks_.empty() || chunks_.back().size() == kChunkSize) {
      if (spareChunks_.empty()) {
        // Reserved whole, so that members never move while they exist.
        chunks_.emplace_back().reserve(kChunkSize);
      } else {
        chunks_.push_back(std::move(spareChunks_.back()));
        spareChunks_.pop_back();
      }
    }
    ++count_;
    return chunks_.back().emplace_back(std::move(member));
  }

  std::vector<std::vector<T>> chunks_;
  std::vector<std::vector<T>> spareChunks_;
  int count_ = 0;
};

}  // namespace cinta
