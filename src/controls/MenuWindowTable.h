#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace corvalith {

// The table of popup-menu windows the menu frame currently draws, keyed by window handle: a fixed
// number of buckets (1000 for the program's table), a handle h falling in bucket
// ((16807 * h) mod (2^31 - 1)) mod bucket count. Each handle appears at most once.
template <typename Value> class MenuWindowTable {
public:
    static constexpr std::size_t kDefaultBuckets = 1000;
    static constexpr std::uint64_t kModulus = 2147483647; // 2^31 - 1

    explicit MenuWindowTable(std::size_t buckets = kDefaultBuckets) : buckets_(buckets == 0 ? 1 : buckets) {}

    std::size_t BucketCount() const { return buckets_.size(); }

    // The bucket of a handle. The product is reduced exactly: 16807 * (h mod m) mod m equals
    // 16807 * h mod m and cannot overflow 64 bits.
    static std::size_t BucketOf(std::uintptr_t handle, std::size_t bucketCount) {
        const std::uint64_t reduced = static_cast<std::uint64_t>(handle) % kModulus;
        return static_cast<std::size_t>((16807u * reduced) % kModulus % bucketCount);
    }
    std::size_t BucketOf(std::uintptr_t handle) const { return BucketOf(handle, buckets_.size()); }

    // The value stored for a handle, or null.
    Value* Find(std::uintptr_t handle) {
        for (auto& entry : buckets_[BucketOf(handle)]) {
            if (entry.first == handle) {
                return &entry.second;
            }
        }
        return nullptr;
    }

    // The value for a handle, stored now when the handle has none.
    template <typename Make> Value& FindOrAdd(std::uintptr_t handle, Make make) {
        if (Value* found = Find(handle)) {
            return *found;
        }
        auto& bucket = buckets_[BucketOf(handle)];
        bucket.emplace_back(handle, make());
        ++size_;
        return bucket.back().second;
    }

    // Takes the handle's entry out; false when there was none.
    bool Erase(std::uintptr_t handle) {
        auto& bucket = buckets_[BucketOf(handle)];
        for (auto it = bucket.begin(); it != bucket.end(); ++it) {
            if (it->first == handle) {
                bucket.erase(it);
                --size_;
                return true;
            }
        }
        return false;
    }

    std::size_t Size() const { return size_; }
    std::size_t EntriesInBucket(std::size_t bucket) const {
        return bucket < buckets_.size() ? buckets_[bucket].size() : 0;
    }

    // Every handle stored, bucket by bucket.
    std::vector<std::uintptr_t> Handles() const {
        std::vector<std::uintptr_t> handles;
        for (const auto& bucket : buckets_) {
            for (const auto& entry : bucket) {
                handles.push_back(entry.first);
            }
        }
        return handles;
    }

private:
    std::vector<std::vector<std::pair<std::uintptr_t, Value>>> buckets_;
    std::size_t size_ = 0;
};

} // namespace corvalith
