// A path's segments, as a vector of them, kept in the art itself up to two and in a block of
// their own beyond. Nearly every path a table makes is a rule of two segments: it then costs no
// allocation of its own when it is made or disposed of, and whatever walks the document reads
// its points where it reads the rest of the art.
#pragma once

#include "sdk/AIPath.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <vector>

namespace host::doc {

class PathSegments {
public:
    // How many are kept in place.
    static constexpr size_t kInPlace = 2;

    using value_type = AIPathSegment;
    using iterator = AIPathSegment*;
    using const_iterator = const AIPathSegment*;

    PathSegments() = default;
    PathSegments(std::initializer_list<AIPathSegment> segments) { assign(segments.begin(), segments.end()); }
    PathSegments(const PathSegments& other) { assign(other.begin(), other.end()); }
    PathSegments(PathSegments&& other) noexcept { take(other); }
    ~PathSegments() = default;

    PathSegments& operator=(const PathSegments& other)
    {
        if (this != &other)
            assign(other.begin(), other.end());
        return *this;
    }
    PathSegments& operator=(PathSegments&& other) noexcept
    {
        if (this != &other)
            take(other);
        return *this;
    }
    PathSegments& operator=(std::initializer_list<AIPathSegment> segments)
    {
        assign(segments.begin(), segments.end());
        return *this;
    }
    PathSegments& operator=(const std::vector<AIPathSegment>& segments)
    {
        assign(segments.data(), segments.data() + segments.size());
        return *this;
    }

    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    size_t capacity() const { return block_ ? capacity_ : kInPlace; }

    AIPathSegment* data() { return block_ ? block_.get() : inPlace_; }
    const AIPathSegment* data() const { return block_ ? block_.get() : inPlace_; }
    iterator begin() { return data(); }
    iterator end() { return data() + size_; }
    const_iterator begin() const { return data(); }
    const_iterator end() const { return data() + size_; }

    AIPathSegment& operator[](size_t i) { return data()[i]; }
    const AIPathSegment& operator[](size_t i) const { return data()[i]; }
    const AIPathSegment& at(size_t i) const
    {
        if (i >= size_)
            throw std::out_of_range("no such segment");
        return data()[i];
    }
    AIPathSegment& at(size_t i) { return const_cast<AIPathSegment&>(static_cast<const PathSegments&>(*this).at(i)); }
    AIPathSegment& front() { return data()[0]; }
    const AIPathSegment& front() const { return data()[0]; }
    AIPathSegment& back() { return data()[size_ - 1]; }
    const AIPathSegment& back() const { return data()[size_ - 1]; }

    void reserve(size_t count)
    {
        if (count > capacity())
            moveTo(count);
    }
    void push_back(const AIPathSegment& segment)
    {
        if (size_ == capacity()) {
            const AIPathSegment kept = segment; // it may lie in the room about to move
            moveTo(2 * size_);
            data()[size_++] = kept;
            return;
        }
        data()[size_++] = segment;
    }
    // New segments are value-initialised (all zero), as a vector's are.
    void resize(size_t count) { resize(count, AIPathSegment{}); }
    void resize(size_t count, const AIPathSegment& value)
    {
        const uint32_t wanted = checked(count);
        if (wanted > size_) {
            const AIPathSegment kept = value;
            reserve(wanted);
            std::fill(data() + size_, data() + wanted, kept);
        }
        size_ = wanted;
    }
    void clear() { size_ = 0; }

private:
    static uint32_t checked(size_t count)
    {
        if (count > UINT32_MAX)
            throw std::length_error("too many segments for a path");
        return static_cast<uint32_t>(count);
    }

    void assign(const AIPathSegment* first, const AIPathSegment* last)
    {
        const uint32_t count = checked(static_cast<size_t>(last - first));
        if (count > capacity()) {
            // Room of its own, the segments copied before the old room goes.
            std::unique_ptr<AIPathSegment[]> block(new AIPathSegment[count]);
            std::copy(first, last, block.get());
            block_ = std::move(block);
            capacity_ = count;
        } else {
            std::copy(first, last, data());
        }
        size_ = count;
    }

    // Into room for `count`, or for the in-place ones where that is more.
    void moveTo(size_t count)
    {
        const uint32_t room = checked(std::max(count, kInPlace + 1));
        std::unique_ptr<AIPathSegment[]> block(new AIPathSegment[room]);
        std::copy(begin(), end(), block.get());
        capacity_ = room;
        block_ = std::move(block);
    }

    // The other's segments, the other left empty.
    void take(PathSegments& other) noexcept
    {
        if (other.block_) {
            block_ = std::move(other.block_);
            capacity_ = other.capacity_;
        } else {
            block_.reset();
            std::copy(other.inPlace_, other.inPlace_ + other.size_, inPlace_);
        }
        size_ = other.size_;
        other.size_ = 0;
    }

    std::unique_ptr<AIPathSegment[]> block_; // null while they are in place
    uint32_t size_ = 0;
    uint32_t capacity_ = 0; // of block_
    AIPathSegment inPlace_[kInPlace];
};

} // namespace host::doc
