// The machine's address space: a growable array of words, with a flag per
// word that marks the header words of segments. Storage is kept beyond the
// words in use, so that creating a segment within the capacity is a few
// stores and the fast loop can do it without allocating; only the machine's
// growth step allocates.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <span>

namespace kam {

class WordSpace {
 public:
  std::size_t size() const { return size_; }
  std::size_t capacity() const { return capacity_; }
  bool empty() const { return size_ == 0; }

  std::int32_t* words() { return words_.get(); }
  std::uint8_t* header_flags() { return headers_.get(); }
  const std::uint8_t* header_flags() const { return headers_.get(); }
  std::int32_t& operator[](std::size_t at) { return words_[at]; }
  std::int32_t operator[](std::size_t at) const { return words_[at]; }
  bool is_header(std::size_t at) const { return headers_[at] != 0; }
  void mark_header(std::size_t at) { headers_[at] = 1; }
  std::span<const std::int32_t> span() const { return {words_.get(), size_}; }

  // Appends count zero words that are no header; false (and nothing
  // changed) when the storage cannot be had.
  bool grow(std::size_t count) {
    if (count > capacity_ - size_ && !reserve(size_ + count)) return false;
    grow_within(count);
    return true;
  }

  // grow() when count words fit into the capacity. The few words of a
  // small segment are cleared with stores of a fixed size, where there is
  // room for them, rather than a call.
  void grow_within(std::size_t count) {
    if (count <= small_room && capacity_ - size_ >= small_room) {
      std::fill_n(words_.get() + size_, small_room, 0);
      std::fill_n(headers_.get() + size_, small_room, std::uint8_t{0});
      size_ += count;
      return;
    }
    std::fill_n(words_.get() + size_, count, 0);
    std::fill_n(headers_.get() + size_, count, std::uint8_t{0});
    size_ += count;
  }

  // Appends a segment: a header of four words (sn, length, stat, dyn) and
  // length zero words, when they fit into the capacity; the address of its
  // first data word. A small segment is cleared with stores of a fixed
  // size, where there is room for them.
  std::size_t append_segment_within(std::int32_t sn, std::int32_t length, std::int32_t stat,
                                    std::int32_t dyn) {
    const std::size_t header = size_;
    const auto data = static_cast<std::size_t>(length);
    if (data <= small_data && capacity_ - header >= small_room)
      return append_small_segment(sn, length, stat, dyn);
    std::int32_t* word = words_.get() + header;
    std::uint8_t* flag = headers_.get() + header;
    std::fill_n(word + 4, data, 0);
    std::fill_n(flag, 4, std::uint8_t{1});
    std::fill_n(flag + 4, data, std::uint8_t{0});
    word[0] = sn;
    word[1] = length;
    word[2] = stat;
    word[3] = dyn;
    size_ = header + 4 + data;
    return header + 4;
  }

  // The most data words of a segment that append_small_segment appends,
  // and the words beyond the size that it needs of the capacity.
  static constexpr std::size_t small_data = 12;
  static constexpr std::size_t small_room = 16;

  // append_segment_within for at most small_data data words when the
  // capacity holds small_room words beyond the size: stores of a fixed
  // size, no test.
  std::size_t append_small_segment(std::int32_t sn, std::int32_t length, std::int32_t stat,
                                   std::int32_t dyn) {
    const std::int32_t sn_length[2] = {sn, length};
    const std::int32_t stat_dyn[2] = {stat, dyn};
    std::uint64_t links;
    std::memcpy(&links, stat_dyn, sizeof links);
    return append_small_segment(sn_length, links);
  }

  // The same with the header as it lies in memory: sn and length at
  // sn_length[0] and [1], then the 8 bytes of links (stat and dyn).
  std::size_t append_small_segment(const std::int32_t* sn_length, std::uint64_t links) {
    const std::size_t header = size_;
    std::int32_t* word = words_.get() + header;
    std::fill_n(word + 4, small_room - 4, 0);
    std::memcpy(headers_.get() + header, small_segment_flags, small_room);
    std::memcpy(word, sn_length, 2 * sizeof *word);
    std::memcpy(word + 2, &links, sizeof links);
    size_ = header + 4 + static_cast<std::size_t>(sn_length[1]);
    return header + 4;
  }

  void shrink(std::size_t size) {
    if (size < size_) size_ = size;
  }
  // shrink() to a size known to be no larger.
  void cut_to(std::size_t size) { size_ = size; }

 private:
  static constexpr std::uint8_t small_segment_flags[small_room] = {1, 1, 1, 1};

  bool reserve(std::size_t wanted) {
    std::size_t capacity = capacity_ < 1024 ? 1024 : capacity_;
    while (capacity < wanted) capacity *= 2;
    std::unique_ptr<std::int32_t[]> words(new (std::nothrow) std::int32_t[capacity]);
    std::unique_ptr<std::uint8_t[]> headers(new (std::nothrow) std::uint8_t[capacity]);
    if (!words || !headers) return false;
    std::copy_n(words_.get(), size_, words.get());
    std::copy_n(headers_.get(), size_, headers.get());
    words_ = std::move(words);
    headers_ = std::move(headers);
    capacity_ = capacity;
    return true;
  }

  std::unique_ptr<std::int32_t[]> words_;
  std::unique_ptr<std::uint8_t[]> headers_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace kam
